#include "settings/settinguse.h"

#include <limits>

namespace zt::settingsfile {

bool typeUses(const ModuleLayout &l, Setting setting, int ch)
{
    const bool thermocouple = ch == 0 ? l.ch0TI : l.ch1TI;
    const bool rtd = ch == 0 ? l.ch0RTD : l.ch1RTD;
    switch (setting) {
    case Setting::Range:
    case Setting::Lower:
    case Setting::Upper: return thermocouple || rtd;
    case Setting::Wiring: return rtd;
    case Setting::FastConversion: return ch == 0 && l.ch0AI;
    case Setting::ColdJunction: return ch == 0 && l.ch0TI;
    case Setting::Inversion: return ch == 0 ? l.ch0Input : l.ch1Input || l.secondOutput;
    }
    return false;
}

} // namespace zt::settingsfile

namespace zt::settingsfile {

bool limitBounds(const ModuleLayout &l, int ch, int row, ranges::Bounds *bounds)
{
    if ((ch == 0 ? l.ch0TI : l.ch1TI)) {
        *bounds = ranges::thermocoupleBounds(row);
        return row >= 0 && row < ranges::ThermocoupleCount;
    }
    if ((ch == 0 ? l.ch0RTD : l.ch1RTD)) {
        *bounds = ranges::rtdBounds(row);
        return row >= 0 && row < ranges::RtdCount;
    }
    *bounds = {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
    return true;
}

} // namespace zt::settingsfile
