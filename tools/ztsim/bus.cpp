#include "bus.h"

#include "registermap.h"

namespace {

// Parity (0 none, 1 odd, 2 even) in the high byte, stop bits in the low one.
uint16_t plbFormatCode(char parity, int stopBits)
{
    return uint16_t((parity == 'O' ? 1 : parity == 'E' ? 2 : 0) << 8 | stopBits);
}

}  // namespace

Bus makeBus(const Options &options)
{
    Bus bus;
    if (options.bus.empty())
        bus.emplace_back(uint8_t(serverAddress(options)), Module(*findModuleType(options.type), options.firmware, options.outputMarker));
    for (const BusEntry &entry : options.bus)
        bus.emplace_back(entry.address, Module(*entry.type, options.firmware, options.outputMarker));
    return bus;
}

void reportLineSettings(Bus &bus, const Options &options)
{
    char parity = 'N';
    int stopBits = 1;
    const bool format = parseFormat(options.format, parity, stopBits);
    for (BusModule &node : bus) {
        if (!node.module.type().isPlb())
            continue;
        if (options.address || !options.bus.empty())
            node.module.restore(reg::PlbAddress, node.address);
        if (format)
            node.module.restore(reg::PlbFormat, plbFormatCode(parity, stopBits));
    }
}

BusModule *findOnBus(Bus &bus, uint8_t address)
{
    for (BusModule &node : bus)
        if (node.address == address)
            return &node;
    return nullptr;
}
