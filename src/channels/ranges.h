#pragma once

#include <QString>

// Sensor tables of the thermocouple and resistance-thermometer (RTD) inputs:
// range codes, temperature bounds in °C and the RTD wiring codes. The item
// texts of the lists belong to the form.
namespace zt::ranges {

struct Bounds {
    int lower, upper;
};

// Thermocouples: the code is the row (J K T E R S B N L A1 A2 A3).
constexpr int ThermocoupleCount = 12;
inline constexpr int thermocoupleLower[ThermocoupleCount] =
    {-210, -200, -200, -200, -50, -50, 250, -200, -200, 0, 0, 0};
inline constexpr int thermocoupleUpper[ThermocoupleCount] =
    {1200, 1372, 400, 1000, 1768, 1768, 1820, 1300, 800, 2500, 1800, 1800};

// RTD sensors by row: Pt, П, H (100 Ω up), Cu, М, each from 50 Ω to 1000 Ω.
constexpr int RtdCount = 19;
inline constexpr int rtdLower[RtdCount] =
    {-200, -200, -200, -200, -200, -200, -200, -200, -60, -60, -60,
     -50, -50, -50, -50, -180, -180, -180, -180};
inline constexpr int rtdUpper[RtdCount] =
    {850, 850, 850, 850, 850, 850, 850, 850, 180, 180, 180,
     200, 200, 200, 200, 200, 200, 200, 200};

// The widest thermocouple bounds, used when no row applies.
Bounds fallbackBounds();
Bounds thermocoupleBounds(int row);
Bounds rtdBounds(int row);

// The RTD code of a list item, found by the sensor name the text contains;
// 0 when it names no sensor.
int rtdCodeFromText(const QString &text);
int rtdCodeOfRow(int row);   // -1 out of range
int rtdRowOfCode(int code);  // -1 when not an RTD code
bool isRtdCode(int code);
int thermocoupleRowOfCode(int code);  // -1 when not 0..11

// Which list a range code read from the module selects. Any other code
// selects nothing and must not be written back.
enum class RangeList { Thermocouple, Rtd, None };
struct RangeSelection {
    RangeList list;
    int row;  // -1 with RangeList::None
};
RangeSelection rangeSelectionForCode(int code);

// RTD wiring: the code is the number of wires, 2 to 4.
constexpr int WiringCount = 3;
int wiringRowOfCode(int code);  // -1 outside 2..4
quint16 wiringCodeOfRow(int row);  // rows 0..2 only

} // namespace zt::ranges
