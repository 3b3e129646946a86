// Commissioning from the window: the check that a module took a settings
// file, the comparison of a module with a file before any write, and the
// module record as a PDF.

#include "app/files/filecommands.h"

#include "app/files/comparedialog.h"
#include "messages.h"
#include "userprompts.h"
#include "ztsettings.h"
#include "commission/comparison.h"
#include "commission/modulestate.h"
#include "commission/report.h"
#include "line/linesettings.h"
#include "link/modulelink.h"
#include "report/pdfreport.h"
#include "settings/filewrite.h"

#include <QFileInfo>

namespace {

using zt::commission::ModuleState;

QString notTakenText(const QVector<zt::commission::Difference> &differences)
{
    QStringList lines;
    for (const zt::commission::Difference &d : differences)
        lines << msg::FileNotTakenLine.arg(d.setting, d.moduleValue, d.fileValue);
    return msg::FileNotTaken.arg(lines.join(QLatin1Char('\n')));
}

} // namespace

// A connected module that no settings file is being written to; says why not.
bool FileCommands::moduleReachable()
{
    if (!window.isConnected() || window.isOffline()) {
        critical(msg::NeedModule);
        return false;
    }
    if (isWriting()) {
        critical(msg::FileWriteBusy);
        return false;
    }
    return true;
}

// Calls `then` once the blocks have come in, as read by whatever request
// comes next; the caller asks for them, or knows the chain will. Nothing
// happens if the connection ends first; only the latest question is answered.
void FileCommands::afterNextRead(int blocks, std::function<void(const ModuleState &)> then)
{
    awaitedRead = {blocks, 0, std::move(then)};
}

void FileCommands::forgetQuestion()
{
    awaitedRead = {};
}

void FileCommands::blocksShown(int blocks)
{
    awaitedRead.arrived |= blocks;
    if (!awaitedRead.then || (awaitedRead.arrived & awaitedRead.blocks) != awaitedRead.blocks)
        return;
    const auto then = std::move(awaitedRead.then);
    awaitedRead = {};
    then(link->module());
}

// After the write-from-file sequence: its re-read tells what the module took.
void FileCommands::verifyFileWrite()
{
    if (!link->isOpen())
        return;
    afterNextRead(ModuleState::Configuration, [this](const ModuleState &state) {
        const auto differences = zt::commission::differences(zt::commission::settingsOf(state), lastWritten.settings);
        if (differences.isEmpty())
            window.prompts->information(window.widget, msg::SettingsTitle, msg::FileWriteDone);
        else
            critical(notTakenText(differences));
    });
}

void FileCommands::compare()
{
    if (!moduleReachable())
        return;
    namespace sf = zt::settingsfile;
    const QString path = window.prompts->openFileName(sf::DialogCaption.text(), QString::fromUtf8(sf::DialogFilter));
    zt_settings file(window.prompts);
    if (path.isEmpty() || !loadFile(path, &file))
        return;
    if (zt::filewrite::check(file, link->module().typeName()).kind == zt::filewrite::Problem::WrongType) {
        critical(msg::FileForOtherModule);
        return;
    }
    const zt::ModuleSettings fromFile = file;
    afterNextRead(ModuleState::Configuration, [this, path, fromFile](const ModuleState &state) {
        auto *dialog = new CompareDialog(
            path, zt::commission::differences(zt::commission::settingsOf(state), fromFile), window.widget);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    link->read(ModuleState::Config); // the chain goes on from there
}

void FileCommands::report()
{
    if (!moduleReachable())
        return;
    QString path = window.prompts->saveFileName(msg::ReportCaption.text(), msg::ReportFilter.text());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    afterNextRead(ModuleState::Identification | ModuleState::Configuration | ModuleState::Live,
                  [this, path](const ModuleState &state) {
        zt::commission::ReportInput input;
        input.time = QDateTime::currentDateTime();
        // The port and the line in use, as ztconfig-cli's record names them.
        input.port = zt::line::describeWithPort(link->line());
        input.state = state;
        if (lastWritten.on == link->lineNumber()) {
            input.settingsFile = lastWritten.path;
            input.differences = zt::commission::differences(zt::commission::settingsOf(state), lastWritten.settings);
        }
        QString error;
        if (zt::report::writePdf(zt::commission::reportHtml(input), path, &error))
            window.prompts->information(window.widget, msg::ReportTitle, msg::ReportSaved.arg(path));
        else
            critical(msg::ReportFailed.arg(path, error));
    });
    // The whole chain from the identification on, then the next poll.
    link->identify();
}
