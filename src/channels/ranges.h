#pragma once

#include <QString>

// Sensor tables of the thermocouple and resistance-thermometer (RTD) inputs:
// item texts, range codes, temperature bounds in °C, the RTD wiring codes,
// and the check of the conversion limits against those bounds.
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

// The item texts of the lists; empty outside the tables.
QString thermocoupleText(int row);
QString rtdText(int row);

// The RTD code of a list item, found by the sensor designation the text
// contains (the English texts keep them: "100П", "50М"); 0 when it names no
// sensor.
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

// The bounds a channel's limits are judged against: those of the row of the
// range list the channel shows (thermocouple first), else the fallback.
Bounds limitBounds(bool thermocoupleShown, int thermocoupleRow, bool rtdShown, int rtdRow);

// A typed limit is taken only as a plain decimal integer with an optional
// minus sign that fits the signed 16-bit register; both bounds are inclusive.
// " 12", "+12", "1e3" and "12,5" are incorrect, not rounded or trimmed.
enum class LimitVerdict { Incorrect, AboveMax, BelowMin, Ok };
struct LimitCheck {
    LimitVerdict verdict;
    qint16 value;  // the number typed; 0 when Incorrect
};
LimitCheck checkLimit(const QString &text, Bounds bounds);

// RTD wiring: the code is the number of wires, 2 to 4.
constexpr int WiringCount = 3;
int wiringRowOfCode(int code);  // -1 outside 2..4
quint16 wiringCodeOfRow(int row);  // rows 0..2 only

} // namespace zt::ranges
