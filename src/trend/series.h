#pragma once

#include "module/catalogue.h"
#include "module/codec.h"

namespace zt::trend {

// What a trend plots of the live block, per channel.
enum class Quantity { Temperature, Input, Output };
constexpr Quantity Quantities[] = {Quantity::Temperature, Quantity::Input, Quantity::Output};

struct Series {
    Quantity quantity = Quantity::Temperature;
    int channel = 0;

    bool operator==(const Series &other) const { return quantity == other.quantity && channel == other.channel; }
};

float valueOf(const LiveValues &values, Series series);

// Whether a module type measures the series at all, as its panels show it: a
// temperature only from thermocouples and resistance thermometers, nothing of
// an absent input, an output where the type has one. An unknown type (no
// module present) shows everything.
bool typeHas(const ModuleLayout &layout, Series series);

} // namespace zt::trend
