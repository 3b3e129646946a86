#pragma once

#include "jsonlog.h"
#include "link.h"
#include "module.h"
#include "options.h"
#include "statefile.h"

#include <cstdint>
#include <vector>

// Answers the requests addressed to the module, with the faults the options
// ask for, and records each one in the log.
class Server {
public:
    Server(Module &module, const Options &options, JsonLog &log, const StateFile &state)
        : module_(module), options_(options), log_(log), state_(state),
          address_(uint8_t(serverAddress(options))), started_(Clock::now()) {}

    // Handles one received frame (its CRC already checked) and sends the
    // reply, if any, on `link`.
    void handle(const Frame &frame, Link &link);

private:
    // A gateway that waited in vain for the module answers for it.
    void answerAsGateway(const Frame &frame, Link &link, double now);
    std::vector<uint8_t> answer(const Request &request, double now, bool &wrote);
    std::vector<uint8_t> read(const Request &request, double now) const;
    std::vector<uint8_t> write(const Request &request, double now, bool &wrote);
    bool silentNow();
    static bool touches(const Request &request, const std::vector<uint16_t> &addresses);
    uint8_t injectedException(const Request &request, const std::vector<InjectedException> &faults) const;

    Module &module_;
    const Options &options_;
    JsonLog &log_;
    const StateFile &state_;
    const uint8_t address_;
    const Clock::time_point started_;  // log times and live values count from here
    Clock::time_point deafUntil_;      // a rebooting module hears nothing until then
    long requests_ = 0;
    long replies_ = 0;
};
