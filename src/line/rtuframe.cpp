#include "line/rtuframe.h"

#include "module/registers.h"

namespace zt::line {

namespace {

constexpr quint8 ReadHolding = 0x03;
constexpr quint8 ExceptionFlag = 0x80;

quint8 byteAt(const QByteArray &bytes, int i)
{
    return quint8(bytes.at(i));
}

void appendWord(QByteArray *frame, int word)
{
    frame->append(char(word >> 8));
    frame->append(char(word & 0xFF));
}

void appendCrc(QByteArray *frame)
{
    const quint16 crc = crc16(*frame);
    frame->append(char(crc & 0xFF));
    frame->append(char(crc >> 8));
}

bool crcMatches(const QByteArray &frame)
{
    const int n = frame.size();
    return n >= 4 && crc16(frame.left(n - 2)) == (byteAt(frame, n - 2) | byteAt(frame, n - 1) << 8);
}

// The valid read reply or exception that starts at `at`, if any.
bool frameAt(const QByteArray &bytes, int at, Answer *frame)
{
    if (bytes.size() - at < 5)
        return false;
    const quint8 function = byteAt(bytes, at + 1);
    if (function == (ReadHolding | ExceptionFlag)) {
        if (!crcMatches(bytes.mid(at, 5)))
            return false;
        frame->kind = Answer::Exception;
        frame->exceptionCode = byteAt(bytes, at + 2);
    } else if (function == ReadHolding) {
        const int count = byteAt(bytes, at + 2);
        if (count % 2 != 0 || bytes.size() - at < 5 + count || !crcMatches(bytes.mid(at, 5 + count)))
            return false;
        frame->kind = Answer::Reply;
        for (int i = 0; i < count; i += 2)
            frame->registers << quint16(byteAt(bytes, at + 3 + i) << 8 | byteAt(bytes, at + 4 + i));
    } else {
        return false;
    }
    frame->address = byteAt(bytes, at);
    return true;
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

QByteArray identificationRequest(int address)
{
    QByteArray frame;
    frame.append(char(address));
    frame.append(char(ReadHolding));
    appendWord(&frame, reg::IdentBlock);
    appendWord(&frame, reg::IdentCount);
    appendCrc(&frame);
    return frame;
}

// An echo counts whatever follows it: behind an echoing adapter the Modbus
// client fails even when the module answers. Noise before a frame is
// skipped: a line that was just switched on may carry some.
Answer classify(const QByteArray &request, const QByteArray &received)
{
    Answer answer;
    if (received.isEmpty())
        return answer;
    if (received.startsWith(request)) {
        answer.kind = Answer::Echo;
        return answer;
    }
    for (int at = 0; at < received.size(); ++at) {
        if (frameAt(received, at, &answer)) {
            if (answer.address != byteAt(request, 0))
                answer.kind = Answer::OtherAddress;
            return answer;
        }
    }
    answer.kind = Answer::Garbage;
    return answer;
}

} // namespace zt::line
