#pragma once

#include <QByteArray>

// Modbus RTU frames as bytes (server address, function, data, CRC): what the
// raw-line prober sends and judges, the exchange view decodes, and the tests
// build.
namespace zt::line {

enum Function : quint8 {
    ReadCoils = 0x01,
    ReadDiscreteInputs = 0x02,
    ReadHoldingRegisters = 0x03,
    ReadInputRegisters = 0x04,
    WriteSingleCoil = 0x05,
    WriteSingleRegister = 0x06,
    WriteMultipleCoils = 0x0F,
    WriteMultipleRegisters = 0x10,
};

// Set in the function code of a reply that refuses the request.
constexpr quint8 ExceptionFlag = 0x80;
constexpr int CrcBytes = 2;

// CRC-16/MODBUS; it goes on the line low byte first.
quint16 crc16(const QByteArray &bytes);
QByteArray withCrc(QByteArray frame);
// Whether the last two bytes are the CRC of those before them.
bool crcMatches(const QByteArray &frame);

// The byte or big-endian word at `i`; -1 past the end.
int byteAt(const QByteArray &bytes, int i);
int wordAt(const QByteArray &bytes, int i);

// Function 03 for the identification block, to `address`.
QByteArray identificationRequest(int address);

} // namespace zt::line
