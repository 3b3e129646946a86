#include "serve.h"

#include "line.h"
#include "process.h"

#include <modbus/modbus.h>

#include <cerrno>
#include <poll.h>

namespace {

// Waits up to `ms` for the next request. False when the line has gone away
// (the far end of the pty closed) or a stop was requested.
bool waitForInput(int fd, int ms, bool &ready)
{
    pollfd p{fd, POLLIN, 0};
    const int n = ::poll(&p, 1, ms);
    ready = n > 0 && (p.revents & POLLIN);
    if (n > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
        return false;
    return !stopRequested();
}

// libmodbus hands over only the frames for its one server address. For
// another it returns 0 with the frame in the buffer all the same, read to
// the length its function gives, as here; the CRC is left to be checked.
// The length of that frame when it is sound, otherwise 0.
int otherServerFrameLength(const uint8_t *adu)
{
    const uint8_t function = adu[1];
    int length = 4;  // address, function, CRC
    if (function <= 0x06)
        length += 4;
    else if (function == 0x0F || function == 0x10)
        length += 5 + adu[6];
    else if (function == 0x16)
        length += 6;
    else if (function == 0x17)
        length += 9 + adu[10];
    if (length > MODBUS_RTU_MAX_ADU_LENGTH
        || crc16(adu, size_t(length - 2)) != (adu[length - 2] | adu[length - 1] << 8))
        return 0;
    return length;
}

}  // namespace

int serveSerial(const Options &options, Server &server)
{
    char parity = 'N';
    int stopBits = 1;
    parseFormat(options.format, parity, stopBits);  // 8N1 unless --format
    modbus_t *ctx = modbus_new_rtu(options.device.c_str(), 9600, parity, 8, stopBits);
    if (!ctx)
        return failWith("cannot use device " + options.device + ": " + modbus_strerror(errno));
    // Several modules, or a gateway that answers every address, take the
    // frames for every server: libmodbus is set to the broadcast address
    // and the others are picked up as frames for another server.
    const bool everyServer = !options.bus.empty() || options.gatewaySilent;
    modbus_set_slave(ctx, everyServer ? MODBUS_BROADCAST_ADDRESS : serverAddress(options));
    modbus_set_response_timeout(ctx, 0, 1000);  // see the other-server case below
    if (modbus_connect(ctx) == -1) {
        const int code = errno;
        modbus_free(ctx);
        return failWith("cannot open device " + options.device + ": " + modbus_strerror(code));
    }
    modbus_flush(ctx);
    announceReady();

    const int fd = modbus_get_socket(ctx);
    Line line(fd, options.pace, options.garble);
    uint8_t adu[MODBUS_RTU_MAX_ADU_LENGTH];
    uint8_t ignored[MODBUS_RTU_MAX_ADU_LENGTH];
    bool lineGone = false;

    while (!stopRequested()) {
        bool ready = false;
        if (!waitForInput(fd, 200, ready)) {
            lineGone = !stopRequested();
            break;
        }
        if (!ready)
            continue;
        // Frames with a bad CRC or cut short are dropped, and those for
        // other servers unless every server is served.
        int length = modbus_receive(ctx, adu);
        const Clock::time_point received = Clock::now();
        if (length == 0) {
            // After a request for another server libmodbus takes the next
            // frame for that server's reply. There is none on this line:
            // end that wait at once rather than swallow the next request.
            modbus_receive(ctx, ignored);
            length = everyServer ? otherServerFrameLength(adu) : 0;
        }
        if (length < 4)
            continue;
        const Frame frame{adu, size_t(length), adu[0], adu + 1, length - 3, received};
        server.handle(frame, line);
    }

    modbus_close(ctx);
    modbus_free(ctx);
    return lineGone ? failWith("the line has gone away") : 0;
}
