#pragma once

#include "line/linesettings.h"

#include <QVector>

// What a module search tries, in which order.
namespace zt::line {

// Every speed, format and address a module can be set to, each once, most
// likely first: the factory settings and the current ones, then every
// address at the common speeds and formats, then the rest. Behind a Modbus
// TCP gateway every address, the current one first: the gateway owns the
// line's speed and format.
QVector<LineSettings> searchOrder(const LineSettings &current);

} // namespace zt::line
