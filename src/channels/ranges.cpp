#include "channels/ranges.h"

#include <limits>

namespace zt::ranges {

namespace {

// The item texts of the lists, by row; the "С" of "°С" is the Cyrillic letter.
// The window shows them translated, under the context "zt::ranges".
constexpr const char *thermocoupleTexts[ThermocoupleCount] = {
    QT_TRANSLATE_NOOP("zt::ranges", "J от -210 до 1200 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "K от -200 до 1372 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "T от -200 до 400 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "E от -200 до 1000 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "R от -50 до 1768 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "S от -50 до 1768 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "B от 250 до 1820 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "N от -200 до 1300 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "L от -200 до 800 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "A1 от 0 до 2500 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "A2 от 0 до 1800 °С"),
    QT_TRANSLATE_NOOP("zt::ranges", "A3 от 0 до 1800 °С"),
};

// RTD code: (nominal << 4) | characteristic, nominal 1..4 = 50, 100, 500,
// 1000 Ω; characteristic 0 Pt, 1 П, 2 Cu, 3 М, 4 H. There is no 50 Ω H.
struct RtdRow {
    int code;
    const char *text;  // the list item
};
constexpr RtdRow rtdRows[RtdCount] = {
    {0x10, QT_TRANSLATE_NOOP("zt::ranges", "Pt50 α=0.00385 °С⁻¹ от -200 до 850 °С")},
    {0x20, QT_TRANSLATE_NOOP("zt::ranges", "Pt100 α=0.00385 °С⁻¹ от -200 до 850 °С")},
    {0x30, QT_TRANSLATE_NOOP("zt::ranges", "Pt500 α=0.00385 °С⁻¹ от -200 до 850 °С")},
    {0x40, QT_TRANSLATE_NOOP("zt::ranges", "Pt1000 α=0.00385 °С⁻¹ от -200 до 850 °С")},
    {0x11, QT_TRANSLATE_NOOP("zt::ranges", "50П α=0.00391 °С⁻¹ от -200 до 850 °С")},
    {0x21, QT_TRANSLATE_NOOP("zt::ranges", "100П α=0.00391 °С⁻¹ от -200 до 850 °С")},
    {0x31, QT_TRANSLATE_NOOP("zt::ranges", "500П α=0.00391 °С⁻¹ от -200 до 850 °С")},
    {0x41, QT_TRANSLATE_NOOP("zt::ranges", "1000П α=0.00391 °С⁻¹ от -200 до 850 °С")},
    {0x24, QT_TRANSLATE_NOOP("zt::ranges", "100H α=0.00617 °С⁻¹ от -60 до 180 °С")},
    {0x34, QT_TRANSLATE_NOOP("zt::ranges", "500H α=0.00617 °С⁻¹ от -60 до 180 °С")},
    {0x44, QT_TRANSLATE_NOOP("zt::ranges", "1000H α=0.00617 °С⁻¹ от -60 до 180 °С")},
    {0x12, QT_TRANSLATE_NOOP("zt::ranges", "Cu50 α=0.00426 °С⁻¹ от -50 до 200 °С")},
    {0x22, QT_TRANSLATE_NOOP("zt::ranges", "Cu100 α=0.00426 °С⁻¹ от -50 до 200 °С")},
    {0x32, QT_TRANSLATE_NOOP("zt::ranges", "Cu500 α=0.00426 °С⁻¹ от -50 до 200 °С")},
    {0x42, QT_TRANSLATE_NOOP("zt::ranges", "Cu1000 α=0.00426 °С⁻¹ от -50 до 200 °С")},
    {0x13, QT_TRANSLATE_NOOP("zt::ranges", "50М α=0.00428 °С⁻¹ от -180 до 200 °С")},
    {0x23, QT_TRANSLATE_NOOP("zt::ranges", "100М α=0.00428 °С⁻¹ от -180 до 200 °С")},
    {0x33, QT_TRANSLATE_NOOP("zt::ranges", "500М α=0.00428 °С⁻¹ от -180 до 200 °С")},
    {0x43, QT_TRANSLATE_NOOP("zt::ranges", "1000М α=0.00428 °С⁻¹ от -180 до 200 °С")},
};

struct MatchKey {
    const char16_t *key;
    int code;
};

// The sensor's designation in a list text, whatever language the rest of the
// text is in. Larger nominals first: "Pt100" is also found in "Pt1000",
// "Cu50" in "Cu500". \u041C and \u041F are the Cyrillic М and П; the H is Latin.
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

QString thermocoupleText(int row)
{
    return row >= 0 && row < ThermocoupleCount ? QString::fromUtf8(thermocoupleTexts[row]) : QString();
}

QString rtdText(int row)
{
    return row >= 0 && row < RtdCount ? QString::fromUtf8(rtdRows[row].text) : QString();
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
    return row >= 0 && row < RtdCount ? rtdRows[row].code : -1;
}

int rtdRowOfCode(int code)
{
    for (int row = 0; row < RtdCount; ++row)
        if (rtdRows[row].code == code)
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

Bounds limitBounds(bool thermocoupleShown, int thermocoupleRow, bool rtdShown, int rtdRow)
{
    if (thermocoupleShown && thermocoupleRow >= 0 && thermocoupleRow < ThermocoupleCount)
        return thermocoupleBounds(thermocoupleRow);
    if (rtdShown && rtdRow >= 0 && rtdRow < RtdCount)
        return rtdBounds(rtdRow);
    return fallbackBounds();
}

LimitCheck checkLimit(const QString &text, Bounds bounds)
{
    const int digitsFrom = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    bool plain = text.size() > digitsFrom;
    for (int i = digitsFrom; plain && i < text.size(); ++i)
        plain = text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9');
    bool ok = false;
    const int value = plain ? text.toInt(&ok) : 0;
    if (!ok || value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        return {LimitVerdict::Incorrect, 0};
    if (value > bounds.upper)
        return {LimitVerdict::AboveMax, qint16(value)};
    if (value < bounds.lower)
        return {LimitVerdict::BelowMin, qint16(value)};
    return {LimitVerdict::Ok, qint16(value)};
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
