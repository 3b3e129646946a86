#include "tcplink.h"

#include <cerrno>
#include <sys/socket.h>
#include <thread>

bool TcpLink::send(const Frame &request, const std::vector<uint8_t> &pdu,
                   std::chrono::microseconds turnaround, bool)
{
    // Transaction identifier as received, protocol 0, the length of what
    // follows it (unit identifier and PDU), the unit identifier.
    const size_t length = pdu.size() + 1;
    std::vector<uint8_t> adu = {request.bytes[0], request.bytes[1], 0, 0,
                                uint8_t(length >> 8), uint8_t(length & 0xFF), request.server};
    adu.insert(adu.end(), pdu.begin(), pdu.end());

    std::this_thread::sleep_until(request.received + turnaround);
    // A client that has gone finds out by itself; its connection is closed
    // when the next read fails, so a failed send needs nothing more here.
    for (size_t sent = 0; sent < adu.size();) {
        const ssize_t n = ::send(socket_, adu.data() + sent, adu.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        sent += size_t(n);
    }
    return false;
}
