#pragma once

#include "line/linesettings.h"

#include <QVector>

// What a module search tries, and for how long.
namespace zt::line {

// Every speed, format and address a module can be set to, each once, most
// likely first: the factory settings and the current ones, then every
// address at the common speeds and formats, then the rest.
QVector<LineSettings> searchOrder(const LineSettings &current);

// How long one try listens for the identification answer: the request and
// the answer on the line, the frame gap between them, a few characters for
// the module to turn round, and the latency of a USB adapter and the event
// loop. A late answer is not lost: it names its address, and the next try
// still recognises it.
int tryWaitMs(int baudRate, int formatRow);

} // namespace zt::line
