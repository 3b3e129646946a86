#include "module/codec.h"

#include "module/registers.h"

#include <QCoreApplication>

#include <cmath>
#include <cstring>

namespace zt {

float decodeFloat32(const QVector<quint16> &r, int index)
{
    const quint32 bits = (quint32(r.at(index + 1)) << 16) | r.at(index);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString formatFloat(double v)
{
    return QString::number(v, 'g', 6);
}

LiveText liveText(float v)
{
    if (std::isfinite(v))
        return {formatFloat(v), QString()};
    return {QStringLiteral("—"), QCoreApplication::translate("zt::codec", "Нет достоверного значения")};
}

qint16 decodeInt16(quint16 word)
{
    return static_cast<qint16>(word);
}

quint16 encodeInt16(int value)
{
    return static_cast<quint16>(value & 0xFFFF);
}

QString firmwareDateText(const QVector<quint16> &block)
{
    QString text;
    const auto append = [&text](int byte) {
        if (byte >= 0x20 && byte <= 0x7F)
            text.append(QLatin1Char(char(byte)));
    };
    for (quint16 word : block) {
        append(word >> 8);
        append(word & 0xFF);
    }
    // Shown, logged and printed as it is only when made of what a date is.
    for (const QChar c : qAsConst(text)) {
        if (!c.isDigit() && c != QLatin1Char('.'))
            return QStringLiteral("—");
    }
    return text;
}

namespace {

// Index in a block of the register at `address`.
constexpr int at(int address, int block) { return address - block; }

// Values a block must hold so that its last decoded register is inside it.
constexpr int needed(int lastAddress, int width, int block)
{
    return at(lastAddress, block) + width;
}

} // namespace

bool decodeLive(const QVector<quint16> &r, LiveValues *out)
{
    using namespace reg;
    if (r.size() < needed(LiveColdJunction1, 2, LiveBlock))
        return false;
    for (int ch = 0; ch < 2; ++ch) {
        out->input[ch] = decodeFloat32(r, at(liveInput(ch), LiveBlock));
        out->temperature[ch] = decodeFloat32(r, at(liveTemperature(ch), LiveBlock));
        out->output[ch] = decodeFloat32(r, at(liveOutput(ch), LiveBlock));
        out->coldJunction[ch] = decodeFloat32(r, at(liveColdJunction(ch), LiveBlock));
    }
    return true;
}

bool decodeConfig(const QVector<quint16> &r, ConfigValues *out)
{
    using namespace reg;
    if (r.size() < needed(PLimitMax1, 2, ConfigBlock))
        return false;
    for (int ch = 0; ch < 2; ++ch) {
        out->range[ch] = r.at(at(range(ch), ConfigBlock));
        out->pLimitMin[ch] = decodeFloat32(r, at(pLimitMin(ch), ConfigBlock));
        out->pLimitMax[ch] = decodeFloat32(r, at(pLimitMax(ch), ConfigBlock));
    }
    return true;
}

bool decodeOptions(const QVector<quint16> &r, OptionValues *out)
{
    using namespace reg;
    if (r.size() < needed(FastConversion0, 1, OptionBlock))
        return false;
    out->coldJunction = r.at(at(ColdJunction, OptionBlock)) != 0;
    out->fastConversion0 = (r.at(at(FastConversion0, OptionBlock)) & 0x0001) != 0;
    return true;
}

bool decodeLimits(const QVector<quint16> &r, LimitValues *out)
{
    using namespace reg;
    if (r.size() < needed(Wiring1, 1, LimitBlock))
        return false;
    for (int ch = 0; ch < 2; ++ch) {
        out->min[ch] = decodeInt16(r.at(at(limitMin(ch), LimitBlock)));
        out->max[ch] = decodeInt16(r.at(at(limitMax(ch), LimitBlock)));
        out->wiring[ch] = r.at(at(wiring(ch), LimitBlock));
    }
    return true;
}

bool decodeInversion(const QVector<quint16> &r, InversionValues *out)
{
    if (r.isEmpty())
        return false;
    for (int ch = 0; ch < 2; ++ch)
        out->inverted[ch] = (r.at(0) & reg::inversionBit(ch)) != 0;
    out->word = r.at(0);
    return true;
}

} // namespace zt
