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

bool typeUsesKey(const ModuleLayout &l, const QString &fileKey)
{
    if (fileKey == QLatin1String("MODUL/Name"))
        return true;
    static const struct { const char *key; Setting setting; } keys[] = {
        {"RANGE", Setting::Range}, {"RTDConnect", Setting::Wiring}, {"AIFAST", Setting::FastConversion},
        {"INVout", Setting::Inversion}, {"TI", Setting::ColdJunction}, {"MINVALUE", Setting::Lower},
        {"MAXVALUE", Setting::Upper},
    };
    for (int ch = 0; ch < 2; ++ch)
        for (const auto &k : keys)
            if (fileKey == QStringLiteral("CHANAL%1/%2").arg(ch).arg(QLatin1String(k.key)))
                return typeUses(l, k.setting, ch);
    return false;
}

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
