#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Input kind as the module reports it in the low byte of its type register.
enum class InputKind : uint8_t {
    Current = 0x03,
    Thermocouple = 0x07,
    Rtd = 0x08,
    P = 0x15,
};

struct ModuleType {
    const char *name;
    uint16_t family;  // 7 for ZT, 3 for PLB
    int inputs;       // 1 or 2
    InputKind kind;
    int outputs;      // 1 or 2

    bool isPlb() const { return family == 3; }
    bool hasInput(int channel) const { return channel < inputs; }
};

const std::vector<ModuleType> &moduleTypes();
const ModuleType *findModuleType(const std::string &name);
