#pragma once

#include "module/catalogue.h"

#include <QString>

// Values of a module's configuration in words.
namespace zt::commission::words {

// The item of the type's sensor list at `row`; "вне списка" outside it.
QString range(catalogue::InputKind kind, int row);
// The same for a range code as the module reports it.
QString rangeCode(catalogue::InputKind kind, quint16 code);
QString wiringRow(int row);  // "3-проводная"
QString onOff(bool on);
QString withUnit(const QString &value, const QString &unit);

// The PLB module's own line settings; a code outside the lists as a number.
QString plbSpeed(quint16 code);
QString plbFormat(quint16 code);

} // namespace zt::commission::words
