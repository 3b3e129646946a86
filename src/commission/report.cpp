#include "commission/report.h"

#include "commission/description.h"
#include "commission/texts.h"

#include <algorithm>

namespace zt::commission {

namespace {

QString escaped(const QString &s) { return s.toHtmlEscaped(); }
QString utf8(const char *s) { return QString::fromUtf8(s); }

QString row(const QStringList &cells, bool heading = false)
{
    const QString tag = heading ? QStringLiteral("th") : QStringLiteral("td");
    QString html = QStringLiteral("<tr>");
    for (const QString &cell : cells)
        html += QStringLiteral("<%1 align=\"left\">%2</%1>").arg(tag, escaped(cell));
    return html + QStringLiteral("</tr>");
}

QString table(const QString &rows)
{
    return QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">%1</table>").arg(rows);
}

QString factRows(const QVector<Fact> &facts)
{
    QString rows;
    for (const Fact &f : facts)
        rows += row({f.label, f.text});
    return rows;
}

// The channels side by side: one row per fact any channel has, one column
// per channel; a cell stays empty where a channel lacks the fact.
QString channelTable(const QVector<ChannelFacts> &channels, QVector<Fact> ChannelFacts::*facts)
{
    QStringList keys, labels;
    QStringList header{QString()};
    for (const ChannelFacts &c : channels) {
        header << text::Channel.arg(c.channel);
        for (const Fact &f : c.*facts) {
            if (!keys.contains(f.key)) {
                keys << f.key;
                labels << f.label;
            }
        }
    }
    QString rows = row(header, true);
    for (int i = 0; i < keys.size(); ++i) {
        QStringList cells{labels.at(i)};
        for (const ChannelFacts &c : channels) {
            const auto f = std::find_if((c.*facts).cbegin(), (c.*facts).cend(),
                                        [&](const Fact &fact) { return fact.key == keys.at(i); });
            cells << (f == (c.*facts).cend() ? QString() : f->text);
        }
        rows += row(cells);
    }
    return table(rows);
}

QString heading(const QString &text, int level)
{
    return QStringLiteral("<h%1>%2</h%1>").arg(level).arg(escaped(text));
}

QString fileSection(const ReportInput &input)
{
    QString html = heading(text::RecordFile.text(), 2) + QStringLiteral("<p>%1</p>").arg(escaped(input.settingsFile));
    if (input.differences.isEmpty())
        return html + QStringLiteral("<p>%1</p>").arg(escaped(text::RecordMatches.text()));
    QString rows = row({text::RecordSetting.text(), text::RecordModule.text(), text::RecordFileValue.text()}, true);
    for (const Difference &d : input.differences)
        rows += row({d.setting, d.moduleValue, d.fileValue});
    return html + QStringLiteral("<p>%1</p>").arg(escaped(text::RecordDiffers.text())) + table(rows);
}

} // namespace

QString reportHtml(const ReportInput &input)
{
    const Description d = describe(input.state);
    QString html = heading(text::RecordTitle.arg(input.state.typeName()), 1);
    html += table(row({text::RecordTime.text(), input.time.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))})
                  + row({text::RecordPort.text(), input.port}) + factRows(d.module));
    html += heading(text::RecordSettings.text(), 2) + channelTable(d.channels, &ChannelFacts::settings);
    if (input.state.has(ModuleState::Live))
        html += heading(text::RecordLive.text(), 2) + channelTable(d.channels, &ChannelFacts::live);
    if (!input.settingsFile.isEmpty())
        html += fileSection(input);
    html += QStringLiteral("<p><small>%1</small></p>").arg(escaped(utf8(text::RecordProgram).arg(QStringLiteral(ZT_VERSION))));
    return QStringLiteral("<html><body>%1</body></html>").arg(html);
}

} // namespace zt::commission
