#pragma once

#include "settings/filewrite.h"
#include "settings/modulesettings.h"

#include <QString>
#include <QVector>

// A module's configuration against a settings file, setting by setting.
namespace zt::commission {

struct Difference {
    QString setting;      // "Канал 0: нижняя граница"
    QString moduleValue;  // in words
    QString fileValue;
    int address = 0;      // the register the file's value goes to
};

// The settings that writing `file` sets, in the order of the write sequence,
// where `module` (the module's configuration as a settings file of the same
// type) holds something else. Settings the sequence does not write are not
// compared (the name, the ranges of types without one, channel 1's copy of
// the one cold-junction switch), nor those the type does not have (wiring of
// a thermocouple, channel 1 of a one-input type): a module ignores them.
QVector<Difference> differences(const ModuleSettings &module, const ModuleSettings &file);

// The steps of the file's write sequence that carry a difference, in order;
// each writes a whole register, so a difference in one setting of a shared
// register writes that register once.
QVector<filewrite::Step> stepsFor(const QVector<Difference> &found, const ModuleSettings &file);

// The settings among `found` that the register at `address` holds, named
// and joined with ", ".
QString settingNames(const QVector<Difference> &found, int address);

} // namespace zt::commission
