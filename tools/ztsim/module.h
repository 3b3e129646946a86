#pragma once

#include "moduletypes.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

enum class Table { Holding, Input };
enum class WriteStatus { Accepted, IllegalAddress, IllegalValue };

// The register image of one module: identification, configuration and the
// rules by which it accepts or refuses a write.
class Module {
public:
    // outputMarker: the identification's marker register, if not the type's (-1).
    Module(const ModuleType &type, const std::string &firmwareDate, long outputMarker = -1);

    const ModuleType &type() const { return *type_; }

    static bool readable(Table table, uint16_t first, uint16_t count);
    uint16_t holding(uint16_t address) const;

    // Applies a write the module accepts. `now` is the time the live values
    // are taken at, for the commands that capture a measured resistance.
    WriteStatus write(uint16_t address, uint16_t value, double now);
    void factoryReset();

    // The configuration that survives a reboot and, through the state file,
    // a restart of the simulator.
    static const std::vector<uint16_t> &persistentRegisters();
    void restore(uint16_t address, uint16_t value);

    uint16_t rangeCode(int channel) const;
    int16_t lowerLimit(int channel) const;
    int16_t upperLimit(int channel) const;
    float pLower(int channel) const;
    float pUpper(int channel) const;
    bool coldJunctionCompensated() const;
    uint16_t inversion() const;

    // Temperature bounds of the channel's present range; false for the
    // input kinds that have no range.
    bool rangeBounds(int channel, int &lower, int &upper) const;

private:
    WriteStatus check(uint16_t address, uint16_t value) const;
    bool rangeAccepted(uint16_t code) const;
    bool limitAccepted(int channel, int16_t value) const;
    void captureResistance(int channel, uint16_t limitAddress, double now);
    float floatAt(uint16_t address) const;
    void setFloat(uint16_t address, float value);

    const ModuleType *type_;
    std::string firmwareDate_;
    long outputMarker_;
    std::map<uint16_t, uint16_t> registers_;
};
