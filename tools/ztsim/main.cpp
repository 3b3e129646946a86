// ztsim: simulated ZT/PLB converter modules on a serial line or behind a
// Modbus TCP gateway.

#include "bus.h"
#include "jsonlog.h"
#include "options.h"
#include "process.h"
#include "serve.h"
#include "server.h"
#include "statefile.h"

#include <cstdio>

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

    Bus bus = makeBus(options);
    const StateFile state(options.stateFile, !options.bus.empty());
    if (!state.load(bus, error))
        return failWith(error);
    reportLineSettings(bus, options);
    JsonLog log;
    if (!log.open(options.logFile, error))
        return failWith(error);

    installStopHandlers();
    Server server(bus, options, log, state);
    const int status = options.tcpPort ? serveTcp(options, server) : serveSerial(options, server);
    if (!state.save(bus, error))
        std::fprintf(stderr, "ztsim: %s\n", error.c_str());
    return status;
}
