#pragma once

#include <cstdint>
#include <vector>

// A Modbus request as the module sees it: function, register range and the
// values of a write.
struct Request {
    uint8_t function = 0;
    bool hasAddress = false;
    uint16_t address = 0;
    bool hasCount = false;  // reads and multiple writes
    uint16_t count = 0;
    bool isWrite = false;
    std::vector<uint16_t> values;
    bool wellFormed = true;  // byte count agrees with register count

    // Registers the request touches, from address on.
    unsigned span() const { return hasCount ? count : 1; }
};

// `pdu` starts at the function code; `length` excludes the CRC.
Request parseRequest(const uint8_t *pdu, int length);
