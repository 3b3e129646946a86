#pragma once

#include "module.h"

#include <cstdint>
#include <optional>
#include <vector>

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

// Puts the forced floats over the block, the Nth at registers 2N and 2N+1;
// an empty entry keeps the measured value.
void forceLive(const std::vector<std::optional<float>> &forced, uint16_t *registers);
