#include "settings/modulesettings.h"

#include <QFileInfo>
#include <QSettings>

namespace zt {

bool ModuleSettings::operator==(const ModuleSettings &o) const
{
    return Name == o.Name && Range_CH0 == o.Range_CH0 && Range_CH1 == o.Range_CH1
        && TI_CH0 == o.TI_CH0 && TI_CH1 == o.TI_CH1 && AIFast_CH0 == o.AIFast_CH0
        && MinValue_CH0 == o.MinValue_CH0 && MaxValue_CH0 == o.MaxValue_CH0
        && RTDConnect_CH0 == o.RTDConnect_CH0 && MinValue_CH1 == o.MinValue_CH1
        && MaxValue_CH1 == o.MaxValue_CH1 && RTDConnect_CH1 == o.RTDConnect_CH1
        && INVout_CH0 == o.INVout_CH0 && INVout_CH1 == o.INVout_CH1;
}

namespace settingsfile {

namespace {

QString channelKey(int ch, const char *key)
{
    return QStringLiteral("CHANAL%1/%2").arg(ch).arg(QLatin1String(key));
}

// The keys in the order they are read and written, with the member each
// one holds. Integers and switches are read as text and converted, so that
// "abc" reads as 0 and "yes" as true.
struct IntKey {
    const char *key;
    int ModuleSettings::*member;
    bool emptyDefault;  // RANGE defaults to "", the others to 0
};
struct BoolKey {
    const char *key;
    bool ModuleSettings::*member;
};

const IntKey intKeys[] = {
    {"CHANAL0/RANGE", &ModuleSettings::Range_CH0, true},
    {"CHANAL1/RANGE", &ModuleSettings::Range_CH1, true},
    {"CHANAL0/RTDConnect", &ModuleSettings::RTDConnect_CH0, false},
    {"CHANAL1/RTDConnect", &ModuleSettings::RTDConnect_CH1, false},
};
const BoolKey boolKeys[] = {
    {"CHANAL0/AIFAST", &ModuleSettings::AIFast_CH0},
    {"CHANAL0/INVout", &ModuleSettings::INVout_CH0},
    {"CHANAL1/INVout", &ModuleSettings::INVout_CH1},
    {"CHANAL0/TI", &ModuleSettings::TI_CH0},
    {"CHANAL1/TI", &ModuleSettings::TI_CH1},
};
const IntKey limitKeys[] = {
    {"CHANAL0/MINVALUE", &ModuleSettings::MinValue_CH0, false},
    {"CHANAL1/MINVALUE", &ModuleSettings::MinValue_CH1, false},
    {"CHANAL0/MAXVALUE", &ModuleSettings::MaxValue_CH0, false},
    {"CHANAL1/MAXVALUE", &ModuleSettings::MaxValue_CH1, false},
};

Status statusOf(const QSettings &store)
{
    switch (store.status()) {
    case QSettings::NoError: return Status::Ok;
    case QSettings::FormatError: return Status::FormatError;
    case QSettings::AccessError: break;
    }
    return Status::AccessError;
}

} // namespace

QString rangeKey(int ch) { return channelKey(ch, "RANGE"); }
QString wiringKey(int ch) { return channelKey(ch, "RTDConnect"); }
QString minValueKey(int ch) { return channelKey(ch, "MINVALUE"); }
QString maxValueKey(int ch) { return channelKey(ch, "MAXVALUE"); }

Status load(const QString &path, ModuleSettings *out)
{
    *out = ModuleSettings();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Status::NotFound;
    if (!info.isFile() || !info.isReadable())
        return Status::AccessError;

    QSettings store(path, QSettings::IniFormat);
    if (const Status status = statusOf(store); status != Status::Ok)
        return status;

    ModuleSettings s;
    s.Name = store.value(QLatin1String(NameKey), QString()).toString();
    for (const IntKey &k : intKeys)
        s.*k.member = store.value(QLatin1String(k.key), k.emptyDefault ? QVariant(QString()) : QVariant(0)).toInt();
    for (const BoolKey &k : boolKeys)
        s.*k.member = store.value(QLatin1String(k.key), false).toBool();
    for (const IntKey &k : limitKeys)
        s.*k.member = store.value(QLatin1String(k.key), 0).toInt();
    *out = s;
    return Status::Ok;
}

Status save(const QString &path, const ModuleSettings &s)
{
    if (path.isEmpty())
        return Status::NotFound;
    QSettings store(path, QSettings::IniFormat);
    // An existing file that is no INI text would be replaced by the keys
    // alone; refuse rather than lose what it held.
    if (const Status status = statusOf(store); status != Status::Ok)
        return status;
    store.setValue(QLatin1String(NameKey), s.Name);
    for (const IntKey &k : intKeys)
        store.setValue(QLatin1String(k.key), s.*k.member);
    for (const BoolKey &k : boolKeys)
        store.setValue(QLatin1String(k.key), s.*k.member);
    for (const IntKey &k : limitKeys)
        store.setValue(QLatin1String(k.key), s.*k.member);
    store.sync(); // atomic: the store writes a new file and renames it
    return statusOf(store);
}

} // namespace settingsfile
} // namespace zt
