#pragma once

#include "link.h"
#include "module.h"
#include "options.h"

#include <cstdint>
#include <utility>
#include <vector>

// One module on the line, with its server address and what the faults
// count for it.
struct BusModule {
    BusModule(uint8_t address, Module module) : address(address), module(std::move(module)) {}

    uint8_t address;
    Module module;
    long requests = 0;             // seen, for --fail-after
    long replies = 0;              // sent, for --corrupt-crc
    Clock::time_point deafUntil;  // rebooting until then
};

using Bus = std::vector<BusModule>;

// The modules of --bus, or the one of --type at its --address.
Bus makeBus(const Options &options);

// What a PLB module reports of the line it is on: its address (on a bus,
// or when --address is given) and the format of --format.
void reportLineSettings(Bus &bus, const Options &options);

BusModule *findOnBus(Bus &bus, uint8_t address);
