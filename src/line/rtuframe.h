#pragma once

#include <QByteArray>
#include <QVector>

// Modbus RTU frames on the raw line, for listening to a module without the
// Modbus client: the identification request, and what came back.
namespace zt::line {

constexpr int IdentificationRequestBytes = 8;
constexpr int IdentificationReplyBytes = 35; // address, function, count, 15 registers, CRC

// CRC-16/MODBUS; it goes on the line low byte first.
quint16 crc16(const QByteArray &bytes);

// Function 03 for the identification block, to `address`.
QByteArray identificationRequest(int address);

// What the line returned for a request.
struct Answer
{
    enum Kind {
        Nothing,      // no byte at all
        Echo,         // the request itself came back (an echoing adapter)
        Garbage,      // bytes, but no valid frame among them
        OtherAddress, // a valid frame, from another server address
        Exception,    // the asked module refused the request
        Reply,        // the asked module answered with registers
    };
    Kind kind = Nothing;
    int address = 0;       // of the frame
    int exceptionCode = 0; // of an Exception
    QVector<quint16> registers; // of a read reply, also from another address
};

Answer classify(const QByteArray &request, const QByteArray &received);

// Whether more bytes could still change the answer.
inline bool isComplete(const Answer &answer)
{
    return answer.kind != Answer::Nothing && answer.kind != Answer::Garbage;
}

} // namespace zt::line
