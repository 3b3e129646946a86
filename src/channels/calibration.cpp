#include "channels/calibration.h"

#include "channels/ranges.h"
#include "module/catalogue.h"
#include "module/registers.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace zt::calibration {

namespace {

// The window shows these texts translated; %1 is the gain voltage in mV or
// the gain resistance with its unit.
inline constexpr char Context[] = "zt::calibration";
QString translated(const char *source) { return QCoreApplication::translate(Context, source); }

constexpr auto ThermocoupleHint = QT_TRANSLATE_NOOP("zt::calibration",
    "Юстировка смещения выполняется при входном напряжении 0 мВ\r\n"
    "Юстировка усиления выполняется при входном напряжении %1 мВ");
constexpr auto RtdHint = QT_TRANSLATE_NOOP("zt::calibration",
    "Юстировка смещения выполняется при входном сопротивлении 0 Ом\r\n"
    "Юстировка усиления выполняется при входном сопротивлении %1");
constexpr auto PHint = QT_TRANSLATE_NOOP("zt::calibration",
    "Юстировка смещения выполняется при входном сопротивлении 0 Ом\r\n"
    "Юстировка усиления выполняется при входном сопротивлении 10 000 Ом");
constexpr auto CurrentHint = QT_TRANSLATE_NOOP("zt::calibration",
    "Юстировка смещения выполняется при входном токе 3 мА \r\n"
    "Юстировка усиления выполняется при входном токе 21 мА ");
constexpr auto Ohms = QT_TRANSLATE_NOOP("zt::calibration", "%1 Ом");

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
    case 1: return translated(Ohms).arg(200);
    case 2: return translated(Ohms).arg(400);
    case 3: return translated(Ohms).arg(2000);
    case 4: return translated(Ohms).arg(4000);
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
                channel == 0 ? QT_TRANSLATE_NOOP("zt::calibration", "Выполнить юстировку усиления канала 0?")
                             : QT_TRANSLATE_NOOP("zt::calibration", "Выполнить юстировку усиления канала 1?")};
    return {channel == 0 ? 1 : 3, reg::calOffset(channel),
            channel == 0 ? QT_TRANSLATE_NOOP("zt::calibration", "Выполнить юстировку смещения канала 0?")
                         : QT_TRANSLATE_NOOP("zt::calibration", "Выполнить юстировку смещения канала 1?")};
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
        return translated(ThermocoupleHint).arg(voltage);
    }
    case catalogue::InputKind::Rtd:
        return translated(RtdHint).arg(gainResistance(rtdRow));
    case catalogue::InputKind::P:
        return translated(PHint);
    case catalogue::InputKind::Current:
        return translated(CurrentHint);
    case catalogue::InputKind::None:
        break;
    }
    return QString();
}

} // namespace zt::calibration
