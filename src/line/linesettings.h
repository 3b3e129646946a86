#pragma once

#include <QSerialPort>
#include <QString>
#include <QVector>

// The line to one module: where it is reached (a serial port, or a Modbus
// TCP gateway), how characters go over the wire and the module's server
// address. The window, the search, ztconfig-cli and the transport all take
// this one type.
namespace zt::line {

// The character format: data bits, parity and stop bits ("8N1").
struct Format
{
    int dataBits = 8;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::StopBits stopBits = QSerialPort::OneStop;

    bool operator==(const Format &other) const
    {
        return dataBits == other.dataBits && parity == other.parity && stopBits == other.stopBits;
    }
    bool operator!=(const Format &other) const { return !(*this == other); }
};

enum class Link { Serial, Tcp };

constexpr int DefaultTcpPort = 502;
// A gateway adds its own delay to the module's: its answer gets this long.
constexpr int DefaultTcpTimeoutMs = 1000;
constexpr int MinTimeoutMs = 100;
constexpr int MaxTimeoutMs = 60000;
constexpr int MaxHostLength = 253; // a DNS name's limit

// The defaults are a module's factory settings: 9600 8N1, address 1.
struct LineSettings
{
    QString port; // the serial device; empty while only the line is chosen
    int baudRate = 9600;
    Format format;
    int address = 1; // the module's Modbus server address; over TCP the unit identifier
    Link link = Link::Serial;
    // Modbus TCP only. Speed and format then belong to the gateway's own
    // serial side and are kept for a return to the serial port.
    QString host; // the gateway's name or IPv4/IPv6 address
    int tcpPort = DefaultTcpPort;
    int timeoutMs = DefaultTcpTimeoutMs; // for one request

    bool isTcp() const { return link == Link::Tcp; }

    bool operator==(const LineSettings &other) const
    {
        return port == other.port && baudRate == other.baudRate && format == other.format
               && address == other.address && link == other.link && host == other.host
               && tcpPort == other.tcpPort && timeoutMs == other.timeoutMs;
    }
    bool operator!=(const LineSettings &other) const { return !(*this == other); }
};

// "8N1", "8e1": data bits 5 to 8, parity N, E or O, one or two stop bits.
bool parseFormat(const QString &text, Format *format);
QString formatName(const Format &format); // "8N1"

// What a module can be set to: the rows of its own lists (channels/rs485codes.h).
const QVector<int> &speeds();     // 2400 to 115200
const QVector<Format> &formats(); // 8N1, 8N2, 8O1, 8E1
constexpr int MinAddress = 1;
constexpr int MaxAddress = 247;

bool isValidSpeed(int baudRate);
bool isValidFormat(const Format &format);
bool isValidAddress(int address);
// A DNS name (ASCII labels), an IPv4 address in dotted decimal or an IPv6
// address; at most MaxHostLength characters.
bool isValidHost(const QString &host);
bool isValidTcpPort(int port);
bool isValidTimeout(int ms);
// "HOST", "HOST:PORT", "[IPv6]:PORT" or a bare IPv6 address; the port stays
// as it was when the text names none.
bool parseHostAndPort(const QString &text, QString *host, int *port);
// Speed, format and address; over TCP also host, port and time-out. The
// serial port is not judged.
bool isValid(const LineSettings &settings);

// Where the line goes: the serial port, or the gateway as "host:port"
// ("[::1]:502" for an IPv6 address).
QString place(const LineSettings &settings);

// As the status bar shows it: "9600 8N1, адрес 1", or
// "Modbus TCP 192.168.1.50:502, адрес 1".
QString describe(const LineSettings &settings);
// With the port first, as the module record names the line:
// "/dev/ttyUSB0, 9600 8N1, адрес 1"; a TCP line names its host once.
QString describeWithPort(const LineSettings &settings);

// The settings after the module took `value` into its own address, speed or
// format register; false for any other register or a value outside the lists.
// Behind a gateway only the address counts: the gateway keeps its speed.
bool followModuleRegister(LineSettings *settings, int address, quint16 value);

} // namespace zt::line
