#include "settings/settinguse.h"

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
