#pragma once

#include "module/catalogue.h"

// Which settings of a file a module type has. A type without a setting
// ignores what its register is given: such a setting is neither required of
// a file that is written to the module, nor judged, nor compared after the
// write.
namespace zt::settingsfile {

enum class Setting { Range, Wiring, FastConversion, Inversion, ColdJunction, Lower, Upper };

// FastConversion and ColdJunction are channel 0's: the module has one
// cold-junction switch for both channels and fast conversion on channel 0 only.
bool typeUses(const ModuleLayout &layout, Setting setting, int channel);

} // namespace zt::settingsfile
