#pragma once

#include "bus.h"
#include "jsonlog.h"
#include "link.h"
#include "options.h"
#include "statefile.h"

#include <cstdint>
#include <vector>

// Answers the requests addressed to the modules on the line, each by its
// own registers, with the faults the options ask for, and records each one
// in the log.
class Server {
public:
    Server(Bus &bus, const Options &options, JsonLog &log, const StateFile &state)
        : bus_(bus), options_(options), log_(log), state_(state), started_(Clock::now()) {}

    // Handles one received frame (its CRC already checked) and sends the
    // reply, if any, on `link`.
    void handle(const Frame &frame, Link &link);

private:
    // A gateway that waited in vain for the module answers for it.
    void answerAsGateway(const Frame &frame, Link &link, double now);
    std::vector<uint8_t> answer(Module &module, const Request &request, double now, bool &wrote);
    std::vector<uint8_t> read(const Module &module, const Request &request, double now) const;
    std::vector<uint8_t> write(Module &module, const Request &request, double now, bool &wrote);
    bool silentNow(BusModule &node) const;
    static bool touches(const Request &request, const std::vector<uint16_t> &addresses);
    uint8_t injectedException(const Request &request, const std::vector<InjectedException> &faults) const;

    Bus &bus_;
    const Options &options_;
    JsonLog &log_;
    const StateFile &state_;
    const Clock::time_point started_;  // log times and live values count from here
};
