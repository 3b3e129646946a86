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
#include "line/tcpfailure.h"
#include "livelog/csvlog.h"
#include "report/pdfreport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QTimer>

namespace cli {

namespace {

using zt::commission::ModuleSession;
using zt::commission::ModuleState;
using Outcome = ModuleSession::Outcome;
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

// Runs the session's work started by `start` until it reports its end.
Outcome Commands::await(const std::function<void()> &start)
{
    QEventLoop loop;
    bool ended = false;
    Outcome outcome = Outcome::Done;
    const QMetaObject::Connection c = QObject::connect(&session, &ModuleSession::finished, &loop, [&](Outcome o) {
        ended = true;
        outcome = o;
        loop.quit();
    });
    start();
    if (!ended)  // an end reported at once would be lost to a loop started afterwards
        loop.exec();
    QObject::disconnect(c);
    return outcome;
}

int Commands::failed(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Done: return Done;
    case Outcome::NoAnswer: say(whyNoAnswer()); return NoAnswer;
    case Outcome::NotRecognised: say(utf8(text::NotRecognised)); return NoAnswer;
    case Outcome::LineLost:
        say(session.failureText().isEmpty() ? utf8(text::LineLost) : session.failureText());
        return NoAnswer;
    case Outcome::Refused: return Refused;
    case Outcome::Unconfirmed: return NoAnswer;  // the write command says which and reads the module back
    case Outcome::Stopped: say(utf8(text::Interrupted)); return Interrupted;
    }
    return NoAnswer;
}

// A refusal by its code (a gateway's is no answer of the module), over TCP
// the transport's words, else silence.
QString Commands::whyNoAnswer() const
{
    if (const int code = session.readExceptionCode())
        return utf8(zt::line::isGatewayException(code) ? text::GatewayAnswered : text::ModuleAnswered)
            .arg(exceptionInWords(code));
    const QString failure = session.failureText();
    return failure.isEmpty() ? utf8(text::NoAnswer).arg(zt::line::place(inv.line), zt::line::describe(inv.line)) : failure;
}

bool Commands::connectAndRead(int blocks, int *code)
{
    if (!session.open(inv.line)) {
        say(inv.line.isTcp() ? session.failureText() : utf8(text::PortNotOpened).arg(inv.line.port, session.openError()));
        *code = NoAnswer;
        return false;
    }
    *code = failed(await([&] { session.read(blocks); }));
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
    if (!connectAndRead(ModuleState::Identification, &code))
        return code;
    printFacts(zt::commission::describe(session.state()).module);
    return Done;
}

int Commands::read()
{
    int code;
    if (!connectAndRead(ModuleState::Identification | ModuleState::Configuration | ModuleState::Live, &code))
        return code;
    const zt::commission::Description d = zt::commission::describe(session.state());
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
    if (sf::save(inv.file, zt::commission::settingsOf(session.state())) != sf::Status::Ok) {
        say(utf8(text::FileSaveFailed).arg(inv.file));
        return BadFile;
    }
    say(utf8(text::FileSaved).arg(session.state().typeName(), inv.file));
    return Done;
}

// With --csv, stdout carries the very bytes the window's CSV log writes to
// its file.
int Commands::watch()
{
    int code;
    if (!connectAndRead(ModuleState::Identification, &code))
        return code;
    const ModuleState &state = session.state();
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
    for (int n = 0; inv.count == 0 || n < inv.count; ++n) {
        const QDeadlineTimer next(inv.intervalMs);
        const Outcome outcome = await([&] { session.read(ModuleState::Live); });
        if (outcome != Outcome::Done)
            return failed(outcome);
        const QDateTime now = QDateTime::currentDateTime();
        if (!inv.csv)
            printLive(zt::commission::describe(state), now);
        else if (!csv.append(now, state.live))
            return csvFailed();
        if (inv.count == 0 || n + 1 < inv.count) {
            QEventLoop loop;
            QTimer::singleShot(int(next.remainingTime()), &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    return Done;
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
        if (file.Name != session.state().typeName()) {
            say(utf8(text::FileForOtherType).arg(inv.fromFile, file.Name, session.state().typeName()));
            return OtherType;
        }
        input.settingsFile = inv.fromFile;
        input.differences = zt::commission::differences(zt::commission::settingsOf(session.state()), file);
    }
    input.time = QDateTime::currentDateTime();
    input.port = zt::line::describeWithPort(inv.line);
    input.state = session.state();
    QString error;
    if (!zt::report::writePdf(zt::commission::reportHtml(input), inv.file, &error)) {
        say(utf8(text::ReportFailed).arg(inv.file, error));
        return BadFile;
    }
    say(utf8(text::ReportSaved).arg(session.state().typeName(), inv.file));
    return Done;
}

int run(const Invocation &invocation)
{
    return Commands(invocation).run();
}

} // namespace cli
