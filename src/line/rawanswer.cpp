#include "line/rawanswer.h"

#include "line/rtuframe.h"

namespace zt::line {

namespace {

// The valid read reply or exception that starts at `at`, if any.
bool frameAt(const QByteArray &bytes, int at, Answer *frame)
{
    if (bytes.size() - at < 5)
        return false;
    const int function = byteAt(bytes, at + 1);
    if (function == (ReadHoldingRegisters | ExceptionFlag)) {
        if (!crcMatches(bytes.mid(at, 5)))
            return false;
        frame->kind = Answer::Exception;
        frame->exceptionCode = byteAt(bytes, at + 2);
    } else if (function == ReadHoldingRegisters) {
        const int count = byteAt(bytes, at + 2);
        if (count % 2 != 0 || bytes.size() - at < 5 + count || !crcMatches(bytes.mid(at, 5 + count)))
            return false;
        frame->kind = Answer::Reply;
        for (int i = 0; i < count; i += 2)
            frame->registers << quint16(wordAt(bytes, at + 3 + i));
    } else {
        return false;
    }
    frame->address = byteAt(bytes, at);
    return true;
}

} // namespace

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
