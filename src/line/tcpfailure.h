#pragma once

#include "line/linesettings.h"

#include <QAbstractSocket>
#include <QString>

// Why a Modbus TCP gateway could not be reached or stopped answering.
namespace zt::line {

enum class TcpFailure {
    None,
    HostNotFound, // the name resolves to no address
    Refused,      // nothing listens on that address and port
    NoRoute,      // no route to the host, or no connection within the time-out
    Closed,       // the gateway closed the connection
    NoAnswer,     // connected, but a request went unanswered through every attempt
    Other,        // anything else the socket reports
};

TcpFailure tcpFailureOf(QAbstractSocket::SocketError error);

// In words, naming the gateway of `line`; `detail` is the socket's own text,
// which only Other shows.
QString tcpFailureText(const LineSettings &line, TcpFailure failure, const QString &detail = QString());

// Exception codes only a gateway sends: no path to the addressed device, and
// the device did not answer. Neither says anything about the module itself.
constexpr int GatewayNoPath = 0x0A;
constexpr int GatewayNoAnswer = 0x0B;
constexpr bool isGatewayException(int code)
{
    return code == GatewayNoPath || code == GatewayNoAnswer;
}

} // namespace zt::line
