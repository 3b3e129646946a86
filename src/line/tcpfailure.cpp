#include "line/tcpfailure.h"

#include "line/texts.h"

namespace zt::line {

TcpFailure tcpFailureOf(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::HostNotFoundError: return TcpFailure::HostNotFound;
    case QAbstractSocket::ConnectionRefusedError: return TcpFailure::Refused;
    case QAbstractSocket::RemoteHostClosedError: return TcpFailure::Closed;
    // Network unreachable, no route to host, and a connect that timed out.
    case QAbstractSocket::NetworkError:
    case QAbstractSocket::SocketTimeoutError: return TcpFailure::NoRoute;
    default: return TcpFailure::Other;
    }
}

QString tcpFailureText(const LineSettings &line, TcpFailure failure, const QString &detail)
{
    const QString gateway = place(line);
    switch (failure) {
    case TcpFailure::None: return QString();
    case TcpFailure::HostNotFound: return text::TcpHostNotFound.arg(gateway);
    case TcpFailure::Refused: return text::TcpRefused.arg(gateway);
    case TcpFailure::NoRoute: return text::TcpNoRoute.arg(gateway).arg(line.timeoutMs);
    case TcpFailure::Closed: return text::TcpClosed.arg(gateway);
    case TcpFailure::NoAnswer: return text::TcpNoAnswer.arg(gateway).arg(line.timeoutMs);
    case TcpFailure::Other: break;
    }
    return text::TcpOther.arg(gateway, detail);
}

} // namespace zt::line
