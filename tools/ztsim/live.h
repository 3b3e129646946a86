#pragma once

#include "module.h"

#include <cstdint>

struct ChannelValues {
    float input = 0;         // мВ, Ом or мА, by input kind
    float temperature = 0;   // °C
    float output = 0;        // мА
    float coldJunction = 0;  // °C
};

struct LiveValues {
    ChannelValues channel[2];
};

// What the module measures `seconds` after the simulator started. The same
// time gives the same values.
LiveValues liveValues(const Module &module, double seconds);

// The live block of input registers 0x0000..0x000F.
void encodeLive(const LiveValues &values, uint16_t *registers);
