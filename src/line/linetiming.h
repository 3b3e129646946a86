#pragma once

#include "line/linesettings.h"

#include <QModbusDataUnit>

// Time on the serial line. Qt's RTU client times a request from its send to
// the last byte of the reply, so one fixed time-out cuts off a long reply
// that began in time; these functions size the time-out to the request, and
// the module search's wait to the line it tries.
namespace zt::line {

// Bits of one character: start bit, data bits, parity bit, stop bits.
int characterBits(const Format &format);

enum class Direction { Read, Write };

// Whole RTU frames (server address, PDU, CRC) of a request and its reply.
int requestBytes(const QModbusDataUnit &unit, Direction direction);
int replyBytes(const QModbusDataUnit &unit, Direction direction);

// Milliseconds that `characters` take on the line, rounded up.
int charactersMs(double characters, int baudRate, int characterBits);

// The silence that ends a frame: 3.5 characters, rounded up.
int frameGapMs(int baudRate, int characterBits);

// A module gets this long from the request's last byte to its reply's first.
constexpr int AnswerWithinMs = 1000;

// Tries of one request before it counts as unanswered.
constexpr int RequestAttempts = 3;

// The client's time-out for one request: AnswerWithinMs plus the time the
// request and its expected reply take on the line.
int responseTimeoutMs(const QModbusDataUnit &unit, Direction direction, int baudRate,
                      int characterBits);

// How long one try of the module search listens for the identification
// answer: the request and the answer on the line, the frame gap between
// them, a few characters for the module to turn round, and the latency of a
// USB adapter and the event loop. A late answer is not lost: it names its
// address, and the next try still recognises it. Over TCP the line's
// time-out: the gateway's delay is its own.
int tryWaitMs(const LineSettings &line);

// How long the module link waits for the answer to an identification or a
// write before it calls the connection failed: a backstop just past the
// transport's three attempts, whose own verdict says what failed and lets a
// module that answers the last attempt be heard.
int watchdogMs(const LineSettings &line);

} // namespace zt::line
