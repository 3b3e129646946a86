#include "line/linesettings.h"

#include "channels/rs485codes.h"
#include "module/registers.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace zt::line {

namespace {

struct ParityLetter {
    char letter;
    QSerialPort::Parity parity;
};

constexpr ParityLetter parityLetters[] = {
    {'N', QSerialPort::NoParity}, {'E', QSerialPort::EvenParity}, {'O', QSerialPort::OddParity}};

} // namespace

bool parseFormat(const QString &text, Format *format)
{
    static const QRegularExpression pattern(QStringLiteral("^([5-8])([NEO])([12])$"));
    const QRegularExpressionMatch m = pattern.match(text.toUpper());
    if (!m.hasMatch())
        return false;
    format->dataBits = m.captured(1).toInt();
    for (const ParityLetter &p : parityLetters)
        if (m.captured(2) == QLatin1Char(p.letter))
            format->parity = p.parity;
    format->stopBits = m.captured(3) == QLatin1String("2") ? QSerialPort::TwoStop : QSerialPort::OneStop;
    return true;
}

QString formatName(const Format &format)
{
    char letter = '?';
    for (const ParityLetter &p : parityLetters)
        if (format.parity == p.parity)
            letter = p.letter;
    return QString::number(format.dataBits) + QLatin1Char(letter)
           + QLatin1Char(format.stopBits == QSerialPort::TwoStop ? '2' : '1');
}

const QVector<int> &speeds()
{
    static const QVector<int> table{2400, 4800, 9600, 19200, 38400, 57600, 115200};
    return table;
}

const QVector<Format> &formats()
{
    static const QVector<Format> table{
        {8, QSerialPort::NoParity, QSerialPort::OneStop},
        {8, QSerialPort::NoParity, QSerialPort::TwoStop},
        {8, QSerialPort::OddParity, QSerialPort::OneStop},
        {8, QSerialPort::EvenParity, QSerialPort::OneStop},
    };
    return table;
}

bool isValidSpeed(int baudRate)
{
    return speeds().contains(baudRate);
}

bool isValidFormat(const Format &format)
{
    return formats().contains(format);
}

bool isValidAddress(int address)
{
    return address >= MinAddress && address <= MaxAddress;
}

bool isValid(const LineSettings &settings)
{
    return isValidSpeed(settings.baudRate) && isValidFormat(settings.format) && isValidAddress(settings.address);
}

QString describe(const LineSettings &settings)
{
    return QCoreApplication::translate("zt::line", "%1 %2, адрес %3")
        .arg(settings.baudRate)
        .arg(formatName(settings.format))
        .arg(settings.address);
}

QString describeWithPort(const LineSettings &settings)
{
    return settings.port + QStringLiteral(", ") + describe(settings);
}

bool followModuleRegister(LineSettings *settings, int address, quint16 value)
{
    switch (address) {
    case reg::PlbAddress:
        if (!isValidAddress(value))
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
        settings->format = formats().at(row);
        return true;
    }
    }
    return false;
}

} // namespace zt::line
