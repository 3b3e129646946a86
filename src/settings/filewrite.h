#pragma once

#include "settings/modulesettings.h"

#include <QString>
#include <QVector>

// Writing a settings file to a connected module: the check that the file fits
// the module, and the paced sequence of single writes that carries it over.
namespace zt::filewrite {

struct Problem {
    enum Kind {
        None,
        WrongType,  // empty, unknown or another type than the module's
        BadValue,   // a value the module's lists or bounds do not allow
        MissingKey, // a setting the type has that the file does not give
    };
    Kind kind = None;
    QString key;    // BadValue, MissingKey: the file's key ("CHANAL0/RANGE")
    QString value;  // BadValue: the value as the file holds it
};

// Checks the whole file against the type the module identified itself as
// (its catalogue name; "" when no type is known): the type name, every key of
// a setting the type has present, each range index within the type's list,
// each wiring index 0..2, each limit the type has within the bounds of its
// channel's range (16 bits for the limits it does not have: they are still
// written).
Problem check(const ModuleSettings &file, const QString &moduleType);

struct Step {
    bool write = false;  // some steps write nothing for some types
    int address = 0;
    quint16 value = 0;
    int nextAfterMs = 0; // pause before the next step; 0 after the last
};

// The eleven steps for a file that passed check(): both ranges (nothing for P
// and current inputs), both wirings, fast conversion, inversion, cold
// junction, then the four limits.
QVector<Step> plan(const ModuleSettings &file);

} // namespace zt::filewrite
