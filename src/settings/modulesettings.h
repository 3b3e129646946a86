#pragma once

#include "i18n/uitext.h"

#include <QString>

// One module configuration as a settings file (.ztset) holds it: the type
// name, and per channel the indexes and values as the form shows them (list
// positions and whole numbers, not register codes).
namespace zt {

struct ModuleSettings {
    QString Name;
    int Range_CH0 = 0;
    int Range_CH1 = 0;
    bool TI_CH0 = false;
    bool TI_CH1 = false;
    bool AIFast_CH0 = false;
    int MinValue_CH0 = 0;
    int MaxValue_CH0 = 0;
    int RTDConnect_CH0 = 0;
    int MinValue_CH1 = 0;
    int MaxValue_CH1 = 0;
    int RTDConnect_CH1 = 0;
    bool INVout_CH0 = false;
    bool INVout_CH1 = false;

    int range(int ch) const { return ch == 0 ? Range_CH0 : Range_CH1; }
    int wiring(int ch) const { return ch == 0 ? RTDConnect_CH0 : RTDConnect_CH1; }
    int minValue(int ch) const { return ch == 0 ? MinValue_CH0 : MinValue_CH1; }
    int maxValue(int ch) const { return ch == 0 ? MaxValue_CH0 : MaxValue_CH1; }
    bool inverted(int ch) const { return ch == 0 ? INVout_CH0 : INVout_CH1; }
    bool coldJunction(int ch) const { return ch == 0 ? TI_CH0 : TI_CH1; }

    bool operator==(const ModuleSettings &o) const;
    bool operator!=(const ModuleSettings &o) const { return !(*this == o); }
};

namespace settingsfile {

inline constexpr char Context[] = "zt::settingsfile";
constexpr UiText<Context> DialogCaption{QT_TRANSLATE_NOOP("zt::settingsfile", "Настройки")};
constexpr auto DialogFilter = "ZT settings (*.ztset);";

enum class Status {
    Ok,
    NotFound,     // no path, or no file there: the defaults
    AccessError,  // the file cannot be read or written
    FormatError,  // the file is there but is no INI text
};

// Reads the fourteen keys; a missing key gives its default. Any status but
// Ok leaves `out` at the defaults of every key.
Status load(const QString &path, ModuleSettings *out);

// Writes the fourteen keys; keys the program does not know stay in the file.
// The file is replaced only once it is complete, so a failed save leaves an
// earlier file of that name intact.
Status save(const QString &path, const ModuleSettings &settings);

// The key of a member as the file spells it ("CHANAL0/RANGE").
QString rangeKey(int ch);
QString wiringKey(int ch);
QString minValueKey(int ch);
QString maxValueKey(int ch);
constexpr auto NameKey = "MODUL/Name";

} // namespace settingsfile
} // namespace zt
