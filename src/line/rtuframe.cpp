#include "line/rtuframe.h"

#include "module/registers.h"

namespace zt::line {

namespace {

void appendWord(QByteArray *frame, int word)
{
    frame->append(char(word >> 8));
    frame->append(char(word & 0xFF));
}

} // namespace

quint16 crc16(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 1) ? quint16((crc >> 1) ^ 0xA001) : quint16(crc >> 1);
    }
    return crc;
}

QByteArray withCrc(QByteArray frame)
{
    const quint16 crc = crc16(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

bool crcMatches(const QByteArray &frame)
{
    const int n = frame.size();
    return n >= 4 && crc16(frame.left(n - CrcBytes)) == (byteAt(frame, n - 2) | byteAt(frame, n - 1) << 8);
}

int byteAt(const QByteArray &bytes, int i)
{
    return i >= 0 && i < bytes.size() ? quint8(bytes.at(i)) : -1;
}

int wordAt(const QByteArray &bytes, int i)
{
    return i >= 0 && i + 1 < bytes.size() ? byteAt(bytes, i) << 8 | byteAt(bytes, i + 1) : -1;
}

QByteArray identificationRequest(int address)
{
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(ReadHoldingRegisters));
    appendWord(&frame, reg::IdentBlock);
    appendWord(&frame, reg::IdentCount);
    return withCrc(frame);
}

} // namespace zt::line
