#include "commission/modulestate.h"

#include "channels/ranges.h"
#include "module/registers.h"

namespace zt::commission {

namespace {

using catalogue::InputKind;

int rangeRow(InputKind kind, quint16 code)
{
    switch (kind) {
    case InputKind::Thermocouple: return ranges::thermocoupleRowOfCode(code);
    case InputKind::Rtd: return ranges::rtdRowOfCode(code);
    case InputKind::P:
    case InputKind::Current:
    case InputKind::None: break;
    }
    return 0;
}

} // namespace

bool absorb(const QModbusDataUnit &unit, ModuleState *state)
{
    const QVector<quint16> r = unit.values();
    const auto mark = [state](bool decoded, int block) {
        if (decoded)
            state->blocks |= block;
        return decoded;
    };
    if (unit.registerType() == QModbusDataUnit::InputRegisters)
        return unit.startAddress() == reg::LiveBlock && mark(decodeLive(r, &state->live), ModuleState::Live);
    switch (unit.startAddress()) {
    case reg::IdentBlock: {
        const Identification id = decodeIdentification(r);
        const bool known = id.valid && catalogue::positionOfCode(id.moduleCode) > 0;
        if (known)
            state->id = id;
        return mark(known, ModuleState::Identification);
    }
    case reg::ConfigBlock: return mark(decodeConfig(r, &state->config), ModuleState::Config);
    case reg::OptionBlock: return mark(decodeOptions(r, &state->options), ModuleState::Options);
    case reg::LimitBlock: return mark(decodeLimits(r, &state->limits), ModuleState::Limits);
    case reg::Inversion: return mark(decodeInversion(r, &state->inversion), ModuleState::Inversion);
    }
    return false;
}

ModuleSettings settingsOf(const ModuleState &state)
{
    const InputKind kind = catalogue::inputKind(state.position());
    ModuleSettings s;
    s.Name = state.typeName();
    s.Range_CH0 = rangeRow(kind, state.config.range[0]);
    s.Range_CH1 = rangeRow(kind, state.config.range[1]);
    s.RTDConnect_CH0 = ranges::wiringRowOfCode(state.limits.wiring[0]);
    s.RTDConnect_CH1 = ranges::wiringRowOfCode(state.limits.wiring[1]);
    s.AIFast_CH0 = state.options.fastConversion0;
    s.INVout_CH0 = state.inversion.inverted[0];
    s.INVout_CH1 = state.inversion.inverted[1];
    s.TI_CH0 = s.TI_CH1 = state.options.coldJunction;
    s.MinValue_CH0 = state.limits.min[0];
    s.MaxValue_CH0 = state.limits.max[0];
    s.MinValue_CH1 = state.limits.min[1];
    s.MaxValue_CH1 = state.limits.max[1];
    return s;
}

} // namespace zt::commission
