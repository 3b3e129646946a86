// libFuzzer target: the decoders of the read chain and of the identification
// on any reply a module might send. The first byte picks the block, the
// rest are its registers, two bytes each.

#include "module/catalogue.h"
#include "module/codec.h"
#include "module/registers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// What the window shows: a number that reads back, or the dash with its tooltip.
void show(float v)
{
    const zt::LiveText shown = zt::liveText(v);
    bool number = false;
    shown.text.toDouble(&number);
    require(number == std::isfinite(v));
    require(shown.toolTip.isEmpty() == number);
}

void identify(const QVector<quint16> &r)
{
    const zt::Identification id = zt::decodeIdentification(r);
    require(!id.valid || r.size() >= zt::reg::IdentCount);
    require(id.plb || (id.plbAddress == 0 && id.plbSpeedCode == 0 && id.plbFormatCode == 0));
    zt::catalogue::layoutForCode(id.moduleCode);
    zt::catalogue::unitLabelsForCode(id.moduleCode);
}

void decodeBlock(int block, const QVector<quint16> &r)
{
    switch (block) {
    case 0:
        identify(r);
        break;
    case 1: {
        zt::LiveValues live;
        if (zt::decodeLive(r, &live)) {
            for (int ch = 0; ch < 2; ++ch) {
                for (float v : {live.input[ch], live.temperature[ch], live.output[ch], live.coldJunction[ch]})
                    show(v);
            }
        }
        break;
    }
    case 2: {
        zt::ConfigValues config;
        if (zt::decodeConfig(r, &config)) {
            for (int ch = 0; ch < 2; ++ch) {
                require(!zt::formatFloat(config.pLimitMin[ch]).isEmpty());
                require(!zt::formatFloat(config.pLimitMax[ch]).isEmpty());
            }
        }
        break;
    }
    case 3: {
        zt::OptionValues options;
        require(zt::decodeOptions(r, &options) == (r.size() >= zt::reg::OptionCount));
        break;
    }
    case 4: {
        zt::LimitValues limits;
        require(zt::decodeLimits(r, &limits) == (r.size() >= 6));
        break;
    }
    default: {
        zt::InversionValues inversion;
        require(zt::decodeInversion(r, &inversion) == !r.isEmpty());
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    QVector<quint16> registers;
    for (size_t i = 1; i + 1 < size; i += 2)
        registers << quint16(data[i] << 8 | data[i + 1]);
    decodeBlock(data[0] % 6, registers);
    return 0;
}
