#include "settings/filewrite.h"

#include "channels/ranges.h"
#include "module/catalogue.h"
#include "module/codec.h"
#include "module/registers.h"
#include "settings/settinguse.h"

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

quint16 rangeCode(InputKind kind, int row)
{
    return kind == InputKind::Rtd ? quint16(ranges::rtdCodeOfRow(row)) : quint16(row);
}

} // namespace

Problem check(const ModuleSettings &file, const QString &moduleType)
{
    if (moduleType.isEmpty() || catalogue::positionOfName(moduleType) <= 0 || file.Name != moduleType)
        return {Problem::WrongType, {}, {}};

    const ModuleLayout layout = catalogue::layout(catalogue::positionOfName(file.Name));
    for (const QString &key : file.missingKeys)
        if (settingsfile::typeUsesKey(layout, key))
            return {Problem::MissingKey, key, {}};

    const InputKind kind = kindOf(file);
    const int rows = kind == InputKind::Thermocouple ? ranges::ThermocoupleCount
                   : kind == InputKind::Rtd          ? ranges::RtdCount
                                                     : 0;
    for (int ch = 0; ch < 2; ++ch) {
        // Both ranges are written for a type with a range list, whether or
        // not the channel has an input.
        if (rows > 0 && (file.range(ch) < 0 || file.range(ch) >= rows))
            return badValue(settingsfile::rangeKey(ch), file.range(ch));
        ranges::Bounds bounds;
        settingsfile::limitBounds(layout, ch, file.range(ch), &bounds);
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
