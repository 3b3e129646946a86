// The write command: a settings file to a module, setting by setting, read
// back and compared.

#include "cli/commands.h"

#include "cli/clitexts.h"
#include "cli/console.h"
#include "cli/exitcodes.h"
#include "cli/interrupt.h"
#include "settings/filewrite.h"

#include <algorithm>
#include <iterator>

namespace cli {

namespace {

using zt::commission::ModuleSession;
using zt::commission::ModuleState;
using Outcome = ModuleSession::Outcome;

QString utf8(const char *s) { return QString::fromUtf8(s); }

// The settings a refused write carried, and the exception code in words and
// digits ("недопустимое значение (03)").
QString refusal(const QString &settings, int code)
{
    const bool named = code >= 1 && code <= int(std::size(text::ExceptionNames)) && *text::ExceptionNames[code - 1];
    return utf8(text::Refused).arg(settings, utf8(named ? text::ExceptionNames[code - 1] : text::UnnamedException),
                                   QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper());
}

} // namespace

// The check the window makes before it writes a file.
int Commands::checkFile(const zt::ModuleSettings &file, int *code)
{
    const zt::filewrite::Problem problem = zt::filewrite::check(file, session.state().typeName());
    switch (problem.kind) {
    case zt::filewrite::Problem::None: *code = Done; break;
    case zt::filewrite::Problem::WrongType:
        say(utf8(text::FileForOtherType).arg(inv.file, file.Name, session.state().typeName()));
        *code = OtherType;
        break;
    case zt::filewrite::Problem::BadValue:
        say(utf8(text::FileBadValue).arg(problem.key, problem.value));
        *code = BadFile;
        break;
    case zt::filewrite::Problem::MissingKey:
        say(utf8(text::FileMissingKey).arg(inv.file, problem.key));
        *code = BadFile;
        break;
    }
    if (*code != Done)
        say(utf8(text::NothingWritten));
    return *code;
}

int Commands::write()
{
    zt::ModuleSettings file;
    int code;
    if (!loadFile(inv.file, &file, &code)
        || !connectAndRead(ModuleState::Identification | ModuleState::Configuration, &code)
        || checkFile(file, &code) != Done)
        return code;

    const QVector<zt::commission::Difference> found =
        zt::commission::differences(zt::commission::settingsOf(session.state()), file);
    if (found.isEmpty())
        say(utf8(text::NoDifferences));
    for (const zt::commission::Difference &d : found)
        print(utf8(text::DifferenceLine).arg(d.setting, d.moduleValue, d.fileValue));
    if (inv.dryRun || found.isEmpty())
        return Done;
    return writeDifferences(file, found);
}

int Commands::writeDifferences(const zt::ModuleSettings &file, const QVector<zt::commission::Difference> &found)
{
    const QVector<zt::filewrite::Step> steps = zt::commission::stepsFor(found, file);
    interrupt::catchFromNowOn();
    session.setStopCheck(interrupt::requested);

    const Outcome outcome = await([&] { session.write(steps); });
    if (outcome != Outcome::Done) {
        const int confirmed = session.stepsConfirmed();
        if (outcome == Outcome::Refused)
            say(refusal(zt::commission::settingNames(found, steps.at(confirmed).address), session.refusalCode()));
        const int code = failed(outcome);
        // A refused write was answered: not taken. Any other unanswered one may have been.
        sayWhatWasWritten(steps, confirmed, outcome == Outcome::Refused ? confirmed : session.stepsSent(), found);
        if (outcome == Outcome::Unconfirmed)
            sayWhatTheModuleHolds(file, found);
        return code;
    }

    const Outcome readBack = await([&] { session.read(ModuleState::Configuration); });
    if (readBack != Outcome::Done) {
        const int code = failed(readBack);
        sayWhatWasWritten(steps, steps.size(), steps.size(), found);
        return code;
    }
    const QVector<zt::commission::Difference> left =
        zt::commission::differences(zt::commission::settingsOf(session.state()), file);
    if (!left.isEmpty()) {
        QStringList names;
        for (const zt::commission::Difference &d : left)
            names << d.setting;
        say(utf8(text::NotKept).arg(names.join(QStringLiteral(", "))));
        for (const zt::commission::Difference &d : left)
            say(utf8(text::NotKeptLine).arg(d.setting, d.moduleValue, d.fileValue));
        return NotKept;
    }
    say(utf8(text::WriteDone).arg(found.size()));
    return Done;
}

// After a write that went unanswered: what each setting of the file now
// holds in the module, read back.
void Commands::sayWhatTheModuleHolds(const zt::ModuleSettings &file, const QVector<zt::commission::Difference> &found)
{
    const Outcome readBack = await([&] { session.read(ModuleState::Configuration); });
    if (readBack != Outcome::Done) {
        failed(readBack);
        return;
    }
    const QVector<zt::commission::Difference> left =
        zt::commission::differences(zt::commission::settingsOf(session.state()), file);
    say(utf8(text::ReadBack));
    for (const zt::commission::Difference &d : found) {
        const auto still = std::find_if(left.begin(), left.end(),
                                        [&d](const zt::commission::Difference &l) { return l.setting == d.setting; });
        say(utf8(text::NotKeptLine).arg(d.setting, still == left.end() ? d.fileValue : still->moduleValue, d.fileValue));
    }
}

// Steps before `confirmed` were taken, those up to `sent` may have been.
void Commands::sayWhatWasWritten(const QVector<zt::filewrite::Step> &steps, int confirmed, int sent,
                                 const QVector<zt::commission::Difference> &found)
{
    QStringList written, unknown, notWritten;
    for (int i = 0; i < steps.size(); ++i) {
        const QString names = zt::commission::settingNames(found, steps.at(i).address);
        (i < confirmed ? written : i < sent ? unknown : notWritten) << names;
    }
    const auto list = [](const QStringList &l) { return l.isEmpty() ? utf8(text::Nothing) : l.join(QStringLiteral(", ")); };
    say(utf8(text::Written).arg(list(written)));
    if (!unknown.isEmpty())
        say(utf8(text::Unconfirmed).arg(list(unknown)));
    say(utf8(text::NotWritten).arg(list(notWritten)));
}

} // namespace cli
