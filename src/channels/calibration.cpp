#include "channels/calibration.h"

#include "channels/ranges.h"
#include "module/catalogue.h"
#include "module/registers.h"

#include <QRegularExpression>

namespace zt::calibration {

namespace {

constexpr auto ThermocoupleHint =
    u"Юстировка смещения выполняется при входном напряжении 0 мВ\r\n"
    u"Юстировка усиления выполняется при входном напряжении XXX мВ";
constexpr auto RtdHint =
    u"Юстировка смещения выполняется при входном сопротивлении 0 Ом\r\n"
    u"Юстировка усиления выполняется при входном сопротивлении 200 Ом";
constexpr auto PHint =
    u"Юстировка смещения выполняется при входном сопротивлении 0 Ом\r\n"
    u"Юстировка усиления выполняется при входном сопротивлении 10 000 Ом";
constexpr auto CurrentHint =
    u"Юстировка смещения выполняется при входном токе 3 мА \r\n"
    u"Юстировка усиления выполняется при входном токе 21 мА ";

constexpr auto VoltagePlaceholder = u"XXX";
constexpr auto ResistancePlaceholder = u"200 Ом";
constexpr auto NoValue = u"—";  // a list without a row: no value to name

// Gain voltage by thermocouple row (J K T E R S B N L A1 A2 A3).
const char *const olderVoltage[ranges::ThermocoupleCount] = {
    "69,553", "54,886", "20,872", "76,373", "21,101", "18,693",
    "13,820", "47,513", "66,466", "33,640", "27,232", "26,773"};
const char *const newerVoltage[ranges::ThermocoupleCount] = {
    "77", "77", "34", "77", "34", "19", "19", "77", "77", "34", "34", "34"};

// Four times the sensor's nominal resistance, by the code's nominal.
QString gainResistance(int rtdRow)
{
    switch (ranges::rtdCodeOfRow(rtdRow) >> 4) {
    case 1: return QStringLiteral("200 Ом");
    case 2: return QStringLiteral("400 Ом");
    case 3: return QStringLiteral("2000 Ом");
    case 4: return QStringLiteral("4000 Ом");
    }
    return QString::fromUtf16(NoValue);
}

// Both dates go through this one rule: "yy" is a year of this century.
QDate parseFirmwareDate(const QString &text)
{
    static const QRegularExpression format(QStringLiteral("^(\\d\\d)\\.(\\d\\d)\\.(\\d\\d)$"));
    const QRegularExpressionMatch m = format.match(text);
    if (!m.hasMatch())
        return QDate();
    return QDate(2000 + m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

} // namespace

Step step(int channel, bool gain)
{
    if (gain)
        return {channel == 0 ? 2 : 4, reg::calGain(channel),
                channel == 0 ? "Выполнить юстировку усиления канала 0?" : "Выполнить юстировку усиления канала 1?"};
    return {channel == 0 ? 1 : 3, reg::calOffset(channel),
            channel == 0 ? "Выполнить юстировку смещения канала 0?" : "Выполнить юстировку смещения канала 1?"};
}

bool isOlderFirmware(const QString &firmwareText)
{
    const QDate firmware = parseFirmwareDate(firmwareText);
    return firmware.isValid() && firmware < parseFirmwareDate(QStringLiteral("23.04.23"));
}

QString hintText(int modulePosition, int thermocoupleRow, int rtdRow, const QString &firmwareText)
{
    switch (catalogue::inputKind(modulePosition)) {
    case catalogue::InputKind::Thermocouple: {
        const bool known = thermocoupleRow >= 0 && thermocoupleRow < ranges::ThermocoupleCount;
        const QString voltage = !known ? QString::fromUtf16(NoValue)
            : QString::fromLatin1(isOlderFirmware(firmwareText) ? olderVoltage[thermocoupleRow]
                                                                : newerVoltage[thermocoupleRow]);
        return QString::fromUtf16(ThermocoupleHint).replace(QString::fromUtf16(VoltagePlaceholder), voltage);
    }
    case catalogue::InputKind::Rtd:
        return QString::fromUtf16(RtdHint).replace(QString::fromUtf16(ResistancePlaceholder), gainResistance(rtdRow));
    case catalogue::InputKind::P:
        return QString::fromUtf16(PHint);
    case catalogue::InputKind::Current:
        return QString::fromUtf16(CurrentHint);
    case catalogue::InputKind::None:
        break;
    }
    return QString();
}

} // namespace zt::calibration
