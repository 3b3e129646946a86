#pragma once

#include "link.h"

uint16_t crc16(const uint8_t *data, size_t length);

// Sends replies on the serial device, framed as RTU (server address, PDU,
// CRC low byte first), either at once or at the pace of a 9600-baud line.
class Line : public Link {
public:
    // A garbling line sends every byte of a reply inverted: bytes that form
    // no frame, as a master at another speed or format reads them.
    Line(int fd, bool pace, bool garble) : fd_(fd), pace_(pace), garble_(garble) {}

    // A paced line keeps 3.5 characters of silence at least and counts the
    // time the request's bytes take on a real line, which a pty delivers at
    // once.
    //
    // Returns true when the master sent while a paced reply was going out: on
    // a half-duplex line both collide, so the reply's CRC goes out garbled
    // and what the master sent is thrown away.
    bool send(const Frame &request, const std::vector<uint8_t> &pdu,
              std::chrono::microseconds turnaround, bool corruptCrc) override;

    void echo(const Frame &request) override { writeAll(request.bytes, request.length); }

private:
    void writeAll(const uint8_t *data, size_t length);
    int bytesWaiting() const;

    int fd_;
    bool pace_;
    bool garble_;
};
