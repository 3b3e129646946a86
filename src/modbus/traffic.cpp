#include "traffic.h"

#include "line/rtuframe.h"

namespace zt::traffic {

using namespace zt::line;

namespace {

constexpr auto SentPrefix = "(RTU client) Sent Serial ADU: 0x";
constexpr auto ReceivedPrefix = "(RTU client) Received ADU: ";
constexpr auto BufferPrefix = "(RTU client) Response buffer: ";
constexpr auto PendingPrefix = "(RTU client) Pending buffer: ";
constexpr auto TimeoutPrefix = "(RTU client) Receive timeout:";

// `count` registers from `at` on, as far as the frame holds them.
QVector<quint16> wordsFrom(const QByteArray &bytes, int at, int count)
{
    QVector<quint16> words;
    for (int i = at; words.size() < count && i + 1 < bytes.size() - CrcBytes; i += 2)
        words.append(quint16(wordAt(bytes, i)));
    return words;
}

// The hex digits after `prefix`, in or out of the quotes QDebug puts
// around a byte array.
QByteArray hexAfter(const QString &message, const char *prefix)
{
    QStringView hex = QStringView(message).mid(int(qstrlen(prefix))).trimmed();
    if (hex.startsWith(QLatin1Char('"')) && hex.endsWith(QLatin1Char('"')))
        hex = hex.mid(1, hex.size() - 2);
    return QByteArray::fromHex(hex.toLatin1());
}

} // namespace

Frame decodeRequest(const QByteArray &adu)
{
    Frame frame;
    frame.server = byteAt(adu, 0);
    frame.function = byteAt(adu, 1);
    switch (frame.function) {
    case ReadCoils:
    case ReadDiscreteInputs:
    case ReadHoldingRegisters:
    case ReadInputRegisters:
        frame.address = wordAt(adu, 2);
        frame.count = wordAt(adu, 4);
        break;
    case WriteSingleCoil:
    case WriteSingleRegister:
        frame.address = wordAt(adu, 2);
        frame.values = wordsFrom(adu, 4, 1);
        break;
    case WriteMultipleCoils:
    case WriteMultipleRegisters:
        frame.address = wordAt(adu, 2);
        frame.count = wordAt(adu, 4);
        if (frame.function == WriteMultipleRegisters)
            frame.values = wordsFrom(adu, 7, frame.count);
        break;
    default:
        break;
    }
    return frame;
}

Event decodeReply(const QByteArray &adu, const QByteArray &request)
{
    Event event;
    event.direction = Direction::Reply;
    event.bytes = adu;
    Frame &frame = event.frame;
    const Frame asked = decodeRequest(request);
    frame.server = byteAt(adu, 0);
    const int function = byteAt(adu, 1);
    frame.function = function < 0 ? -1 : function & ~ExceptionFlag;
    if (!crcMatches(adu)) {
        event.outcome = Outcome::BadCrc;
        return event;
    }
    if (frame.server != asked.server || frame.function != asked.function) {
        event.outcome = Outcome::Foreign;
        return event;
    }
    frame.address = asked.address;
    if (function & ExceptionFlag) {
        event.outcome = Outcome::Exception;
        frame.exceptionCode = byteAt(adu, 2);
        return event;
    }
    event.outcome = Outcome::Ok;
    switch (frame.function) {
    case ReadHoldingRegisters:
    case ReadInputRegisters:
        frame.values = wordsFrom(adu, 3, byteAt(adu, 2) / 2);
        frame.count = frame.values.size();
        break;
    case WriteSingleCoil:
    case WriteSingleRegister:
        frame.address = wordAt(adu, 2);
        frame.values = wordsFrom(adu, 4, 1);
        break;
    case WriteMultipleCoils:
    case WriteMultipleRegisters:
        frame.address = wordAt(adu, 2);
        frame.count = wordAt(adu, 4);
        break;
    default:
        break;
    }
    return event;
}

std::optional<Event> LogReader::read(const QString &message, const QDateTime &at)
{
    std::optional<Event> event;
    if (message.startsWith(QLatin1String(SentPrefix))) {
        request = hexAfter(message, SentPrefix);
        unframed.clear();
        event = Event{at, Direction::Request, Outcome::Sent, decodeRequest(request), request};
    } else if (message.startsWith(QLatin1String(ReceivedPrefix))) {
        event = decodeReply(hexAfter(message, ReceivedPrefix), request);
        event->time = at;
        unframed.clear();
    } else if (message.startsWith(QLatin1String(BufferPrefix))) {
        unframed = hexAfter(message, BufferPrefix);
    } else if (message.startsWith(QLatin1String(PendingPrefix))) {
        unframed = hexAfter(message, PendingPrefix);
    } else if (message.startsWith(QLatin1String(TimeoutPrefix))) {
        Frame asked = decodeRequest(request);
        asked.values.clear();
        event = Event{at, Direction::Reply, Outcome::Timeout, asked, unframed};
        unframed.clear();
    }
    return event;
}

} // namespace zt::traffic
