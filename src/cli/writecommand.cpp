// The write command: a settings file to a module, setting by setting, read
// back and compared.

#include "cli/commands.h"

#include "cli/clitexts.h"
#include "cli/console.h"
#include "cli/exitcodes.h"
#include "cli/interrupt.h"
#include "line/answerwords.h"
#include "settings/filewrite.h"

#include <QDir>

#include <algorithm>

namespace cli {

namespace {

using zt::commission::ModuleState;
using zt::link::FileOutcome;
using zt::link::ModuleLink;

QString utf8(const char *s) { return QString::fromUtf8(s); }

// The settings a refused write carried, and the exception code.
QString refusal(const QString &settings, int code)
{
    return utf8(text::Refused).arg(settings, zt::line::answerInWords(code));
}

QString outcomeInWords(int code)
{
    switch (code) {
    case Done: return utf8(text::OutcomeDone);
    case OtherType: return utf8(text::OutcomeOtherType);
    case BadFile: return utf8(text::OutcomeBadFile);
    case Refused: return utf8(text::OutcomeRefused);
    case NotKept: return utf8(text::OutcomeNotKept);
    case Interrupted: return utf8(text::OutcomeInterrupted);
    }
    return utf8(text::OutcomeNoAnswer);
}

} // namespace

// The check the window makes before it writes a file.
int Commands::checkFile(const zt::ModuleSettings &file, int *code)
{
    const zt::filewrite::Problem problem = zt::filewrite::check(file, link.module().typeName());
    switch (problem.kind) {
    case zt::filewrite::Problem::None: *code = Done; break;
    case zt::filewrite::Problem::WrongType:
        say(utf8(text::FileForOtherType).arg(inv.file, file.Name, link.module().typeName()));
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
    if (!loadFile(inv.file, &file, &code))
        return code;
    return inv.addresses.isEmpty() ? writeFile(file) : writeEach(file);
}

int Commands::writeFile(const zt::ModuleSettings &file)
{
    int code;
    if (!connectAndRead(ModuleState::Identification | ModuleState::Configuration, &code)
        || checkFile(file, &code) != Done)
        return code;

    const QVector<zt::commission::Difference> found =
        zt::commission::differences(zt::commission::settingsOf(link.module()), file);
    if (found.isEmpty())
        say(utf8(text::NoDifferences));
    for (const zt::commission::Difference &d : found)
        print(utf8(text::DifferenceLine).arg(d.setting, d.moduleValue, d.fileValue));
    if (inv.dryRun || found.isEmpty())
        return Done;
    return writeDifferences(file, found);
}

// The file to each module of the list in turn, each exactly as to one module,
// and its record after it where asked for; the exit code is the highest of
// the modules'. An interrupt ends the list.
int Commands::writeEach(const zt::ModuleSettings &file)
{
    if (!inv.reportDir.isEmpty() && !QDir().mkpath(inv.reportDir)) {
        say(utf8(text::ReportDirFailed).arg(inv.reportDir));
        return BadFile;
    }
    QVector<int> codes;
    for (int address : inv.addresses) {
        if (interrupt::requested()) {
            codes << Interrupted;
            continue;
        }
        say(utf8(text::EachModule).arg(address));
        Invocation one = inv;
        one.line.address = address;
        int code = Commands(one).writeFile(file);
        if (!inv.reportDir.isEmpty() && (code == Done || code == Refused || code == NotKept)) {
            one.command = Command::Report;
            one.fromFile = inv.file;
            one.file = QDir(inv.reportDir).filePath(QStringLiteral("%1.pdf").arg(address, 3, 10, QLatin1Char('0')));
            code = std::max(code, Commands(one).report());
        }
        codes << code;
    }
    for (int i = 0; i < codes.size(); ++i)
        print(utf8(text::EachSummary).arg(inv.addresses.at(i)).arg(outcomeInWords(codes.at(i))).arg(codes.at(i)));
    return *std::max_element(codes.cbegin(), codes.cend());
}

int Commands::writeDifferences(const zt::ModuleSettings &file, const QVector<zt::commission::Difference> &found)
{
    const QVector<zt::filewrite::Step> steps = zt::commission::stepsFor(found, file);
    interrupt::catchFromNowOn();
    link.setStopCheck(interrupt::requested);

    FileOutcome outcome = FileOutcome::LinkEnded;
    int confirmed = 0, sent = 0, refusalCode = 0;
    const QMetaObject::Connection result = QObject::connect(
        &link, &ModuleLink::fileWriteFinished, [&](FileOutcome o, int stepsConfirmed, int stepsSent, int code) {
            outcome = o;
            confirmed = stepsConfirmed;
            sent = stepsSent;
            refusalCode = code;
        });
    await([&] { link.writeFile(steps); });
    QObject::disconnect(result);
    if (outcome != FileOutcome::Done) {
        int code = NoAnswer;  // unconfirmed: said below, and the module read back
        switch (outcome) {
        case FileOutcome::Refused:
            say(refusal(zt::commission::settingNames(found, steps.at(confirmed).address), refusalCode));
            code = Refused;
            break;
        case FileOutcome::Stopped:
            say(utf8(text::Interrupted));
            code = Interrupted;
            break;
        case FileOutcome::LinkEnded: code = ended(); break;
        case FileOutcome::Unconfirmed:
        case FileOutcome::Done: break;
        }
        sayWhatWasWritten(steps, confirmed, sent, found);
        if (outcome == FileOutcome::Unconfirmed)
            sayWhatTheModuleHolds(file, found);
        return code;
    }

    const int code = readBlocks(ModuleState::Configuration);
    if (code != Done) {
        sayWhatWasWritten(steps, steps.size(), steps.size(), found);
        return code;
    }
    const QVector<zt::commission::Difference> left =
        zt::commission::differences(zt::commission::settingsOf(link.module()), file);
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
    if (readBlocks(ModuleState::Configuration) != Done)
        return;
    const QVector<zt::commission::Difference> left =
        zt::commission::differences(zt::commission::settingsOf(link.module()), file);
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
