#pragma once

#include <cstdint>

// The sensors a channel can be set to, with the temperature bounds the
// module accepts for conversion limits.
struct Thermocouple {
    int lower;           // °C
    int upper;           // °C
    double mvPerDegree;  // mean slope of the EMF over the working range
};

struct RtdSensor {
    int lower;       // °C
    int upper;       // °C
    double nominal;  // Ω at 0 °C
    double alpha;    // 1/°C
};

// Look a range code up: nullptr, or false, when it names no sensor of that
// kind.
const Thermocouple *thermocouple(uint16_t code);
bool rtdSensor(uint16_t code, RtdSensor &sensor);
