#include "line/linesettings.h"

#include "channels/rs485codes.h"
#include "module/registers.h"

#include <QCoreApplication>
#include <QHostAddress>
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

bool isValidHost(const QString &host)
{
    if (host.isEmpty() || host.size() > MaxHostLength)
        return false;
    if (host.contains(QLatin1Char(':'))) {
        static const QRegularExpression ipv6(QStringLiteral("^[0-9A-Fa-f:.]+(%[A-Za-z0-9_.-]+)?$"));
        QHostAddress address;
        return ipv6.match(host).hasMatch() && address.setAddress(host)
               && address.protocol() == QAbstractSocket::IPv6Protocol;
    }
    // Digits and dots only: an IPv4 address, four numbers 0 to 255.
    static const QRegularExpression numeric(QStringLiteral("^[0-9.]+$"));
    if (numeric.match(host).hasMatch()) {
        static const QRegularExpression ipv4(
            QStringLiteral("^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])$"));
        return ipv4.match(host).hasMatch();
    }
    static const QRegularExpression name(
        QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)*$"));
    return name.match(host).hasMatch();
}

bool isValidTcpPort(int port)
{
    return port >= 1 && port <= 65535;
}

bool isValidTimeout(int ms)
{
    return ms >= MinTimeoutMs && ms <= MaxTimeoutMs;
}

bool parseHostAndPort(const QString &text, QString *host, int *port)
{
    QString name = text;
    QString portText;
    if (text.startsWith(QLatin1Char('['))) {
        const int close = text.indexOf(QLatin1Char(']'));
        if (close < 0)
            return false;
        name = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!name.contains(QLatin1Char(':')) || (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':'))))
            return false;
        portText = rest.mid(1);
        if (!rest.isEmpty() && portText.isEmpty())
            return false;
    } else if (text.count(QLatin1Char(':')) == 1) {
        name = text.section(QLatin1Char(':'), 0, 0);
        portText = text.section(QLatin1Char(':'), 1);
        if (portText.isEmpty())
            return false;
    }
    if (!isValidHost(name))
        return false;
    int number = *port;
    if (!portText.isEmpty()) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
        if (!digits.match(portText).hasMatch() || !isValidTcpPort(number = portText.toInt()))
            return false;
    }
    *host = name;
    *port = number;
    return true;
}

bool isValid(const LineSettings &settings)
{
    const bool serial = isValidSpeed(settings.baudRate) && isValidFormat(settings.format) && isValidAddress(settings.address);
    return serial
           && (!settings.isTcp()
               || (isValidHost(settings.host) && isValidTcpPort(settings.tcpPort) && isValidTimeout(settings.timeoutMs)));
}

QString place(const LineSettings &settings)
{
    if (!settings.isTcp())
        return settings.port;
    const QString host = settings.host.contains(QLatin1Char(':')) ? QStringLiteral("[%1]").arg(settings.host) : settings.host;
    return host + QLatin1Char(':') + QString::number(settings.tcpPort);
}

QString describe(const LineSettings &settings)
{
    if (settings.isTcp())
        return QCoreApplication::translate("zt::line", "Modbus TCP %1, адрес %2").arg(place(settings)).arg(settings.address);
    return QCoreApplication::translate("zt::line", "%1 %2, адрес %3")
        .arg(settings.baudRate)
        .arg(formatName(settings.format))
        .arg(settings.address);
}

QString describeWithPort(const LineSettings &settings)
{
    if (settings.isTcp())
        return describe(settings);
    return settings.port + QStringLiteral(", ") + describe(settings);
}

bool followModuleRegister(LineSettings *settings, int address, quint16 value)
{
    if (settings->isTcp() && address != reg::PlbAddress)
        return false;
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
