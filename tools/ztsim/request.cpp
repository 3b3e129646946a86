#include "request.h"

namespace {

uint16_t word(const uint8_t *bytes)
{
    return uint16_t(bytes[0] << 8 | bytes[1]);
}

}  // namespace

Request parseRequest(const uint8_t *pdu, int length)
{
    Request r;
    r.function = pdu[0];
    if (length < 5)
        return r;
    switch (r.function) {
    case 0x01: case 0x02: case 0x03: case 0x04:
        r.hasAddress = r.hasCount = true;
        r.address = word(pdu + 1);
        r.count = word(pdu + 3);
        break;
    case 0x05: case 0x06:
        r.hasAddress = r.isWrite = true;
        r.address = word(pdu + 1);
        r.values = {word(pdu + 3)};
        break;
    case 0x0F:
        r.hasAddress = r.hasCount = r.isWrite = true;
        r.address = word(pdu + 1);
        r.count = word(pdu + 3);
        break;
    case 0x10: {
        r.hasAddress = r.hasCount = r.isWrite = true;
        r.address = word(pdu + 1);
        r.count = word(pdu + 3);
        const int bytes = length >= 6 ? pdu[5] : 0;
        r.wellFormed = bytes == 2 * r.count && length == 6 + bytes;
        for (int i = 0; r.wellFormed && i < r.count; ++i)
            r.values.push_back(word(pdu + 6 + 2 * i));
        break;
    }
    }
    return r;
}
