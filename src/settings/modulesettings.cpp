#include "settings/modulesettings.h"

#include "module/catalogue.h"
#include "settings/inifile.h"
#include "settings/texts.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

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

// The keys in the order they are read and written, with the member each
// one holds and what it takes.
struct Key {
    const char *section;
    const char *name;
    enum Kind { TypeName, Number, Flag } kind;
    int ModuleSettings::*number = nullptr;
    bool ModuleSettings::*flag = nullptr;
    int lower = 0, upper = 0;
};

// A range or wiring row goes into an unsigned register, a limit into a
// signed one; whether the row exists in the type's list is the write
// check's to judge.
constexpr int Row = 0xFFFF;
constexpr int LimitLow = -32768, LimitHigh = 32767;

const Key keys[] = {
    {"MODUL", "Name", Key::TypeName},
    {"CHANAL0", "RANGE", Key::Number, &ModuleSettings::Range_CH0, nullptr, 0, Row},
    {"CHANAL1", "RANGE", Key::Number, &ModuleSettings::Range_CH1, nullptr, 0, Row},
    {"CHANAL0", "RTDConnect", Key::Number, &ModuleSettings::RTDConnect_CH0, nullptr, 0, Row},
    {"CHANAL1", "RTDConnect", Key::Number, &ModuleSettings::RTDConnect_CH1, nullptr, 0, Row},
    {"CHANAL0", "AIFAST", Key::Flag, nullptr, &ModuleSettings::AIFast_CH0},
    {"CHANAL0", "INVout", Key::Flag, nullptr, &ModuleSettings::INVout_CH0},
    {"CHANAL1", "INVout", Key::Flag, nullptr, &ModuleSettings::INVout_CH1},
    {"CHANAL0", "TI", Key::Flag, nullptr, &ModuleSettings::TI_CH0},
    {"CHANAL1", "TI", Key::Flag, nullptr, &ModuleSettings::TI_CH1},
    {"CHANAL0", "MINVALUE", Key::Number, &ModuleSettings::MinValue_CH0, nullptr, LimitLow, LimitHigh},
    {"CHANAL1", "MINVALUE", Key::Number, &ModuleSettings::MinValue_CH1, nullptr, LimitLow, LimitHigh},
    {"CHANAL0", "MAXVALUE", Key::Number, &ModuleSettings::MaxValue_CH0, nullptr, LimitLow, LimitHigh},
    {"CHANAL1", "MAXVALUE", Key::Number, &ModuleSettings::MaxValue_CH1, nullptr, LimitLow, LimitHigh},
};

QString channelKey(int ch, const char *key)
{
    return QStringLiteral("CHANAL%1/%2").arg(ch).arg(QLatin1String(key));
}

bool isTypeName(const QString &name)
{
    return catalogue::positionOfName(name) >= 0;
}

// A plain decimal number with an optional minus: no plus, no spaces, no
// exponent, no other base.
bool parseNumber(const QString &text, int lower, int upper, int *out)
{
    static const QRegularExpression decimal(QStringLiteral("^-?[0-9]{1,9}$"));
    if (!decimal.match(text).hasMatch())
        return false;
    const int value = text.toInt();
    if (value < lower || value > upper)
        return false;
    *out = value;
    return true;
}

// What the program writes, and the 1 and 0 of hand-made files.
bool parseFlag(const QString &text, bool *out)
{
    if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || text == QLatin1String("1"))
        *out = true;
    else if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 || text == QLatin1String("0"))
        *out = false;
    else
        return false;
    return true;
}

bool take(const Key &k, const QByteArray &raw, ModuleSettings *s)
{
    QString text;
    if (!ini::unescapeValue(raw, &text))
        return false;
    switch (k.kind) {
    case Key::TypeName:
        s->Name = text;
        return isTypeName(text);
    case Key::Number: return parseNumber(text, k.lower, k.upper, &(s->*k.number));
    case Key::Flag: return parseFlag(text, &(s->*k.flag));
    }
    return false;
}

QString expectation(const Key &k)
{
    switch (k.kind) {
    case Key::TypeName: return text::TypeName;
    case Key::Number: return text::WholeNumber.arg(k.lower).arg(k.upper);
    case Key::Flag: break;
    }
    return text::Flag;
}

// A value as a message can show it: control characters as '?', at most 40
// characters.
QString printable(const QByteArray &raw)
{
    QString text = QString::fromUtf8(raw);
    for (QChar &c : text)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return text.size() > 40 ? text.left(40) + QStringLiteral("…") : text;
}

QString syntaxProblem(ini::SyntaxError::Kind kind)
{
    switch (kind) {
    case ini::SyntaxError::Binary: return text::Binary;
    case ini::SyntaxError::UnclosedSection: return text::UnclosedSection;
    case ini::SyntaxError::TextAfterSection: return text::TextAfterSection;
    case ini::SyntaxError::NoEquals: return text::NoEquals;
    case ini::SyntaxError::EmptyKey: return text::EmptyKey;
    case ini::SyntaxError::None: break;
    }
    return {};
}

// Reads a file of at most MaxFileSize bytes and parses it.
Status readDocument(const QString &path, ini::Document *doc, LoadError *error)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Status::NotFound;
    if (!info.isFile() || !info.isReadable())
        return Status::AccessError;
    if (info.size() > MaxFileSize)
        return Status::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::AccessError;
    const QByteArray text = file.read(MaxFileSize + 1);
    if (text.size() > MaxFileSize)  // grew since it was looked at
        return Status::TooLarge;
    ini::SyntaxError syntax;
    if (!ini::parse(text, doc, &syntax)) {
        error->line = syntax.line;
        error->problem = syntaxProblem(syntax.kind);
        return Status::FormatError;
    }
    return Status::Ok;
}

Status fail(Status status, LoadError *error, LoadError *into)
{
    error->status = status;
    if (into)
        *into = *error;
    return status;
}

} // namespace

QString rangeKey(int ch) { return channelKey(ch, "RANGE"); }
QString wiringKey(int ch) { return channelKey(ch, "RTDConnect"); }
QString minValueKey(int ch) { return channelKey(ch, "MINVALUE"); }
QString maxValueKey(int ch) { return channelKey(ch, "MAXVALUE"); }

Status load(const QString &path, ModuleSettings *out, LoadError *into)
{
    *out = ModuleSettings();
    LoadError error;
    ini::Document doc;
    if (const Status status = readDocument(path, &doc, &error); status != Status::Ok)
        return fail(status, &error, into);

    ModuleSettings s;
    for (const Key &k : keys) {
        const QString section = QLatin1String(k.section), name = QLatin1String(k.name);
        const QVector<const ini::Entry *> found = doc.find(section, name);
        if (found.isEmpty()) {
            s.missingKeys << section + QLatin1Char('/') + name;
            continue;
        }
        if (found.size() > 1) {
            error.line = found.at(1)->line;
            error.problem = text::Repeated.arg(name).arg(found.at(0)->line);
            return fail(Status::FormatError, &error, into);
        }
        if (!take(k, found.at(0)->value, &s)) {
            error = {Status::BadValue, found.at(0)->line, section, name, printable(found.at(0)->value), expectation(k)};
            return fail(Status::BadValue, &error, into);
        }
    }
    *out = s;
    return fail(Status::Ok, &error, into);
}

QString errorText(const QString &path, const LoadError &e)
{
    switch (e.status) {
    case Status::Ok: break;
    case Status::NotFound: return text::NotFound.arg(path);
    case Status::AccessError: return text::NoAccess.arg(path);
    case Status::TooLarge: return text::TooLarge.arg(path);
    case Status::FormatError: return text::NotSettings.arg(path).arg(e.line).arg(e.problem);
    case Status::BadValue:
        return text::BadValue.text().arg(path, e.section, e.key, e.value).arg(e.line).arg(e.problem);
    }
    return {};
}

Status save(const QString &path, const ModuleSettings &s)
{
    if (path.isEmpty())
        return Status::NotFound;
    if (!isTypeName(s.Name))
        return Status::BadValue;
    // An existing file keeps what the program does not know; one that is no
    // settings file is not replaced by the keys alone.
    ini::Document doc;
    LoadError error;
    if (const Status status = readDocument(path, &doc, &error); status != Status::Ok && status != Status::NotFound)
        return status;

    for (const Key &k : keys) {
        QByteArray value;
        switch (k.kind) {
        case Key::TypeName: value = s.Name.toLatin1(); break;
        case Key::Number: value = QByteArray::number(s.*k.number); break;
        case Key::Flag: value = s.*k.flag ? "true" : "false"; break;
        }
        doc.set(QLatin1String(k.section), QLatin1String(k.name), value);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ini::serialize(doc)) < 0 || !file.commit())
        return Status::AccessError;
    return Status::Ok;
}

} // namespace settingsfile
} // namespace zt
