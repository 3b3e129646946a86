#include "live.h"

#include "float32.h"
#include "sensors.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

double wave(double seconds, double period, int channel)
{
    return std::sin(2 * kPi * seconds / period + 1.3 * channel);
}

// Noise in -0.5..0.5, constant over each 100 ms so that a value captured by
// a command equals the one read just before.
double noise(double seconds, int channel)
{
    uint32_t x = (uint32_t(int64_t(seconds * 10)) * 2654435761u) ^ (uint32_t(channel + 1) * 40503u);
    x ^= x >> 15;
    x *= 2246822519u;
    x ^= x >> 13;
    return double(x & 0xFFFF) / 0xFFFF - 0.5;
}

double fraction(double value, double lower, double upper)
{
    if (upper == lower)
        return 0;
    return std::clamp((value - lower) / (upper - lower), 0.0, 1.0);
}

// A process temperature drifting slowly about `base`, kept inside the
// sensor's range.
double processTemperature(const Module &module, int channel, double base, double seconds)
{
    int lower, upper;
    if (module.rangeBounds(channel, lower, upper))
        base = std::clamp(base, lower + 10.0, upper - 10.0);
    return base + 3 * wave(seconds, 120, channel) + 0.1 * noise(seconds, channel);
}

// Measures one input; returns the fraction of the output span.
double measure(const Module &module, int ch, double t, ChannelValues &values)
{
    switch (module.type().kind) {
    case InputKind::Thermocouple: {
        values.coldJunction = float(22.5 + 1.5 * wave(t, 600, ch) + 0.05 * noise(t, ch + 2));
        const double temperature = processTemperature(module, ch, ch == 0 ? 350 : 420, t);
        const Thermocouple *tc = thermocouple(module.rangeCode(ch));
        const double slope = tc ? tc->mvPerDegree : 0.04;
        values.input = float(slope * (temperature - values.coldJunction));
        // Without compensation the module reads the EMF as if the cold
        // junction were at 0 °C.
        values.temperature = float(module.coldJunctionCompensated()
                                       ? temperature
                                       : temperature - values.coldJunction);
        return fraction(values.temperature, module.lowerLimit(ch), module.upperLimit(ch));
    }
    case InputKind::Rtd: {
        const double temperature = processTemperature(module, ch, ch == 0 ? 45 : 60, t);
        RtdSensor rtd{0, 0, 100, 0.00385};
        rtdSensor(module.rangeCode(ch), rtd);
        values.input = float(rtd.nominal * (1 + rtd.alpha * temperature));
        values.temperature = float(temperature);
        return fraction(temperature, module.lowerLimit(ch), module.upperLimit(ch));
    }
    case InputKind::P: {
        const double resistance = (ch == 0 ? 400 : 600) + 150 * wave(t, 90, ch) + 0.2 * noise(t, ch);
        values.input = float(resistance);
        return fraction(resistance, module.pLower(ch), module.pUpper(ch));
    }
    case InputKind::Current: {
        const double current = 12 + 5 * wave(t, 60, ch) + 0.01 * noise(t, ch);
        values.input = float(current);
        return fraction(current, 4, 20);
    }
    }
    return 0;
}

}  // namespace

LiveValues liveValues(const Module &module, double seconds)
{
    const ModuleType &type = module.type();
    LiveValues live;
    double span[2] = {0, 0};
    for (int ch = 0; ch < type.inputs; ++ch)
        span[ch] = measure(module, ch, seconds, live.channel[ch]);
    // The second output of a one-input module repeats the first.
    if (type.inputs == 1)
        span[1] = span[0];
    for (int ch = 0; ch < type.outputs; ++ch) {
        const bool inverted = module.inversion() & (1u << ch);
        live.channel[ch].output = float(inverted ? 20 - 16 * span[ch] : 4 + 16 * span[ch]);
    }
    return live;
}

void encodeLive(const LiveValues &values, uint16_t *registers)
{
    for (int ch = 0; ch < 2; ++ch) {
        const ChannelValues &c = values.channel[ch];
        putFloat(registers + 6 * ch + 0, c.input);
        putFloat(registers + 6 * ch + 2, c.temperature);
        putFloat(registers + 6 * ch + 4, c.output);
        putFloat(registers + 12 + 2 * ch, c.coldJunction);
    }
}

void forceLive(const std::vector<std::optional<float>> &forced, uint16_t *registers)
{
    for (size_t i = 0; i < forced.size(); ++i)
        if (forced[i])
            putFloat(registers + 2 * i, *forced[i]);
}
