#include "commission/words.h"

#include "channels/ranges.h"
#include "channels/rs485codes.h"
#include "commission/texts.h"
#include "line/linesettings.h"

#include <QCoreApplication>

namespace zt::commission::words {

namespace {

using catalogue::InputKind;

// The list items in the installed language; ranges:: keeps the source texts.
QString translated(const QString &item)
{
    return QCoreApplication::translate("zt::ranges", item.toUtf8().constData());
}

QString hex(quint16 code)
{
    return QStringLiteral("0x%1").arg(code, 4, 16, QLatin1Char('0'));
}

} // namespace

QString range(InputKind kind, int row)
{
    const QString item = kind == InputKind::Thermocouple ? ranges::thermocoupleText(row)
                       : kind == InputKind::Rtd          ? ranges::rtdText(row)
                                                         : QString();
    return item.isEmpty() ? text::NotInList.text() : translated(item);
}

QString rangeCode(InputKind kind, quint16 code)
{
    const int row = kind == InputKind::Thermocouple ? ranges::thermocoupleRowOfCode(code) : ranges::rtdRowOfCode(code);
    return row < 0 ? text::OutsideList.arg(hex(code)) : range(kind, row);
}

QString wiringRow(int row)
{
    if (row < 0 || row >= ranges::WiringCount)
        return text::NotInList.text();
    return text::Wires.arg(ranges::wiringCodeOfRow(row));
}

QString onOff(bool on)
{
    return (on ? text::On : text::Off).text();
}

QString withUnit(const QString &value, const QString &unit)
{
    return value + QLatin1Char(' ') + unit;
}

QString plbSpeed(quint16 code)
{
    const int row = rs485::speedRowOfCode(code);
    return row < 0 ? text::OutsideList.arg(hex(code)) : QString::number(line::speeds().value(row));
}

QString plbFormat(quint16 code)
{
    const int row = rs485::formatRowOfCode(code);
    return row < 0 || rs485::formatCodeOfRow(row) != code ? text::OutsideList.arg(hex(code))
                                                          : line::formatName(line::formats().at(row));
}

} // namespace zt::commission::words
