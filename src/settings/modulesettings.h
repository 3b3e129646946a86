#pragma once

#include "i18n/uitext.h"

#include <QString>
#include <QStringList>

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

    // The keys ("CHANAL0/RANGE") a file read into this lacked: they hold their
    // defaults. Empty for settings that come from the form or a module.
    QStringList missingKeys;

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

// A file larger than this is no settings file; it is refused unread.
constexpr qint64 MaxFileSize = 64 * 1024;

enum class Status {
    Ok,
    NotFound,     // no path, or no file there: the defaults
    AccessError,  // the file cannot be read or written
    FormatError,  // the file is there but is no INI text
    TooLarge,     // over MaxFileSize
    BadValue,     // a key of the program holds what it cannot take
};

// What is wrong with a file that did not load.
struct LoadError {
    Status status = Status::Ok;
    int line = 0;          // FormatError, BadValue
    QString section;       // BadValue: "CHANAL0"
    QString key;           // BadValue: "MINVALUE"
    QString value;         // BadValue: the value, made printable and short
    QString problem;       // FormatError: what is wrong with the line; BadValue: what the key takes
};

// Reads the fourteen keys, each strictly: a whole decimal number within its
// register, true or false, one of the module types. A missing key gives its
// default and is named in `missingKeys`. Any status but Ok leaves `out` at
// the defaults of every key.
Status load(const QString &path, ModuleSettings *out, LoadError *error = nullptr);

// The sentence that tells the user why the file at `path` did not load.
QString errorText(const QString &path, const LoadError &error);

// Writes the fourteen keys; keys the program does not know stay in the file.
// The file is replaced only once it is complete, so a failed save leaves an
// earlier file of that name intact; an earlier file that is no settings
// file is not replaced.
Status save(const QString &path, const ModuleSettings &settings);

// The key of a member as the file spells it ("CHANAL0/RANGE").
QString rangeKey(int ch);
QString wiringKey(int ch);
QString minValueKey(int ch);
QString maxValueKey(int ch);
constexpr auto NameKey = "MODUL/Name";

} // namespace settingsfile
} // namespace zt
