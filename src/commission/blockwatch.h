#pragma once

#include "commission/modulestate.h"

#include <QObject>

class RtuProvider;

namespace zt::commission {

// Gathers the blocks that a transport delivers, whoever asked for them, until
// the wanted ones are all in; then complete(), once. A child of the
// transport: it goes with the connection.
class BlockWatch : public QObject
{
    Q_OBJECT

public:
    // `known`: what is already known of the module (its identification).
    BlockWatch(RtuProvider *provider, int wantedBlocks, const ModuleState &known);

signals:
    void complete(const zt::commission::ModuleState &state);

private:
    int wanted;
    ModuleState state;
    QMetaObject::Connection watching;
};

} // namespace zt::commission
