#include "moduletypes.h"

const std::vector<ModuleType> &moduleTypes()
{
    static const std::vector<ModuleType> types = {
        {"ZT-1TI-1AO", 7, 1, InputKind::Thermocouple, 1},
        {"ZT-1TI-2AO", 7, 1, InputKind::Thermocouple, 2},
        {"ZT-2TI-2AO", 7, 2, InputKind::Thermocouple, 2},
        {"ZT-1RTD-1AO", 7, 1, InputKind::Rtd, 1},
        {"ZT-1RTD-2AO", 7, 1, InputKind::Rtd, 2},
        {"ZT-2RTD-2AO", 7, 2, InputKind::Rtd, 2},
        {"ZT-1P-1AO", 7, 1, InputKind::P, 1},
        {"ZT-1P-2AO", 7, 1, InputKind::P, 2},
        {"ZT-2P-2AO", 7, 2, InputKind::P, 2},
        {"ZT-1AI-2AO", 7, 1, InputKind::Current, 2},
        {"PLB-2TI-4-20-M", 3, 2, InputKind::Thermocouple, 2},
        {"PLB-2RTD-4-20-M", 3, 2, InputKind::Rtd, 2},
    };
    return types;
}

const ModuleType *findModuleType(const std::string &name)
{
    for (const ModuleType &type : moduleTypes())
        if (name == type.name)
            return &type;
    return nullptr;
}
