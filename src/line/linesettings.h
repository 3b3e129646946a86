#pragma once

#include "modbus/rtusettings.h"

#include <QSerialPort>
#include <QString>
#include <QVector>

// The serial line the program talks to a module on: speed, character format
// and the module's server address. The speeds and formats are those a PLB
// module can be set to, in the rows of its own lists (channels/rs485codes.h).
namespace zt::line {

struct LineSettings
{
    int baudRate = 9600;
    int formatRow = 0; // 8N1, 8N2, 8O1, 8E1; always 8 data bits
    int address = 1;

    bool operator==(const LineSettings &other) const
    {
        return baudRate == other.baudRate && formatRow == other.formatRow && address == other.address;
    }
    bool operator!=(const LineSettings &other) const { return !(*this == other); }
};

constexpr int MinAddress = 1;
constexpr int MaxAddress = 247;

const QVector<int> &speeds(); // by speed row, 2400 to 115200
QString formatName(int formatRow); // "8N1"...; empty outside the rows
int formatRowOfName(const QString &name); // -1 for none
QSerialPort::Parity parity(int formatRow);
QSerialPort::StopBits stopBits(int formatRow);
int characterBits(int formatRow); // start bit, 8 data bits, parity bit, stop bits

bool isValid(const LineSettings &settings);

// As the status bar shows it: "9600 8N1, адрес 1".
QString describe(const LineSettings &settings);
QString describe(int baudRate, const QString &format, int address);  // any format, "7E1" too

RtuSettings rtuSettings(const QString &portName, const LineSettings &settings);

// The settings after the module took `value` into its own address, speed or
// format register; false for any other register or a value outside the lists.
bool followModuleRegister(LineSettings *settings, int address, quint16 value);

} // namespace zt::line
