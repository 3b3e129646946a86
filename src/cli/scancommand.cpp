// The scan command: every module on the line, one line each.

#include "cli/commands.h"

#include "cli/clitexts.h"
#include "cli/console.h"
#include "cli/exitcodes.h"
#include "line/answerwords.h"
#include "line/modulescan.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

namespace {

using zt::line::ModuleScan;

QString utf8(const char *s) { return QString::fromUtf8(s); }

QString plainLine(const ModuleScan::Module &m)
{
    switch (m.kind) {
    case ModuleScan::Module::Identified: return utf8(text::ScanModule).arg(m.address).arg(m.type, m.firmware);
    case ModuleScan::Module::Refused: return utf8(text::ScanRefused).arg(m.address).arg(zt::line::exceptionInWords(m.exceptionCode));
    case ModuleScan::Module::Unrecognised: break;
    }
    return utf8(text::ScanUnrecognised).arg(m.address);
}

// {"address": 17, "type": "PLB-2TI-4-20-M", "firmware": "12.05.23"}; a
// refusal carries "exception" (the code) and "exceptionText", a device of
// no known type "recognised": false.
QString jsonLine(const ModuleScan::Module &m)
{
    QJsonObject o{{QStringLiteral("address"), m.address}};
    switch (m.kind) {
    case ModuleScan::Module::Identified:
        o.insert(QStringLiteral("type"), m.type);
        o.insert(QStringLiteral("firmware"), m.firmware);
        break;
    case ModuleScan::Module::Refused:
        o.insert(QStringLiteral("exception"), m.exceptionCode);
        o.insert(QStringLiteral("exceptionText"), zt::line::exceptionInWords(m.exceptionCode));
        break;
    case ModuleScan::Module::Unrecognised: o.insert(QStringLiteral("recognised"), false); break;
    }
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

} // namespace

int Commands::scan()
{
    ModuleScan sweep;
    int answered = 0;
    QObject::connect(&sweep, &ModuleScan::found, [this, &answered](const ModuleScan::Module &m) {
        ++answered;
        print(inv.json ? jsonLine(m) : plainLine(m));
    });
    QEventLoop loop;
    ModuleScan::Outcome outcome = ModuleScan::Outcome::Swept;
    bool ended = false;
    QObject::connect(&sweep, &ModuleScan::finished, &loop, [&](ModuleScan::Outcome o) {
        outcome = o;
        ended = true;
        loop.quit();
    });
    if (!sweep.start(inv.line, inv.firstAddress, inv.lastAddress)) {
        say(inv.line.isTcp() ? sweep.errorString() : utf8(text::PortNotOpened).arg(inv.line.port, sweep.errorString()));
        return NoAnswer;
    }
    if (!ended) // a line lost at the first request ends the sweep at once
        loop.exec();
    if (outcome == ModuleScan::Outcome::LineLost) {
        say(sweep.errorString().isEmpty() ? utf8(text::LineLost) : sweep.errorString());
        return NoAnswer;
    }
    if (answered == 0) {
        const QString line = inv.line.isTcp()
            ? utf8(text::ScanGateway).arg(zt::line::place(inv.line))
            : utf8(text::ScanLine).arg(inv.line.port, QString::number(inv.line.baudRate), zt::line::formatName(inv.line.format));
        say(utf8(text::ScanNone).arg(line).arg(inv.firstAddress).arg(inv.lastAddress));
        return NoAnswer;
    }
    say(utf8(text::ScanFound).arg(answered));
    return Done;
}

} // namespace cli
