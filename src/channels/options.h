#pragma once

#include "module/registers.h"

// The words the channel options are written as.
namespace zt::options {

// Output inversion of both channels shares one register.
constexpr quint16 inversionWord(bool inverted0, bool inverted1)
{
    return quint16((inverted0 ? reg::inversionBit(0) : 0) | (inverted1 ? reg::inversionBit(1) : 0));
}

// Cold-junction compensation and fast conversion: 1 on, 0 off.
constexpr quint16 switchWord(bool on) { return on ? 1 : 0; }

} // namespace zt::options
