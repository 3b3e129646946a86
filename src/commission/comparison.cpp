#include "commission/comparison.h"

#include "commission/texts.h"
#include "commission/words.h"
#include "module/catalogue.h"
#include "module/registers.h"
#include "settings/settinguse.h"

#include <QStringList>

#include <algorithm>

namespace zt::commission {

namespace {

using catalogue::InputKind;

using What = settingsfile::Setting;

struct Setting {
    What what;
    int channel;
    int address;
};

QVector<Setting> writtenSettings()
{
    QVector<Setting> all;
    for (int ch = 0; ch < 2; ++ch) {
        all << Setting{What::Range, ch, reg::range(ch)} << Setting{What::Wiring, ch, reg::wiring(ch)}
            << Setting{What::Inversion, ch, reg::Inversion} << Setting{What::Lower, ch, reg::limitMin(ch)}
            << Setting{What::Upper, ch, reg::limitMax(ch)};
    }
    // Channel 0's box carries the one switch both channels share.
    all << Setting{What::FastConversion, 0, reg::FastConversion0} << Setting{What::ColdJunction, 0, reg::ColdJunction};
    return all;
}

int valueOf(const Setting &s, const ModuleSettings &m)
{
    switch (s.what) {
    case What::Range: return m.range(s.channel);
    case What::Wiring: return m.wiring(s.channel);
    case What::Inversion: return m.inverted(s.channel);
    case What::Lower: return m.minValue(s.channel);
    case What::Upper: return m.maxValue(s.channel);
    case What::FastConversion: return m.AIFast_CH0;
    case What::ColdJunction: return m.TI_CH0;
    }
    return 0;
}

QString nameOf(const Setting &s)
{
    text::Text name{};
    switch (s.what) {
    case What::Range: name = text::SettingRange; break;
    case What::Wiring: name = text::SettingWiring; break;
    case What::Inversion: name = text::SettingInversion; break;
    case What::Lower: name = text::SettingLower; break;
    case What::Upper: name = text::SettingUpper; break;
    case What::FastConversion: name = text::SettingFastConversion; break;
    case What::ColdJunction: return text::SettingColdJunction.text();
    }
    return name.arg(s.channel);
}

QString wordsFor(const Setting &s, InputKind kind, int value)
{
    switch (s.what) {
    case What::Range: return words::range(kind, value);
    case What::Wiring: return words::wiringRow(value);
    case What::Inversion:
    case What::FastConversion:
    case What::ColdJunction: return words::onOff(value);
    case What::Lower:
    case What::Upper: break;
    }
    return QString::number(value);
}

} // namespace

QVector<Difference> differences(const ModuleSettings &module, const ModuleSettings &file)
{
    const int position = catalogue::positionOfName(file.Name);
    const InputKind kind = catalogue::inputKind(position);
    const ModuleLayout layout = catalogue::layout(position);
    const QVector<Setting> settings = writtenSettings();
    QVector<Difference> found;
    for (const filewrite::Step &step : filewrite::plan(file)) {
        if (!step.write)
            continue;
        for (const Setting &s : settings) {
            const int inModule = valueOf(s, module);
            const int inFile = valueOf(s, file);
            // A module ignores what the registers of settings it lacks are given.
            if (s.address == step.address && inModule != inFile && settingsfile::typeUses(layout, s.what, s.channel))
                found.append({nameOf(s), wordsFor(s, kind, inModule), wordsFor(s, kind, inFile), s.address});
        }
    }
    return found;
}

QVector<filewrite::Step> stepsFor(const QVector<Difference> &found, const ModuleSettings &file)
{
    QVector<filewrite::Step> steps;
    for (const filewrite::Step &step : filewrite::plan(file)) {
        const bool differs = std::any_of(found.cbegin(), found.cend(),
                                         [&step](const Difference &d) { return d.address == step.address; });
        if (step.write && differs)
            steps.append(step);
    }
    return steps;
}

QString settingNames(const QVector<Difference> &found, int address)
{
    QStringList names;
    for (const Difference &d : found)
        if (d.address == address)
            names << d.setting;
    return names.join(QStringLiteral(", "));
}

} // namespace zt::commission
