// ztsim: one simulated ZT/PLB converter module on a serial line.

#include "jsonlog.h"
#include "line.h"
#include "module.h"
#include "options.h"
#include "registermap.h"
#include "server.h"
#include "statefile.h"

#include <modbus/modbus.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

void installSignalHandlers()
{
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int failWith(const std::string &message)
{
    std::fprintf(stderr, "ztsim: %s\n", message.c_str());
    return 1;
}

// Waits up to `ms` for the next request. False when the line has gone away
// (the far end of the pty closed) or a stop was requested.
bool waitForInput(int fd, int ms, bool &ready)
{
    pollfd p{fd, POLLIN, 0};
    const int n = ::poll(&p, 1, ms);
    ready = n > 0 && (p.revents & POLLIN);
    if (n > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL)))
        return false;
    return !stopRequested;
}

// A rebooting module hears nothing; what arrived meanwhile is thrown away.
// False when the line went away or a stop was requested meanwhile.
bool rebootSilence(modbus_t *ctx)
{
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(1500);
    while (Clock::now() < end) {
        pollfd p{modbus_get_socket(ctx), 0, 0};
        if (stopRequested
            || (::poll(&p, 1, 50) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL))))
            return false;
    }
    modbus_flush(ctx);
    return true;
}

// Parity (0 none, 1 odd, 2 even) in the high byte, stop bits in the low one.
uint16_t plbFormatCode(char parity, int stopBits)
{
    return uint16_t((parity == 'O' ? 1 : parity == 'E' ? 2 : 0) << 8 | stopBits);
}

}  // namespace

int main(int argc, char **argv)
{
    Options options;
    std::string error;
    switch (parseOptions(argc, argv, options, error)) {
    case ParseResult::Help:
        std::fputs(helpText().c_str(), stdout);
        return 0;
    case ParseResult::Error:
        std::fprintf(stderr, "ztsim: %s\nTry 'ztsim --help'.\n", error.c_str());
        return 2;
    case ParseResult::Run:
        break;
    }

    Module module(*findModuleType(options.type), options.firmware);
    const StateFile state(options.stateFile);
    if (!state.load(module, error))
        return failWith(error);
    JsonLog log;
    if (!log.open(options.logFile, error))
        return failWith(error);

    char parity = 'N';
    int stopBits = 1;
    parseFormat(options.format, parity, stopBits);  // 8N1 unless --format
    if (module.type().isPlb()) {
        if (options.address)
            module.restore(reg::PlbAddress, uint16_t(options.address));
        if (!options.format.empty())
            module.restore(reg::PlbFormat, plbFormatCode(parity, stopBits));
    }

    modbus_t *ctx = modbus_new_rtu(options.device.c_str(), 9600, parity, 8, stopBits);
    if (!ctx)
        return failWith("cannot use device " + options.device + ": " + modbus_strerror(errno));
    modbus_set_slave(ctx, serverAddress(options));
    modbus_set_response_timeout(ctx, 0, 1000);  // see the other-server case below
    if (modbus_connect(ctx) == -1) {
        const int code = errno;
        modbus_free(ctx);
        return failWith("cannot open device " + options.device + ": " + modbus_strerror(code));
    }
    modbus_flush(ctx);
    installSignalHandlers();
    std::puts("ztsim: ready");
    std::fflush(stdout);

    const int fd = modbus_get_socket(ctx);
    const Clock::time_point started = Clock::now();
    Line line(fd, options.pace, options.garble);
    Server server(module, options, line, log, state);
    uint8_t adu[MODBUS_RTU_MAX_ADU_LENGTH];
    bool lineGone = false;

    while (!stopRequested) {
        bool ready = false;
        if (!waitForInput(fd, 200, ready)) {
            lineGone = !stopRequested;
            break;
        }
        if (!ready)
            continue;
        // Frames with a bad CRC, for other servers or cut short are dropped.
        const int length = modbus_receive(ctx, adu);
        if (length == 0) {
            // After a request for another server libmodbus takes the next
            // frame for that server's reply. There is none on this line:
            // end that wait at once rather than swallow the next request.
            modbus_receive(ctx, adu);
            continue;
        }
        if (length < 0)
            continue;
        const Clock::time_point received = Clock::now();
        const double now = std::chrono::duration<double>(received - started).count();
        if (server.handle(adu, length, now, received) && !rebootSilence(ctx)) {
            lineGone = !stopRequested;
            break;
        }
    }

    if (!state.save(module, error))
        std::fprintf(stderr, "ztsim: %s\n", error.c_str());
    modbus_close(ctx);
    modbus_free(ctx);
    if (lineGone)
        return failWith("the line has gone away");
    return 0;
}
