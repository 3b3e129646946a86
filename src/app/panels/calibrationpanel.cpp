// Calibration mode: the hint that names the signal to apply, and the four
// calibration commands of the channel tabs.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "channels/calibration.h"
#include "messages.h"
#include "link/modulelink.h"
#include "userprompts.h"

namespace {
constexpr int PollMs = 700;
} // namespace

void MainWindow::on_action_cal_show()
{
    if (ui->action_cal_show->isChecked()
        && !prompts->question(this, msg::CalibrationTitle, msg::CalibrationModeQuestion))
        ui->action_cal_show->setChecked(false);
    setVis();
    setHitsText();
}

void MainWindow::on_BT_CAL_MIN_0_clicked() { calibrate(0, false); }
void MainWindow::on_BT_CAL_MAX_0_clicked() { calibrate(0, true); }
void MainWindow::on_BT_CAL_MIN_1_clicked() { calibrate(1, false); }
void MainWindow::on_BT_CAL_MAX_1_clicked() { calibrate(1, true); }

void MainWindow::calibrate(int channel, bool gain)
{
    const zt::calibration::Step step = zt::calibration::step(channel, gain);
    // The module measures its input while it calibrates; the first step of
    // the usual order keeps the line quiet from the question on.
    if (channel == 0 && !gain)
        link->stopPolling();
    if (!prompts->question(this, msg::CalibrationTitle, QCoreApplication::translate("zt::calibration", step.question))) {
        if (isConnected())
            link->startPolling(PollMs);
        return;
    }
    // The link may have gone while the question was open: then nothing is
    // sent and no completion is awaited.
    if (!link->isOpen() || isOffline())
        return;
    expectCompletion(WriteNewValueZT(zt::link::Purpose::Calibration, step.address, 0), Completion::Calibrated);
}

void MainWindow::on_tabWidget_currentChanged(int)
{
    setHitsText();
}

void MainWindow::setHitsText()
{
    // A one-input type calibrates channel 0 whichever tab is shown.
    const int channel = ui->tabWidget->currentIndex() == 0 || !layout.ch1Input ? 0 : 1;
    ui->TE_HINT->setText(zt::calibration::hintText(
        ui->CB_Modul_name->currentIndex(),
        channelWidget<QComboBox>("CB_Modul_range_CH%1", channel)->currentIndex(),
        channelWidget<QComboBox>("CB_Modul_range_CH%1_2", channel)->currentIndex(),
        ui->ED_Rev->text()));
}
