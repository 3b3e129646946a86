// ztsim: one simulated ZT/PLB converter module on a serial line or behind
// a Modbus TCP gateway.

#include "jsonlog.h"
#include "module.h"
#include "options.h"
#include "process.h"
#include "registermap.h"
#include "serve.h"
#include "server.h"
#include "statefile.h"

#include <cstdio>

namespace {

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
    if (module.type().isPlb()) {
        if (options.address)
            module.restore(reg::PlbAddress, uint16_t(options.address));
        if (parseFormat(options.format, parity, stopBits))
            module.restore(reg::PlbFormat, plbFormatCode(parity, stopBits));
    }

    installStopHandlers();
    Server server(module, options, log, state);
    const int status = options.tcpPort ? serveTcp(options, server) : serveSerial(options, server);
    if (!state.save(module, error))
        std::fprintf(stderr, "ztsim: %s\n", error.c_str());
    return status;
}
