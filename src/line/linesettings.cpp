#include "line/linesettings.h"

#include "channels/rs485codes.h"
#include "module/registers.h"

#include <QCoreApplication>

namespace zt::line {

namespace {

struct Format {
    const char *name;
    QSerialPort::Parity parity;
    QSerialPort::StopBits stopBits;
};

// The rows of the module's format list.
constexpr Format formats[rs485::FormatCount] = {
    {"8N1", QSerialPort::NoParity, QSerialPort::OneStop},
    {"8N2", QSerialPort::NoParity, QSerialPort::TwoStop},
    {"8O1", QSerialPort::OddParity, QSerialPort::OneStop},
    {"8E1", QSerialPort::EvenParity, QSerialPort::OneStop},
};

bool isFormatRow(int row)
{
    return row >= 0 && row < rs485::FormatCount;
}

const Format &formatOf(int row)
{
    return formats[isFormatRow(row) ? row : 0];
}

} // namespace

const QVector<int> &speeds()
{
    static const QVector<int> table{2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return table;
}

QString formatName(int formatRow)
{
    return isFormatRow(formatRow) ? QString::fromLatin1(formats[formatRow].name) : QString();
}

int formatRowOfName(const QString &name)
{
    for (int row = 0; row < rs485::FormatCount; ++row)
        if (name == QLatin1String(formats[row].name))
            return row;
    return -1;
}

QSerialPort::Parity parity(int formatRow)
{
    return formatOf(formatRow).parity;
}

QSerialPort::StopBits stopBits(int formatRow)
{
    return formatOf(formatRow).stopBits;
}

int characterBits(int formatRow)
{
    const Format &format = formatOf(formatRow);
    return 1 + 8 + (format.parity == QSerialPort::NoParity ? 0 : 1) + (format.stopBits == QSerialPort::TwoStop ? 2 : 1);
}

bool isValid(const LineSettings &settings)
{
    return speeds().contains(settings.baudRate) && isFormatRow(settings.formatRow)
           && settings.address >= MinAddress && settings.address <= MaxAddress;
}

QString describe(const LineSettings &settings)
{
    return describe(settings.baudRate, formatName(settings.formatRow), settings.address);
}

QString describe(int baudRate, const QString &format, int address)
{
    return QCoreApplication::translate("zt::line", "%1 %2, адрес %3").arg(baudRate).arg(format).arg(address);
}

RtuSettings rtuSettings(const QString &portName, const LineSettings &settings)
{
    return RtuSettings{portName, settings.baudRate, 8, int(parity(settings.formatRow)),
                       int(stopBits(settings.formatRow))};
}

bool followModuleRegister(LineSettings *settings, int address, quint16 value)
{
    switch (address) {
    case reg::PlbAddress:
        if (value < MinAddress || value > MaxAddress)
            return false;
        settings->address = value;
        return true;
    case reg::PlbSpeed: {
        const int row = rs485::speedRowOfCode(value);
        if (row < 0)
            return false;
        settings->baudRate = speeds().at(row);
        return true;
    }
    case reg::PlbFormat: {
        const int row = rs485::formatRowOfCode(value);
        if (row < 0)
            return false;
        settings->formatRow = row;
        return true;
    }
    }
    return false;
}

} // namespace zt::line
