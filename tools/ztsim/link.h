#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

using Clock = std::chrono::steady_clock;

// A request as it arrived: the whole frame (RTU with its CRC, or TCP with
// its MBAP header), the server address (unit identifier) it is for and its
// PDU, from the function code on.
struct Frame {
    const uint8_t *bytes = nullptr;
    size_t length = 0;
    uint8_t server = 0;
    const uint8_t *pdu = nullptr;
    int pduLength = 0;
    Clock::time_point received;
};

// Where replies go: a serial line (RTU) or a TCP connection (MBAP).
class Link {
public:
    virtual ~Link() = default;

    // Sends the reply `pdu` to `request` no earlier than `turnaround` after
    // the request's end. Returns true when the reply collided with what the
    // master sent meanwhile (a paced serial line only).
    virtual bool send(const Frame &request, const std::vector<uint8_t> &pdu,
                      std::chrono::microseconds turnaround, bool corruptCrc) = 0;

    // Sends the request back at once, as an adapter that echoes what it
    // transmits; only a serial line has one.
    virtual void echo(const Frame &) {}
};
