// Every change the window makes on a module is one holding-register write.
// This file holds that write, its completion messages, the reboot and reset
// commands, and the two commands that move a settings file: writing it to the
// module step by step, and showing it in the form.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "modbus/logging.h"
#include "link/modulelink.h"
#include "module/catalogue.h"
#include "module/registers.h"
#include "settings/filewrite.h"
#include "userprompts.h"
#include "ztsettings.h"

#include <QCloseEvent>
#include <QTimer>

using zt::link::Purpose;

int MainWindow::WriteNewValueZT(zt::link::Purpose purpose, int address, quint16 value)
{
    if (isOffline()) {
        onShowStatus(msg::OfflineNoTransfer);
        return 0;
    }
    link->stopPolling(); // until the re-read's chain ends
    return link->write(purpose, address, {value});
}

void MainWindow::onWriteDataEnd(int request, zt::link::Purpose, zt::link::WriteOutcome outcome)
{
    // Writes pending when the link ended: its end tells why.
    if (!link->isOpen())
        return;
    if (outcome.kind != zt::link::WriteOutcome::Confirmed) {
        const QString failure = link->failureText();
        disconnectFromModule();
        reportFailedWrite(outcome.code, failure);
        return;
    }
    showCompletion(request);
}

// The box that says a command was done belongs to the module's answer to
// that command, not to whichever write is confirmed next.
void MainWindow::expectCompletion(int request, Completion message)
{
    if (request != 0)
        completions.insert(request, message);
}

void MainWindow::showCompletion(int request)
{
    if (!completions.contains(request))
        return;
    const Completion message = completions.take(request);
    // Writes sent together for the same box (a limit set twice before the
    // first answer) show it once.
    for (auto it = completions.begin(); it != completions.end();)
        it = it.value() == message ? completions.erase(it) : std::next(it);
    switch (message) {
    case Completion::Written: prompts->information(this, msg::WriteTitle, msg::WriteDone); break;
    case Completion::Calibrated: prompts->information(this, msg::CalibrationTitle, msg::CalibrationDone); break;
    case Completion::Rebooted: prompts->information(this, msg::WriteTitle, msg::Rebooted); break;
    case Completion::Reset: prompts->information(this, msg::WriteTitle, msg::FactoryReset); break;
    }
}

void MainWindow::clearPendingMessages()
{
    completions.clear();
}

void MainWindow::on_BT_MODUL_RESET_clicked()
{
    expectCompletion(WriteNewValueZT(Purpose::Reboot, zt::reg::Reboot, zt::reg::RebootKey),
                     Completion::Rebooted);
}

void MainWindow::on_BT_MODUL_DEFAULT_clicked()
{
    expectCompletion(WriteNewValueZT(Purpose::Reset, zt::reg::FactoryReset, zt::reg::FactoryResetKey),
                     Completion::Reset);
}

// Loads a settings file for a command, saying why when it cannot.
bool MainWindow::loadSettingsFile(const QString &path, zt_settings *into)
{
    namespace sf = zt::settingsfile;
    if (path.isEmpty()) {
        prompts->critical(this, msg::ErrorTitle, msg::NoFileChosen);
        return false;
    }
    zt::settingsfile::LoadError error;
    if (into->LoadZTSetting(path, &error) == sf::Status::Ok)
        return true;
    prompts->critical(this, msg::ErrorTitle, sf::errorText(path, error));
    return false;
}

// The file is read and checked once; the steps write that copy, whatever
// happens to the file or to the chosen name meanwhile.
void MainWindow::on_BT_Set_Settings_clicked()
{
    if (fileWriteRunning())
        return;
    zt_settings file(prompts);
    if (!loadSettingsFile(ui->ED_FileName->text(), &file))
        return;
    const QString moduleType = zt::catalogue::name(zt::catalogue::positionOfCode(moduleCode));
    const zt::filewrite::Problem problem = zt::filewrite::check(file, isConnected() ? moduleType : QString());
    if (problem.kind == zt::filewrite::Problem::WrongType) {
        prompts->critical(this, msg::ErrorTitle, msg::FileForOtherModule);
        return;
    }
    if (problem.kind == zt::filewrite::Problem::BadValue) {
        prompts->critical(this, msg::ErrorTitle, msg::FileBadValue.arg(problem.key, problem.value));
        return;
    }
    if (problem.kind == zt::filewrite::Problem::MissingKey) {
        prompts->critical(this, msg::ErrorTitle, msg::FileMissingKey.arg(ui->ED_FileName->text(), problem.key));
        return;
    }

    link->stopPolling();
    lastFileWritten = {ui->ED_FileName->text(), file, link->lineNumber()};
    setFileWriteControlsEnabled(false);
    link->writeFile(zt::filewrite::plan(file)); // ends with a re-read of its own
}

bool MainWindow::fileWriteRunning() const
{
    return link->isWritingFile();
}

void MainWindow::onFileWriteFinished(zt::link::FileOutcome outcome, int confirmed)
{
    setVis();
    if (outcome == zt::link::FileOutcome::Done) {
        // The module now holds the file's limits, whatever was typed before.
        forgetTypedLimits();
        verifyFileWrite();  // "Запись настроек завершена" once the re-read shows the file
    } else if (closeAfterFileWrite) {
        logInterruptedFileWrite(confirmed);
        // Inside closeEvent() when no step was on its way: that close goes on.
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                close();
        });
    } else {
        // Stopped only by offline mode; a refused or unanswered step ends the link first.
        const QString reason = outcome == zt::link::FileOutcome::Stopped ? msg::AbortOffline : msg::AbortLinkClosed;
        prompts->critical(this, msg::ErrorTitle, msg::FileWriteAborted.arg(reason));
    }
}

// Closing while a file is being written: the write in flight ends first, the
// steps after it are not sent, and the log tells what the module took.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (fileWriteRunning() && !closeAfterFileWrite) {
        if (!prompts->question(this, msg::SettingsTitle, msg::FileWriteCloseQuestion)) {
            event->ignore();
            return;
        }
        closeAfterFileWrite = true;
        link->stopFile();
    }
    if (fileWriteRunning()) {
        event->ignore();  // the step's outcome closes again
        return;
    }
    QMainWindow::closeEvent(event);
}

// The steps are those planned from the file written, the first `confirmed` taken.
void MainWindow::logInterruptedFileWrite(int confirmed) const
{
    const QVector<zt::filewrite::Step> steps = zt::filewrite::plan(lastFileWritten.settings);
    QStringList taken, notTaken;
    for (int i = 0; i < steps.size(); ++i) {
        const zt::filewrite::Step &step = steps.at(i);
        const QString address = QStringLiteral("0x") + QString::number(step.address, 16).toUpper();
        if (!step.write)
            continue;
        if (i < confirmed)
            taken << QStringLiteral("%1 = %2").arg(address).arg(step.value);
        else
            notTaken << address;
    }
    qCWarning(lcApp).noquote() << QStringLiteral("Settings file write stopped as the window closed. Taken by the module: %1. Not written: %2.")
                                      .arg(taken.isEmpty() ? QStringLiteral("none") : taken.join(QLatin1String(", ")),
                                           notTaken.isEmpty() ? QStringLiteral("none") : notTaken.join(QLatin1String(", ")));
}

// Controls that would start another command while a file is being written.
void MainWindow::setFileWriteControlsEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{
             ui->BT_MODUL_DEFAULT, ui->BT_MODUL_RESET, ui->BT_Open_Connect, ui->BT_Open_Connect_2,
             ui->BT_P_Set_MAX_CH0, ui->BT_P_Set_MAX_CH1, ui->BT_P_Set_MIN_CH0, ui->BT_P_Set_MIN_CH1,
             ui->BT_Set_MAX_CH0, ui->BT_Set_MAX_CH1, ui->BT_Set_MIN_CH0, ui->BT_Set_MIN_CH1,
             ui->BT_FileSaveas, ui->BT_Load_file_name, ui->BT_Set_Settings, ui->BT_Show_Settings, ui->cbPorts})
        w->setEnabled(enabled);
}

void MainWindow::on_BT_Show_Settings_clicked()
{
    zt_settings file(prompts);
    if (!loadSettingsFile(ui->ED_FileName->text(), &file))
        return;
    ui->CB_Modul_name->setCurrentText(file.Name);
    applySettings(file, RangeLists::Both);
}

// Puts a file into the form. The controls' handlers run as for a user's
// change; in offline mode their writes go nowhere.
void MainWindow::applySettings(const zt::ModuleSettings &file, RangeLists lists)
{
    // Decided by the type, not by what is on screen: a list on a tab that is
    // not current is not visible either.
    const bool thermocouple = lists == RangeLists::Both || layout.ch0TI;
    const bool rtd = lists == RangeLists::Both || layout.ch0RTD;
    for (int ch = 0; ch < 2; ++ch) {
        if (thermocouple)
            channelWidget<QComboBox>("CB_Modul_range_CH%1", ch)->setCurrentIndex(file.range(ch));
        if (rtd)
            channelWidget<QComboBox>("CB_Modul_range_CH%1_2", ch)->setCurrentIndex(file.range(ch));
    }
    ui->CB_RTD_CONNECT_CH0->setCurrentIndex(file.RTDConnect_CH0);
    ui->CB_RTD_CONNECT_CH1->setCurrentIndex(file.RTDConnect_CH1);
    ui->CHB_AI_FAST_CH0->setChecked(file.AIFast_CH0);
    ui->CHB_INV_CH0->setChecked(file.INVout_CH0);
    ui->CHB_INV_CH1->setChecked(file.INVout_CH1);
    ui->CHB_TI_CH0->setChecked(file.TI_CH0);
    ui->CHB_TI_CH1->setChecked(file.TI_CH1);
    ui->ED_VALUE_MIN_CH0->setText(QString::number(file.MinValue_CH0));
    ui->ED_VALUE_MIN_CH1->setText(QString::number(file.MinValue_CH1));
    ui->ED_VALUE_MAX_CH0->setText(QString::number(file.MaxValue_CH0));
    ui->ED_VALUE_MAX_CH1->setText(QString::number(file.MaxValue_CH1));
}
