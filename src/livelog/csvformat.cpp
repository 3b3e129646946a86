#include "livelog/csvformat.h"

#include "livelog/texts.h"
#include "module/catalogue.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace zt::livelog {

namespace {

constexpr char LineEnd[] = "\r\n";

QString tr(const char *text)
{
    return QCoreApplication::translate(text::Context, text);
}

QChar separator(Dialect dialect)
{
    return dialect == Dialect::Spreadsheet ? QLatin1Char(';') : QLatin1Char(',');
}

QString quoted(const QString &field, Dialect dialect, bool always = false)
{
    const bool plain = !always && !field.contains(separator(dialect)) && !field.contains(QLatin1Char('"'))
                    && !field.contains(QLatin1Char('\r')) && !field.contains(QLatin1Char('\n'));
    if (plain)
        return field;
    QString inner = field;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QByteArray line(const QStringList &fields, Dialect dialect)
{
    QStringList cells;
    for (const QString &f : fields)
        cells << quoted(f, dialect);
    return cells.join(separator(dialect)).toUtf8() + LineEnd;
}

// A text cell that a spreadsheet would take for a formula (a port or a
// firmware text beginning with "=", "+", "-", "@", a tab or a CR) gets a
// leading apostrophe and quotes: it is then read as the text it is. Numbers
// never pass through here: -40,5 stays a number.
QByteArray textLine(const QStringList &fields, Dialect dialect)
{
    QStringList cells;
    for (const QString &f : fields) {
        const bool formula = !f.isEmpty() && QStringLiteral("=+-@\t\r").contains(f.at(0));
        cells << quoted(formula ? QLatin1Char('\'') + f : f, dialect, formula);
    }
    return cells.join(separator(dialect)).toUtf8() + LineEnd;
}

QString number(float value, Dialect dialect)
{
    if (!std::isfinite(value))
        return QString();
    QString text = formatFloat(value);
    if (dialect == Dialect::Spreadsheet)
        text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

// "+03:00" even for UTC, where Qt would write "Z": every stamp has the same
// shape.
QString isoTime(const QDateTime &time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return time.toOffsetFromUtc(offset).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz"))
         + QLatin1Char(offset < 0 ? '-' : '+')
         + QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString column(const char *name, int channel, const QString &unit)
{
    const QString named = tr(name).arg(channel);
    return unit.isEmpty() ? named : tr(text::WithUnit).arg(named, unit);
}

} // namespace

QString dialectName(Dialect dialect)
{
    return dialect == Dialect::Spreadsheet ? QStringLiteral("ru") : QStringLiteral("rfc4180");
}

bool dialectOfName(const QString &name, Dialect *dialect)
{
    for (Dialect d : {Dialect::Spreadsheet, Dialect::Rfc4180}) {
        if (name == dialectName(d)) {
            *dialect = d;
            return true;
        }
    }
    return false;
}

QByteArray preamble(Dialect dialect)
{
    return dialect == Dialect::Spreadsheet ? QByteArray("\xEF\xBB\xBF") : QByteArray();
}

QByteArray headerText(const LogHeader &header, Dialect dialect)
{
    QByteArray text = textLine({tr(text::Type), header.typeName}, dialect)
                    + textLine({tr(text::Firmware), header.firmware}, dialect)
                    + textLine({tr(text::Port), header.port}, dialect)
                    + textLine({tr(text::Line), header.line}, dialect);
    const QString input = catalogue::inputUnit(header.position);
    const QString degrees = tr(text::Degrees);
    QStringList names{tr(text::Time)};
    for (int ch = 0; ch < 2; ++ch) {
        names << column(text::Input, ch, input) << column(text::Temperature, ch, degrees)
              << column(text::Output, ch, tr(text::MilliAmpere)) << column(text::ColdJunction, ch, degrees);
    }
    return text + textLine(names, dialect);
}

QByteArray rowText(const QDateTime &time, const LiveValues &values, Dialect dialect)
{
    QStringList fields{isoTime(time)};
    for (int ch = 0; ch < 2; ++ch) {
        for (float v : {values.input[ch], values.temperature[ch], values.output[ch], values.coldJunction[ch]})
            fields << number(v, dialect);
    }
    return line(fields, dialect);
}

} // namespace zt::livelog
