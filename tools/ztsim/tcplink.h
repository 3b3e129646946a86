#pragma once

#include "link.h"

// Sends replies on one client's TCP connection, framed as Modbus TCP: the
// request's transaction and unit identifiers in an MBAP header before the
// PDU.
class TcpLink : public Link {
public:
    explicit TcpLink(int socket) : socket_(socket) {}

    // TCP has no CRC to corrupt: --corrupt-crc is refused with --tcp.
    bool send(const Frame &request, const std::vector<uint8_t> &pdu,
              std::chrono::microseconds turnaround, bool corruptCrc) override;

private:
    int socket_;
};
