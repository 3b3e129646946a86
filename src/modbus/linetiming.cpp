#include "linetiming.h"

#include <QSerialPort>

namespace zt::line {

namespace {

constexpr int FrameOverhead = 3; // server address and CRC

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

int characterBits(const RtuSettings &settings)
{
    const bool parity = settings.parity.toInt() != QSerialPort::NoParity;
    // One and a half stop bits count as two: a time-out errs on the long side.
    const int stopBits = settings.stopBits.toInt() == QSerialPort::OneStop ? 1 : 2;
    return 1 + settings.dataBits.toInt() + (parity ? 1 : 0) + stopBits;
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

int transmissionMs(int bytes, int baudRate, int characterBits)
{
    const qint64 bits = qint64(bytes) * characterBits * 1000;
    return int((bits + baudRate - 1) / baudRate);
}

int frameGapMs(int baudRate, int characterBits)
{
    const qint64 bits = qint64(7) * characterBits * 1000; // 3.5 characters, doubled
    const qint64 twice = 2 * qint64(baudRate);
    return int((bits + twice - 1) / twice);
}

int responseTimeoutMs(const QModbusDataUnit &unit, Direction direction, int baudRate,
                      int characterBits)
{
    const int bytes = requestBytes(unit, direction) + replyBytes(unit, direction);
    return AnswerWithinMs + transmissionMs(bytes, baudRate, characterBits);
}

} // namespace zt::line
