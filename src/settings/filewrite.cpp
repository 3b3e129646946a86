#include "settings/filewrite.h"

#include "channels/ranges.h"
#include "module/catalogue.h"
#include "module/codec.h"
#include "module/registers.h"

#include <limits>

namespace zt::filewrite {

namespace {

using catalogue::InputKind;

InputKind kindOf(const ModuleSettings &file)
{
    return catalogue::inputKind(catalogue::positionOfName(file.Name));
}

Problem badValue(const QString &key, int value)
{
    return {Problem::BadValue, key, QString::number(value)};
}

// The bounds a channel's limits must keep for its range; false when the
// range index is outside the type's list.
bool limitBounds(InputKind kind, int row, ranges::Bounds *bounds)
{
    switch (kind) {
    case InputKind::Thermocouple:
        *bounds = ranges::thermocoupleBounds(row);
        return row >= 0 && row < ranges::ThermocoupleCount;
    case InputKind::Rtd:
        *bounds = ranges::rtdBounds(row);
        return row >= 0 && row < ranges::RtdCount;
    case InputKind::P:
    case InputKind::Current:
    case InputKind::None:
        break;
    }
    // No range: the limit registers still take whatever 16 bits carry.
    *bounds = {std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()};
    return true;
}

quint16 rangeCode(InputKind kind, int row)
{
    return kind == InputKind::Rtd ? quint16(ranges::rtdCodeOfRow(row)) : quint16(row);
}

} // namespace

Problem check(const ModuleSettings &file, const QString &moduleType)
{
    if (moduleType.isEmpty() || catalogue::positionOfName(moduleType) <= 0 || file.Name != moduleType)
        return {Problem::WrongType, {}, {}};

    const InputKind kind = kindOf(file);
    for (int ch = 0; ch < 2; ++ch) {
        ranges::Bounds bounds;
        if (!limitBounds(kind, file.range(ch), &bounds))
            return badValue(settingsfile::rangeKey(ch), file.range(ch));
        if (file.wiring(ch) < 0 || file.wiring(ch) >= ranges::WiringCount)
            return badValue(settingsfile::wiringKey(ch), file.wiring(ch));
        if (file.minValue(ch) < bounds.lower || file.minValue(ch) > bounds.upper)
            return badValue(settingsfile::minValueKey(ch), file.minValue(ch));
        if (file.maxValue(ch) < bounds.lower || file.maxValue(ch) > bounds.upper)
            return badValue(settingsfile::maxValueKey(ch), file.maxValue(ch));
    }
    return {};
}

QVector<Step> plan(const ModuleSettings &file)
{
    const InputKind kind = kindOf(file);
    const bool hasRange = kind == InputKind::Thermocouple || kind == InputKind::Rtd;
    const auto value = [](bool on) { return quint16(on ? 1 : 0); };
    return {
        {hasRange, reg::Range0, rangeCode(kind, file.Range_CH0), 1000},
        {hasRange, reg::Range1, rangeCode(kind, file.Range_CH1), 1000},
        {true, reg::Wiring0, ranges::wiringCodeOfRow(file.RTDConnect_CH0), 1000},
        {true, reg::Wiring1, ranges::wiringCodeOfRow(file.RTDConnect_CH1), 500},
        {true, reg::FastConversion0, value(file.AIFast_CH0), 500},
        {true, reg::Inversion, quint16((file.INVout_CH0 ? 1 : 0) + (file.INVout_CH1 ? 2 : 0)), 500},
        // One switch for both channels: channel 0's box carries it.
        {true, reg::ColdJunction, value(file.TI_CH0), 500},
        {true, reg::LimitMin0, encodeInt16(file.MinValue_CH0), 500},
        {true, reg::LimitMax0, encodeInt16(file.MaxValue_CH0), 500},
        {true, reg::LimitMin1, encodeInt16(file.MinValue_CH1), 500},
        {true, reg::LimitMax1, encodeInt16(file.MaxValue_CH1), 0},
    };
}

} // namespace zt::filewrite
