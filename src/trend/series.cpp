#include "series.h"

#include <cmath>

namespace zt::trend {

float valueOf(const LiveValues &values, Series series)
{
    switch (series.quantity) {
    case Quantity::Temperature:
        return values.temperature[series.channel];
    case Quantity::Input:
        return values.input[series.channel];
    case Quantity::Output:
        return values.output[series.channel];
    }
    return std::nanf("");
}

bool typeHas(const ModuleLayout &layout, Series series)
{
    if (!layout.modulePresent)
        return true;
    const bool ch0 = series.channel == 0;
    const bool input = ch0 ? layout.ch0Input : layout.ch1Input;
    switch (series.quantity) {
    case Quantity::Temperature:
        return ch0 ? layout.ch0TI || layout.ch0RTD : layout.ch1TI || layout.ch1RTD;
    case Quantity::Input:
        return input;
    case Quantity::Output:
        return input || (!ch0 && layout.secondOutput);
    }
    return false;
}

} // namespace zt::trend
