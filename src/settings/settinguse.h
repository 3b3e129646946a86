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

// The same for a settings file's key ("CHANAL1/MINVALUE"); the type name
// ("MODUL/Name") always counts, a key the program does not know never.
bool typeUsesKey(const ModuleLayout &layout, const QString &fileKey);

} // namespace zt::settingsfile

#include "channels/ranges.h"

namespace zt::settingsfile {

// The bounds a channel's conversion limits are judged against: those of the
// range row the channel's list holds where the type has the limits; the
// 16 bits of the register where it does not (they are still written).
// False when the type has the limits and `rangeRow` is outside its list.
bool limitBounds(const ModuleLayout &layout, int channel, int rangeRow, ranges::Bounds *bounds);

} // namespace zt::settingsfile
