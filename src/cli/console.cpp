#include "cli/console.h"

#include "cli/clitexts.h"

#include <cstdio>

namespace cli {

namespace {

void put(std::FILE *stream, const QString &line)
{
    std::fputs(line.toUtf8().constData(), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
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

void printLive(const zt::commission::Description &description, const QDateTime &time)
{
    const QString stamp = time.toString(Qt::ISODateWithMs);
    for (const zt::commission::ChannelFacts &c : description.channels) {
        QStringList cells{stamp};
        cells << QString::fromUtf8(text::WatchChannel).arg(c.channel);
        for (const zt::commission::Fact &f : c.live)
            cells << f.label + QLatin1Char(' ') + f.text;
        print(cells.join(QStringLiteral("; ")));
    }
}

} // namespace cli
