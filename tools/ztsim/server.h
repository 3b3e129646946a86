#pragma once

#include "jsonlog.h"
#include "line.h"
#include "module.h"
#include "options.h"
#include "statefile.h"

#include <cstdint>
#include <vector>

// Answers the requests addressed to the module, with the faults the options
// ask for, and records each one in the log.
class Server {
public:
    Server(Module &module, const Options &options, Line &line, JsonLog &log, const StateFile &state)
        : module_(module), options_(options), line_(line), log_(log), state_(state),
          address_(uint8_t(serverAddress(options))) {}

    // Handles one received frame (server address, PDU, CRC already checked).
    // Returns true when the request was an accepted reboot command.
    bool handle(const uint8_t *adu, int length, double now, Clock::time_point received);

private:
    std::vector<uint8_t> answer(const Request &request, double now, bool &wrote);
    std::vector<uint8_t> read(const Request &request, double now) const;
    std::vector<uint8_t> write(const Request &request, double now, bool &wrote);
    bool silentNow();
    static bool touches(const Request &request, const std::vector<uint16_t> &addresses);
    uint8_t injectedException(const Request &request, const std::vector<InjectedException> &faults) const;

    Module &module_;
    const Options &options_;
    Line &line_;
    JsonLog &log_;
    const StateFile &state_;
    const uint8_t address_;
    long requests_ = 0;
    long replies_ = 0;
};
