#pragma once

#include "module/catalogue.h"
#include "module/codec.h"
#include "settings/modulesettings.h"

#include <QModbusDataUnit>

// What one reading of a module found: identification, the configuration,
// option, limit and inversion blocks, and one set of live values, decoded
// but not interpreted.
namespace zt::commission {

struct ModuleState {
    enum Block {
        Identification = 0x01,
        Config = 0x02,
        Options = 0x04,
        Limits = 0x08,
        Inversion = 0x10,
        Live = 0x20,
        Configuration = Config | Options | Limits | Inversion,  // what a settings file holds
    };
    int blocks = 0;  // the blocks decoded so far

    zt::Identification id;
    ConfigValues config;
    OptionValues options;
    LimitValues limits;
    InversionValues inversion;
    LiveValues live;

    bool has(int wanted) const { return (blocks & wanted) == wanted; }
    int position() const { return catalogue::positionOfCode(id.moduleCode); }  // -1: unknown type
    QString typeName() const { return catalogue::name(position()); }
};

// Decodes a block read from the module into `state`, by its start address.
// False for a block that is too short or not one of the module's, and for an
// identification that is not a supported module.
bool absorb(const QModbusDataUnit &unit, ModuleState *state);

// The configuration as the window's "Сохранить" puts it into a settings file:
// ranges as rows of the type's list (-1 for a code outside it, 0 for types
// without a range), wiring as the row of the wiring list, the one cold-junction
// switch in both channels.
ModuleSettings settingsOf(const ModuleState &state);

} // namespace zt::commission
