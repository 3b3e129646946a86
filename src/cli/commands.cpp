// The commands that read a module: identify, read, save, watch, report; and
// the steps every command shares.

#include "cli/commands.h"

#include "cli/clitexts.h"
#include "cli/console.h"
#include "cli/exitcodes.h"
#include "cli/interrupt.h"
#include "commission/description.h"
#include "commission/report.h"
#include "commission/texts.h"
#include "line/linesettings.h"
#include "line/answerwords.h"
#include "livelog/csvlog.h"
#include "report/pdfreport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QJsonDocument>

namespace cli {

namespace {

using zt::commission::ModuleState;
using zt::link::ModuleLink;
namespace sf = zt::settingsfile;

QString utf8(const char *s) { return QString::fromUtf8(s); }

} // namespace

int Commands::run()
{
    switch (inv.command) {
    case Command::Identify: return identify();
    case Command::Read: return read();
    case Command::Save: return save();
    case Command::Write: return write();
    case Command::Watch: return watch();
    case Command::Report: return report();
    case Command::Scan: return scan();
    }
    return Usage;
}

// Runs the link's work started by `start` until it reports its end: the
// blocks read, the file written, or the link ended.
void Commands::await(const std::function<void()> &start)
{
    QEventLoop loop;
    bool over = false;
    const auto quit = [&] {
        over = true;
        loop.quit();
    };
    const QMetaObject::Connection ends[] = {
        QObject::connect(&link, &ModuleLink::blocksRead, &loop, quit),
        QObject::connect(&link, &ModuleLink::fileWriteFinished, &loop, quit),
        QObject::connect(&link, &ModuleLink::linkEnded, &loop, quit),
    };
    start();
    if (!over)  // an end reported at once would be lost to a loop started afterwards
        loop.exec();
    for (const QMetaObject::Connection &c : ends)
        QObject::disconnect(c);
}

// Done, or the exit code of a failure it has told of. Once a write has begun,
// an interrupt ends the command before any further read.
int Commands::readBlocks(int blocks)
{
    if (interrupt::requested()) {
        say(utf8(text::Interrupted));
        return Interrupted;
    }
    await([&] { link.read(blocks); });
    return link.isOpen() ? Done : ended();
}

// The link ended: why, and the exit code.
int Commands::ended()
{
    switch (link.endReason()) {
    case zt::link::Reason::NoAnswer: say(whyNoAnswer()); break;
    case zt::link::Reason::NotRecognised: say(utf8(text::NotRecognised)); break;
    case zt::link::Reason::LineLost:
    case zt::link::Reason::Closed:
        say(link.failureText().isEmpty() ? utf8(text::LineLost) : link.failureText());
        break;
    }
    return NoAnswer;
}

// A refusal by its code (a gateway's is no answer of the module), over TCP
// the transport's words, else silence.
QString Commands::whyNoAnswer() const
{
    if (const int code = link.exceptionCode())
        return zt::line::answerInWords(code);
    const QString failure = link.failureText();
    return failure.isEmpty() ? utf8(text::NoAnswer).arg(zt::line::place(inv.line), zt::line::describe(inv.line)) : failure;
}

// A module of the family whose type is not in the catalogue connects, as in
// the window: its identification and live values mean the same for every
// type; its settings cannot be told, and a file is not written into it.
bool Commands::connectAndRead(int blocks, int *code, bool typeNeeded)
{
    if (!link.open(inv.line)) {
        say(inv.line.isTcp() ? link.failureText() : utf8(text::PortNotOpened).arg(inv.line.port, link.openError()));
        *code = NoAnswer;
        return false;
    }
    *code = readBlocks(ModuleState::Identification);
    if (*code == Done && typeNeeded && link.module().typeName().isEmpty()) {
        say(utf8(text::NotRecognised));
        *code = NoAnswer;
    }
    const int rest = blocks & ~ModuleState::Identification;
    if (*code == Done && rest)
        *code = readBlocks(rest);
    return *code == Done;
}

bool Commands::loadFile(const QString &path, zt::ModuleSettings *file, int *code)
{
    sf::LoadError error;
    if (sf::load(path, file, &error) == sf::Status::Ok)
        return true;
    say(sf::errorText(path, error));
    *code = BadFile;
    return false;
}

int Commands::identify()
{
    int code;
    if (!connectAndRead(ModuleState::Identification, &code, false))
        return code;
    printFacts(zt::commission::describe(link.module()).module);
    return Done;
}

int Commands::read()
{
    int code;
    if (!connectAndRead(ModuleState::Identification | ModuleState::Configuration | ModuleState::Live, &code))
        return code;
    const zt::commission::Description d = zt::commission::describe(link.module());
    if (inv.json) {
        print(QString::fromUtf8(QJsonDocument(zt::commission::toJson(d)).toJson(QJsonDocument::Compact)));
        return Done;
    }
    printFacts(d.module);
    for (const zt::commission::ChannelFacts &c : d.channels) {
        print(zt::commission::text::Channel.arg(c.channel));
        printFacts(c.settings + c.live, QStringLiteral("  "));
    }
    return Done;
}

int Commands::save()
{
    int code;
    if (!connectAndRead(ModuleState::Identification | ModuleState::Configuration, &code))
        return code;
    if (sf::save(inv.file, zt::commission::settingsOf(link.module())) != sf::Status::Ok) {
        say(utf8(text::FileSaveFailed).arg(inv.file));
        return BadFile;
    }
    say(utf8(text::FileSaved).arg(link.module().typeName(), inv.file));
    return Done;
}

// With --csv, stdout carries the very bytes the window's CSV log writes to
// its file.
int Commands::watch()
{
    int code;
    if (!connectAndRead(ModuleState::Identification, &code))
        return code;
    const ModuleState &state = link.module();
    const zt::livelog::LogHeader header{state.typeName(), state.id.firmware, zt::line::place(inv.line),
                                        zt::line::describe(inv.line),
                                        state.position()};
    zt::livelog::CsvLog csv(header, inv.dialect);
    QFile out;
    const auto csvFailed = [&csv] {
        say(QCoreApplication::translate("cli", text::CsvFailed).arg(csv.errorString()));
        return BadFile;
    };
    if (inv.csv && !(out.open(stdout, QIODevice::WriteOnly) && csv.startOn(&out, QStringLiteral("stdout"))))
        return csvFailed();
    QEventLoop loop;
    bool over = false;
    int n = 0;
    const auto stop = [&](int exitCode) {
        code = exitCode;
        over = true;
        loop.quit();
    };
    QObject::connect(&link, &ModuleLink::liveValues, &loop, [&](const zt::LiveValues &live) {
        const QDateTime now = QDateTime::currentDateTime();
        if (!inv.csv)
            printLive(zt::commission::describe(state), now);
        else if (!csv.append(now, live))
            return stop(csvFailed());
        if (++n == inv.count)
            stop(Done);
    });
    QObject::connect(&link, &ModuleLink::linkEnded, &loop, [&] { stop(ended()); });
    link.startPolling(inv.intervalMs);
    if (!over)
        loop.exec();
    link.stopPolling();
    return code;
}

int Commands::report()
{
    zt::commission::ReportInput input;
    zt::ModuleSettings file;
    int code;
    if (!inv.fromFile.isEmpty() && !loadFile(inv.fromFile, &file, &code))
        return code;
    if (!connectAndRead(ModuleState::Identification | ModuleState::Configuration | ModuleState::Live, &code))
        return code;
    if (!inv.fromFile.isEmpty()) {
        if (file.Name != link.module().typeName()) {
            say(utf8(text::FileForOtherType).arg(inv.fromFile, file.Name, link.module().typeName()));
            return OtherType;
        }
        input.settingsFile = inv.fromFile;
        input.differences = zt::commission::differences(zt::commission::settingsOf(link.module()), file);
    }
    input.time = QDateTime::currentDateTime();
    input.port = zt::line::describeWithPort(inv.line);
    input.state = link.module();
    QString error;
    if (!zt::report::writePdf(zt::commission::reportHtml(input), inv.file, &error)) {
        say(utf8(text::ReportFailed).arg(inv.file, error));
        return BadFile;
    }
    say(utf8(text::ReportSaved).arg(link.module().typeName(), inv.file));
    return Done;
}

int run(const Invocation &invocation)
{
    return Commands(invocation).run();
}

} // namespace cli
