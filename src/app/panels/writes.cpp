// Every change the window makes on a module is one holding-register write.
// This file holds that write, its completion messages, the reboot and reset
// commands, and the two commands that move a settings file: writing it to the
// module (the file commands' own) and showing it in the form.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/files/filecommands.h"

#include "messages.h"
#include "link/modulelink.h"
#include "module/registers.h"
#include "userprompts.h"
#include "ztsettings.h"

#include <QCloseEvent>

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

void MainWindow::on_BT_Set_Settings_clicked()
{
    fileCommands->writeChosenFile();
}

// Closing while a file is being written waits for the step on its way.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (fileCommands->mayClose())
        QMainWindow::closeEvent(event);
    else
        event->ignore();
}

void MainWindow::on_BT_Show_Settings_clicked()
{
    zt_settings file(prompts);
    if (!fileCommands->loadFile(ui->ED_FileName->text(), &file))
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
