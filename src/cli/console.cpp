#include "cli/console.h"

#include "cli/clitexts.h"
#include "module/codec.h"

#include <cstdio>

namespace cli {

namespace {

void put(std::FILE *stream, const QString &line)
{
    std::fputs(line.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

// A CSV field: the number of the fact with that key, empty when the channel
// has none.
QString field(const QVector<zt::commission::Fact> &facts, const char *key)
{
    for (const zt::commission::Fact &f : facts)
        if (f.key == QLatin1String(key))
            return f.value.isNull() ? QStringLiteral("nan") : zt::formatFloat(f.value.toDouble());
    return QString();
}

} // namespace

void print(const QString &line)
{
    put(stdout, line);
}

void say(const QString &line)
{
    put(stderr, line);
}

void printFacts(const QVector<zt::commission::Fact> &facts, const QString &indent)
{
    for (const zt::commission::Fact &f : facts)
        print(indent + f.label + QStringLiteral(": ") + f.text);
}

void printLive(const zt::commission::Description &description, const QDateTime &time, bool csv)
{
    const QString stamp = time.toString(Qt::ISODateWithMs);
    for (const zt::commission::ChannelFacts &c : description.channels) {
        QStringList cells{stamp};
        if (csv) {
            cells << QString::number(c.channel);
            for (const char *key : {"input", "temperature", "output", "coldJunctionTemperature"})
                cells << field(c.live, key);
            print(cells.join(QLatin1Char(',')));
            continue;
        }
        cells << QString::fromUtf8(text::WatchChannel).arg(c.channel);
        for (const zt::commission::Fact &f : c.live)
            cells << f.label + QLatin1Char(' ') + f.text;
        print(cells.join(QStringLiteral("; ")));
    }
}

} // namespace cli
