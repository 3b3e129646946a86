#pragma once

#include <QSerialPort>
#include <QString>
#include <QVector>

// The line to one module: where it is reached, how characters go over the
// wire and the module's server address. The window, the search, ztconfig-cli
// and the transport all take this one type.
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

// The defaults are a module's factory settings: 9600 8N1, address 1.
struct LineSettings
{
    QString port; // the serial device; empty while only the line is chosen
    int baudRate = 9600;
    Format format;
    int address = 1; // the module's Modbus server address

    bool operator==(const LineSettings &other) const
    {
        return port == other.port && baudRate == other.baudRate && format == other.format
               && address == other.address;
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
bool isValid(const LineSettings &settings); // all three; the port is not judged

// As the status bar shows it: "9600 8N1, адрес 1".
QString describe(const LineSettings &settings);
// With the port first, as the module record names the line:
// "/dev/ttyUSB0, 9600 8N1, адрес 1".
QString describeWithPort(const LineSettings &settings);

// The settings after the module took `value` into its own address, speed or
// format register; false for any other register or a value outside the lists.
bool followModuleRegister(LineSettings *settings, int address, quint16 value);

} // namespace zt::line
