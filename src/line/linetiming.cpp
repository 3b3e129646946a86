#include "line/linetiming.h"

#include "module/registers.h"

#include <cmath>

namespace zt::line {

namespace {

constexpr int FrameOverhead = 3; // server address and CRC
constexpr double FrameGapCharacters = 3.5;

bool isBitTable(const QModbusDataUnit &unit)
{
    return unit.registerType() == QModbusDataUnit::Coils
        || unit.registerType() == QModbusDataUnit::DiscreteInputs;
}

int dataBytes(const QModbusDataUnit &unit)
{
    const int count = int(unit.valueCount());
    return isBitTable(unit) ? (count + 7) / 8 : 2 * count;
}

} // namespace

int characterBits(const Format &format)
{
    const bool parity = format.parity != QSerialPort::NoParity;
    // One and a half stop bits count as two: a time-out errs on the long side.
    const int stopBits = format.stopBits == QSerialPort::OneStop ? 1 : 2;
    return 1 + format.dataBits + (parity ? 1 : 0) + stopBits;
}

int requestBytes(const QModbusDataUnit &unit, Direction direction)
{
    // Function, address, count; a write of several values adds a byte count
    // and the values; a single write carries its value in place of the count.
    if (direction == Direction::Write && unit.valueCount() > 1)
        return FrameOverhead + 6 + dataBytes(unit);
    return FrameOverhead + 5;
}

int replyBytes(const QModbusDataUnit &unit, Direction direction)
{
    // A read answers function, byte count and the data; a write echoes
    // function, address and value or count.
    return direction == Direction::Read ? FrameOverhead + 2 + dataBytes(unit) : FrameOverhead + 5;
}

int charactersMs(double characters, int baudRate, int characterBits)
{
    return int(std::ceil(characters * characterBits * 1000 / baudRate));
}

int frameGapMs(int baudRate, int characterBits)
{
    return charactersMs(FrameGapCharacters, baudRate, characterBits);
}

int responseTimeoutMs(const QModbusDataUnit &unit, Direction direction, int baudRate,
                      int characterBits)
{
    const int bytes = requestBytes(unit, direction) + replyBytes(unit, direction);
    return AnswerWithinMs + charactersMs(bytes, baudRate, characterBits);
}

int tryWaitMs(const LineSettings &line)
{
    if (line.isTcp())
        return line.timeoutMs;
    constexpr int TurnaroundCharacters = 10;
    constexpr int LatencyMs = 30; // a USB adapter's 16 ms latency timer, and the event loop
    const QModbusDataUnit identification(QModbusDataUnit::HoldingRegisters, reg::IdentBlock, reg::IdentCount);
    const double characters = requestBytes(identification, Direction::Read) + FrameGapCharacters
                              + replyBytes(identification, Direction::Read) + TurnaroundCharacters;
    return charactersMs(characters, line.baudRate, characterBits(line.format)) + LatencyMs;
}

int watchdogMs(const LineSettings &line)
{
    // The transport's last attempt times out, then the event loop delivers
    // it, on a loaded machine too.
    constexpr int MarginMs = 1000;
    if (line.isTcp())
        return RequestAttempts * line.timeoutMs + MarginMs;
    // The identification is the longest request the watchdog guards.
    const QModbusDataUnit identification(QModbusDataUnit::HoldingRegisters, reg::IdentBlock, reg::IdentCount);
    const int tryMs = responseTimeoutMs(identification, Direction::Read, line.baudRate, characterBits(line.format));
    return RequestAttempts * (tryMs + frameGapMs(line.baudRate, characterBits(line.format))) + MarginMs;
}

} // namespace zt::line
