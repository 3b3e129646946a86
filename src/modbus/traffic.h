#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

// What went over the line, read back from the Modbus client's own log (the
// qt.modbus and qt.modbus.lowlevel categories): each request and each reply
// or missed reply, decoded far enough for a person to follow the exchange.
namespace zt::traffic {

enum class Direction { Request, Reply };

enum class Outcome {
    Sent,      // a request: its reply tells how it went
    Ok,
    Exception, // the module refused the request
    BadCrc,    // the client drops it: the request times out
    Foreign,   // a valid frame from another server or for another function; dropped too
    Timeout,   // nothing usable came back in time
};

// What a frame says, as far as it says it; -1 where it says nothing.
struct Frame
{
    int server = -1;
    int function = -1; // without the exception bit
    int address = -1;  // a read reply has none: the request's is taken
    int count = -1;    // registers asked for, or read
    QVector<quint16> values; // written, or read
    int exceptionCode = 0;
};

struct Event
{
    QDateTime time;
    Direction direction = Direction::Request;
    Outcome outcome = Outcome::Sent;
    Frame frame;
    QByteArray bytes; // the ADU; of a time-out, what came that made no frame
};

// A request ADU (address, function, data, CRC).
Frame decodeRequest(const QByteArray &adu);

// A reply ADU, judged against the request it should answer.
Event decodeReply(const QByteArray &adu, const QByteArray &request);

// Turns the client's log messages, in the order they came, into events. The
// client logs each request it puts on the line ("Sent Serial ADU"), each
// frame it cuts from the received bytes ("Received ADU", before its CRC
// check), the bytes it holds ("Response buffer", "Pending buffer") and each
// attempt that timed out ("Receive timeout"); all other messages say nothing
// new.
class LogReader
{
public:
    std::optional<Event> read(const QString &message, const QDateTime &at);

private:
    QByteArray request;  // the last one sent: replies and time-outs belong to it
    QByteArray unframed; // received since, but not (yet) a frame
};

} // namespace zt::traffic
