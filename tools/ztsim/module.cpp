#include "module.h"

#include "float32.h"
#include "live.h"
#include "registermap.h"
#include "sensors.h"

namespace {

struct Block {
    uint16_t first;
    uint16_t count;
};

const std::vector<Block> &blocks(Table table)
{
    static const std::vector<Block> holding = {
        {0x2000, 15}, {0x2400, 56}, {0x2470, 5}, {0x24E0, 10}, {0x2520, 1}};
    static const std::vector<Block> input = {{0x0000, reg::LiveCount}};
    return table == Table::Holding ? holding : input;
}

bool inBlock(Table table, unsigned address)
{
    for (const Block &block : blocks(table))
        if (address >= block.first && address < unsigned(block.first) + block.count)
            return true;
    return false;
}

WriteStatus accept(bool valid)
{
    return valid ? WriteStatus::Accepted : WriteStatus::IllegalValue;
}

bool isOneOf(uint16_t address, const uint16_t (&pair)[2])
{
    return address == pair[0] || address == pair[1];
}

}  // namespace

Module::Module(const ModuleType &type, const std::string &firmwareDate, long outputMarker)
    : type_(&type), firmwareDate_(firmwareDate), outputMarker_(outputMarker)
{
    factoryReset();
}

bool Module::readable(Table table, uint16_t first, uint16_t count)
{
    for (unsigned address = first; address < unsigned(first) + count; ++address)
        if (!inBlock(table, address))
            return false;
    return true;
}

uint16_t Module::holding(uint16_t address) const
{
    const auto it = registers_.find(address);
    return it == registers_.end() ? 0 : it->second;
}

void Module::factoryReset()
{
    registers_.clear();
    registers_[reg::Signature] = 2021;
    registers_[reg::Family] = type_->family;
    registers_[reg::ReportedType] = uint16_t(type_->inputs << 8 | uint16_t(type_->kind));
    registers_[reg::OutputMarker] = outputMarker_ >= 0 ? uint16_t(outputMarker_) : type_->outputs == 2 ? 0x0204 : 0;
    // "dd.MM.yy", two characters per register, the first in the high byte.
    for (int i = 0; i < 4; ++i)
        registers_[reg::FirmwareDate + i] =
            uint16_t(uint8_t(firmwareDate_[2 * i]) << 8 | uint8_t(firmwareDate_[2 * i + 1]));
    if (type_->isPlb()) {
        registers_[reg::PlbAddress] = 1;
        registers_[reg::PlbSpeed] = 0x0206;  // 9600
        registers_[reg::PlbFormat] = 0x0001; // 8N1
    }

    for (int ch = 0; ch < 2; ++ch) {
        registers_[reg::Wiring[ch]] = 3;
        switch (type_->kind) {
        case InputKind::Thermocouple:
            registers_[reg::Range[ch]] = 1;  // K
            registers_[reg::Lower[ch]] = 0;
            registers_[reg::Upper[ch]] = 1000;
            break;
        case InputKind::Rtd:
            registers_[reg::Range[ch]] = 0x20;  // Pt100
            registers_[reg::Lower[ch]] = uint16_t(-50);
            registers_[reg::Upper[ch]] = 150;
            break;
        case InputKind::P:
            registers_[reg::Upper[ch]] = 100;
            setFloat(reg::PLower[ch], 0.0f);
            setFloat(reg::PUpper[ch], 1000.0f);
            break;
        case InputKind::Current:
            registers_[reg::Upper[ch]] = 100;
            break;
        }
    }
    registers_[reg::ColdJunction] = type_->kind == InputKind::Thermocouple ? 1 : 0;
}

WriteStatus Module::write(uint16_t address, uint16_t value, double now)
{
    const WriteStatus status = check(address, value);
    if (status != WriteStatus::Accepted)
        return status;

    if (address == reg::FactoryReset) {
        factoryReset();
        return status;
    }
    for (int ch = 0; ch < 2; ++ch) {
        if (address == reg::SetPLower[ch])
            captureResistance(ch, reg::PLower[ch], now);
        if (address == reg::SetPUpper[ch])
            captureResistance(ch, reg::PUpper[ch], now);
        if (address == reg::SetPLower[ch] || address == reg::SetPUpper[ch]
            || address == reg::OffsetCalibration[ch] || address == reg::GainCalibration[ch])
            return status;
    }
    if (address != reg::Reboot)
        registers_[address] = value;
    return status;
}

WriteStatus Module::check(uint16_t address, uint16_t value) const
{
    switch (address) {
    case reg::PlbAddress:
        return accept(value >= 1 && value <= 247);
    case reg::PlbSpeed:
        return accept(value >= 0x0204 && value <= 0x020A);
    case reg::PlbFormat:
        return accept(value == 0x0001 || value == 0x0002 || value == 0x0101 || value == 0x0201);
    case reg::Reboot:
        return accept(value == reg::RebootKey);
    case reg::FactoryReset:
        return accept(value == reg::FactoryResetKey);
    case reg::ColdJunction:
    case reg::FastConversion:
        return accept(value <= 1);
    case reg::Inversion:
        return accept(value <= 3);
    }
    for (int ch = 0; ch < 2; ++ch) {
        if (address == reg::Range[ch])
            return accept(rangeAccepted(value));
        if (address == reg::Lower[ch] || address == reg::Upper[ch])
            return accept(limitAccepted(ch, int16_t(value)));
    }
    if (isOneOf(address, reg::Wiring))
        return accept(value >= 2 && value <= 4);
    if (isOneOf(address, reg::SetPLower) || isOneOf(address, reg::SetPUpper)
        || isOneOf(address, reg::OffsetCalibration) || isOneOf(address, reg::GainCalibration))
        return accept(value == 0);
    return WriteStatus::IllegalAddress;
}

bool Module::rangeAccepted(uint16_t code) const
{
    RtdSensor rtd;
    switch (type_->kind) {
    case InputKind::Thermocouple:
        return thermocouple(code) != nullptr;
    case InputKind::Rtd:
        return rtdSensor(code, rtd);
    case InputKind::P:
    case InputKind::Current:
        break;
    }
    return true;  // these inputs have no range: the register is unused
}

bool Module::rangeBounds(int channel, int &lower, int &upper) const
{
    const uint16_t code = rangeCode(channel);
    if (type_->kind == InputKind::Thermocouple) {
        if (const Thermocouple *tc = thermocouple(code)) {
            lower = tc->lower;
            upper = tc->upper;
            return true;
        }
    } else if (type_->kind == InputKind::Rtd) {
        RtdSensor rtd;
        if (rtdSensor(code, rtd)) {
            lower = rtd.lower;
            upper = rtd.upper;
            return true;
        }
    }
    return false;
}

bool Module::limitAccepted(int channel, int16_t value) const
{
    int lower, upper;
    if (!rangeBounds(channel, lower, upper))
        return true;  // P and current inputs do not use temperature limits
    return value >= lower && value <= upper;
}

void Module::captureResistance(int channel, uint16_t limitAddress, double now)
{
    if (type_->kind == InputKind::P && type_->hasInput(channel))
        setFloat(limitAddress, liveValues(*this, now).channel[channel].input);
}

const std::vector<uint16_t> &Module::persistentRegisters()
{
    static const std::vector<uint16_t> addresses = {
        reg::PlbAddress, reg::PlbSpeed, reg::PlbFormat,
        reg::Range[0], reg::Range[1],
        reg::PLower[0], uint16_t(reg::PLower[0] + 1), reg::PUpper[0], uint16_t(reg::PUpper[0] + 1),
        reg::PLower[1], uint16_t(reg::PLower[1] + 1), reg::PUpper[1], uint16_t(reg::PUpper[1] + 1),
        reg::ColdJunction, reg::FastConversion,
        reg::Lower[0], reg::Upper[0], reg::Wiring[0],
        reg::Lower[1], reg::Upper[1], reg::Wiring[1],
        reg::Inversion,
    };
    return addresses;
}

void Module::restore(uint16_t address, uint16_t value)
{
    registers_[address] = value;
}

uint16_t Module::rangeCode(int channel) const { return holding(reg::Range[channel]); }
int16_t Module::lowerLimit(int channel) const { return int16_t(holding(reg::Lower[channel])); }
int16_t Module::upperLimit(int channel) const { return int16_t(holding(reg::Upper[channel])); }
float Module::pLower(int channel) const { return floatAt(reg::PLower[channel]); }
float Module::pUpper(int channel) const { return floatAt(reg::PUpper[channel]); }
bool Module::coldJunctionCompensated() const { return holding(reg::ColdJunction) != 0; }
uint16_t Module::inversion() const { return holding(reg::Inversion); }

float Module::floatAt(uint16_t address) const
{
    const uint16_t words[2] = {holding(address), holding(uint16_t(address + 1))};
    return getFloat(words);
}

void Module::setFloat(uint16_t address, float value)
{
    uint16_t words[2];
    putFloat(words, value);
    registers_[address] = words[0];
    registers_[uint16_t(address + 1)] = words[1];
}
