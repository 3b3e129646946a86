#include "commission/description.h"

#include "channels/ranges.h"
#include "commission/texts.h"
#include "commission/words.h"

#include <QJsonArray>

#include <cmath>

namespace zt::commission {

namespace {

using catalogue::InputKind;

Fact fact(const char *key, const QString &label, const QJsonValue &value, const QString &text)
{
    return {QString::fromLatin1(key), label, value, text};
}

Fact textFact(const char *key, const QString &label, const QString &text)
{
    return fact(key, label, text, text);
}

Fact switchFact(const char *key, const QString &label, bool on)
{
    return fact(key, label, on, words::onOff(on));
}

Fact limitFact(const char *key, const QString &label, int value)
{
    return fact(key, label, value, words::withUnit(QString::number(value), text::Degrees.text()));
}

// Floats as the form shows them: six significant digits, a dash for what is
// not a number.
Fact floatFact(const char *key, const QString &label, float value, const QString &unit)
{
    if (!std::isfinite(value))
        return fact(key, label, QJsonValue(), liveText(value).text);
    const QString shown = liveText(value).text;
    return fact(key, label, shown.toDouble(), words::withUnit(shown, unit));
}

bool hasInput(const ModuleLayout &l, int ch) { return ch == 0 ? l.ch0Input : l.ch1Input; }
bool hasOutput(const ModuleLayout &l, int ch) { return ch == 0 ? l.ch0Input : l.ch1Input || l.secondOutput; }

bool measuresTemperature(InputKind kind) { return kind == InputKind::Thermocouple || kind == InputKind::Rtd; }

// What the channel's input brings into the form; an output alone brings nothing.
QVector<Fact> inputSettings(const ModuleState &s, int ch, InputKind kind)
{
    QVector<Fact> facts;
    if (measuresTemperature(kind))
        facts << textFact("sensor", text::Sensor, words::rangeCode(kind, s.config.range[ch]));
    if (kind == InputKind::Rtd)
        facts << fact("wiring", text::Wiring, s.limits.wiring[ch],
                      words::wiringRow(ranges::wiringRowOfCode(s.limits.wiring[ch])));
    if (kind == InputKind::Thermocouple)
        facts << switchFact("coldJunction", text::ColdJunction, s.options.coldJunction);
    if (measuresTemperature(kind))
        facts << limitFact("lower", text::Lower, s.limits.min[ch]) << limitFact("upper", text::Upper, s.limits.max[ch]);
    if (kind == InputKind::P)
        facts << floatFact("lower", text::Lower, s.config.pLimitMin[ch], text::Ohm.text())
              << floatFact("upper", text::Upper, s.config.pLimitMax[ch], text::Ohm.text());
    if (kind == InputKind::Current)
        facts << switchFact("fastConversion", text::FastConversion, s.options.fastConversion0);
    return facts;
}

QVector<Fact> liveValues(const ModuleState &s, int ch, InputKind kind, bool input)
{
    const QString degrees = text::Degrees.text();
    QVector<Fact> facts;
    if (input)
        facts << floatFact("input", text::Input, s.live.input[ch], catalogue::inputUnit(s.position()));
    if (input && measuresTemperature(kind))
        facts << floatFact("temperature", text::Temperature, s.live.temperature[ch], degrees);
    facts << floatFact("output", text::Output, s.live.output[ch], text::MilliAmpere.text());
    if (input && kind == InputKind::Thermocouple)
        facts << floatFact("coldJunctionTemperature", text::ColdJunctionTemperature, s.live.coldJunction[ch], degrees);
    return facts;
}

QJsonObject objectOf(const QVector<Fact> &facts)
{
    QJsonObject o;
    for (const Fact &f : facts)
        o.insert(f.key, f.value);
    return o;
}

} // namespace

Description describe(const ModuleState &state)
{
    Description d;
    const QString type = state.typeName().isEmpty()
                             ? text::UnknownType.arg(QString::number(state.id.moduleCode, 16).rightJustified(4, QLatin1Char('0')).toUpper())
                             : state.typeName();
    d.module << textFact("type", text::Type, type) << textFact("firmware", text::Firmware, state.id.firmware);
    if (state.id.plb) {
        d.module << fact("plbAddress", text::PlbAddress, state.id.plbAddress, QString::number(state.id.plbAddress))
                 << textFact("plbSpeed", text::PlbSpeed, words::plbSpeed(state.id.plbSpeedCode))
                 << textFact("plbFormat", text::PlbFormat, words::plbFormat(state.id.plbFormatCode));
    }

    const ModuleLayout layout = catalogue::layoutForCode(state.id.moduleCode);
    const InputKind kind = catalogue::inputKind(state.position());
    for (int ch = 0; ch < 2; ++ch) {
        if (!hasOutput(layout, ch))
            continue;
        ChannelFacts c;
        c.channel = ch;
        if (hasInput(layout, ch))
            c.settings = inputSettings(state, ch, kind);
        c.settings << switchFact("inverted", text::Inverted, state.inversion.inverted[ch]);
        if (state.has(ModuleState::Live))
            c.live = liveValues(state, ch, kind, hasInput(layout, ch));
        d.channels << c;
    }
    return d;
}

QJsonObject toJson(const Description &description)
{
    QJsonObject o = objectOf(description.module);
    QJsonArray channels;
    for (const ChannelFacts &c : description.channels) {
        QJsonObject channel = objectOf(c.settings);
        channel.insert(QStringLiteral("channel"), c.channel);
        if (!c.live.isEmpty())
            channel.insert(QStringLiteral("live"), objectOf(c.live));
        channels.append(channel);
    }
    o.insert(QStringLiteral("channels"), channels);
    return o;
}

} // namespace zt::commission
