#pragma once

#include <cstdint>
#include <cstring>

// The module keeps a float32 in two registers, the low 16 bits at the lower
// address.
inline void putFloat(uint16_t *words, float value)
{
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    words[0] = uint16_t(bits & 0xFFFF);
    words[1] = uint16_t(bits >> 16);
}

inline float getFloat(const uint16_t *words)
{
    const uint32_t bits = uint32_t(words[1]) << 16 | words[0];
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
