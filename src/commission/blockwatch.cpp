#include "commission/blockwatch.h"

#include "modbus/rtuprovider.h"

namespace zt::commission {

BlockWatch::BlockWatch(RtuProvider *provider, int wantedBlocks, const ModuleState &known)
    : QObject(provider)
    , wanted(wantedBlocks)
    , state(known)
{
    state.blocks &= ~wanted;
    watching = connect(provider, &RtuProvider::readCurUnit, this, [this](const QModbusDataUnit &unit) {
        if (absorb(unit, &state) && state.has(wanted)) {
            disconnect(watching);
            emit complete(state);
            deleteLater();
        }
    });
}

} // namespace zt::commission
