// Commissioning from the window: the check that a module took a settings
// file, the comparison of a module with a file before any write, and the
// module record as a PDF. The window's read chain reads the blocks; once
// they have all come in, the question is answered.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/connection/connectionpanel.h"
#include "app/files/comparedialog.h"
#include "messages.h"
#include "userprompts.h"
#include "ztsettings.h"
#include "commission/comparison.h"
#include "commission/report.h"
#include "link/modulelink.h"
#include "report/pdfreport.h"

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
bool MainWindow::moduleReachable()
{
    if (!isConnected() || isOffline()) {
        prompts->critical(this, msg::ErrorTitle, msg::NeedModule);
        return false;
    }
    if (fileWriteRunning()) {
        prompts->critical(this, msg::ErrorTitle, msg::FileWriteBusy);
        return false;
    }
    return true;
}

// Calls `then` once the blocks have come in, as read by whatever request
// comes next; the caller asks for them, or knows the chain will. Nothing
// happens if the connection ends first; only the latest question is answered.
void MainWindow::afterNextRead(int blocks, std::function<void(const ModuleState &)> then)
{
    awaitedRead = {blocks, 0, std::move(then)};
}

void MainWindow::answerAwaitedRead(int blocks)
{
    awaitedRead.arrived |= blocks;
    if (!awaitedRead.then || (awaitedRead.arrived & awaitedRead.blocks) != awaitedRead.blocks)
        return;
    const auto then = std::move(awaitedRead.then);
    awaitedRead = {};
    then(link->module());
}

// After the write-from-file sequence: its re-read tells what the module took.
void MainWindow::verifyFileWrite()
{
    if (!link->isOpen())
        return;
    afterNextRead(ModuleState::Configuration, [this](const ModuleState &state) {
        const auto differences = zt::commission::differences(zt::commission::settingsOf(state), lastFileWritten.settings);
        if (differences.isEmpty())
            prompts->information(this, msg::SettingsTitle, msg::FileWriteDone);
        else
            prompts->critical(this, msg::ErrorTitle, notTakenText(differences));
    });
}

void MainWindow::on_action_file_compare_triggered()
{
    if (!moduleReachable())
        return;
    namespace sf = zt::settingsfile;
    const QString path = prompts->openFileName(sf::DialogCaption.text(), QString::fromUtf8(sf::DialogFilter));
    zt_settings file(prompts);
    if (path.isEmpty() || !loadSettingsFile(path, &file))
        return;
    const QString moduleType = zt::catalogue::name(zt::catalogue::positionOfCode(moduleCode));
    if (zt::filewrite::check(file, moduleType).kind == zt::filewrite::Problem::WrongType) {
        prompts->critical(this, msg::ErrorTitle, msg::FileForOtherModule);
        return;
    }
    const zt::ModuleSettings fromFile = file;
    afterNextRead(ModuleState::Configuration, [this, path, fromFile](const ModuleState &state) {
        auto *dialog = new CompareDialog(
            path, zt::commission::differences(zt::commission::settingsOf(state), fromFile), this);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->open();
    });
    link->read(ModuleState::Config); // the chain goes on from there
}

void MainWindow::on_action_file_report_triggered()
{
    if (!moduleReachable())
        return;
    QString path = prompts->saveFileName(msg::ReportCaption.text(), msg::ReportFilter.text());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    afterNextRead(ModuleState::Identification | ModuleState::Configuration | ModuleState::Live,
                  [this, path](const ModuleState &state) {
        zt::commission::ReportInput input;
        input.time = QDateTime::currentDateTime();
        // The port and the line, as ztconfig-cli's record names them.
        zt::line::LineSettings line = connection->settings();
        line.port = connection->lastPlace();
        input.port = zt::line::describeWithPort(line);
        input.state = state;
        if (lastFileWritten.on == link->lineNumber()) {
            input.settingsFile = lastFileWritten.path;
            input.differences = zt::commission::differences(zt::commission::settingsOf(state), lastFileWritten.settings);
        }
        QString error;
        if (zt::report::writePdf(zt::commission::reportHtml(input), path, &error))
            prompts->information(this, msg::ReportTitle, msg::ReportSaved.arg(path));
        else
            prompts->critical(this, msg::ErrorTitle, msg::ReportFailed.arg(path, error));
    });
    // The whole chain from the identification on, then the next poll.
    link->identify();
}
