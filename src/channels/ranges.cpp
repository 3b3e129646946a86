#include "channels/ranges.h"

namespace zt::ranges {

namespace {

// RTD code: (nominal << 4) | characteristic, nominal 1..4 = 50, 100, 500,
// 1000 Ω; characteristic 0 Pt, 1 П, 2 Cu, 3 М, 4 H. There is no 50 Ω H.
constexpr int rtdCodes[RtdCount] = {
    0x10, 0x20, 0x30, 0x40,  // Pt50 .. Pt1000
    0x11, 0x21, 0x31, 0x41,  // 50П .. 1000П
    0x24, 0x34, 0x44,        // 100H .. 1000H
    0x12, 0x22, 0x32, 0x42,  // Cu50 .. Cu1000
    0x13, 0x23, 0x33, 0x43,  // 50М .. 1000М
};

struct MatchKey {
    const char16_t *key;
    int code;
};

// Larger nominals first: "Pt100" is also found in "Pt1000", "Cu50" in "Cu500".
// \u041C and \u041F are the Cyrillic М and П; the H is Latin.
constexpr MatchKey matchKeys[] = {
    {u"1000H", 0x44}, {u"1000\u041C", 0x43}, {u"Cu1000", 0x42}, {u"1000\u041F", 0x41}, {u"Pt1000", 0x40},
    {u"500H", 0x34},  {u"500\u041C", 0x33},  {u"Cu500", 0x32},  {u"500\u041F", 0x31},  {u"Pt500", 0x30},
    {u"100H", 0x24},  {u"100\u041C", 0x23},  {u"Cu100", 0x22},  {u"100\u041F", 0x21},  {u"Pt100", 0x20},
    {u"50\u041C", 0x13}, {u"Cu50", 0x12},    {u"50\u041F", 0x11}, {u"Pt50", 0x10},
};

constexpr int FirstWiringCode = 2;

} // namespace

Bounds fallbackBounds() { return {-210, 2500}; }

Bounds thermocoupleBounds(int row)
{
    if (row < 0 || row >= ThermocoupleCount)
        return fallbackBounds();
    return {thermocoupleLower[row], thermocoupleUpper[row]};
}

Bounds rtdBounds(int row)
{
    if (row < 0 || row >= RtdCount)
        return fallbackBounds();
    return {rtdLower[row], rtdUpper[row]};
}

int rtdCodeFromText(const QString &text)
{
    for (const MatchKey &m : matchKeys)
        if (text.contains(QStringView(m.key)))
            return m.code;
    return 0;
}

int rtdCodeOfRow(int row)
{
    return row >= 0 && row < RtdCount ? rtdCodes[row] : -1;
}

int rtdRowOfCode(int code)
{
    for (int row = 0; row < RtdCount; ++row)
        if (rtdCodes[row] == code)
            return row;
    return -1;
}

bool isRtdCode(int code) { return rtdRowOfCode(code) >= 0; }

int thermocoupleRowOfCode(int code)
{
    return code >= 0 && code < ThermocoupleCount ? code : -1;
}

RangeSelection rangeSelectionForCode(int code)
{
    if (const int row = rtdRowOfCode(code); row >= 0)
        return {RangeList::Rtd, row};
    if (const int row = thermocoupleRowOfCode(code); row >= 0)
        return {RangeList::Thermocouple, row};
    return {RangeList::None, -1};
}

int wiringRowOfCode(int code)
{
    const int row = code - FirstWiringCode;
    return row >= 0 && row < WiringCount ? row : -1;
}

quint16 wiringCodeOfRow(int row)
{
    return quint16(row + FirstWiringCode);
}

} // namespace zt::ranges
