#pragma once

#include <QByteArray>
#include <QVector>

// What the raw line returned for an identification request, read without
// the Modbus client.
namespace zt::line {

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
