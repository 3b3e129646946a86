#pragma once

#include "commission/modulestate.h"

#include <QModbusDataUnit>
#include <QVector>

// The module's blocks as they are read, in the one order every front end
// reads them: identification, configuration, options, limits, inversion,
// then the live values.
namespace zt::link {

// One read request per wanted block (ModuleState::Block flags), in that order.
QVector<QModbusDataUnit> blockReads(int blocks);

// The block read after `block` in that order; 0 after the last.
int nextBlock(int block);

// The block a read of `unit` asks for; 0 for none of the module's.
int blockOf(const QModbusDataUnit &unit);

} // namespace zt::link
