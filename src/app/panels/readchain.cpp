// The read chain: identification, configuration, options, limits and
// inversion, each asked of the module link once the one before is shown (in
// the link's read order), then the live values on every poll tick. What a
// block shows may write it back (the form's handlers): that write goes out
// before the next block is read.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/files/filecommands.h"

#include "messages.h"
#include "channels/ranges.h"
#include "link/blockreads.h"
#include "link/modulelink.h"
#include "module/codec.h"

namespace {
constexpr int PollMs = 700;

void showLiveValue(QLineEdit *field, float value)
{
    const zt::LiveText shown = zt::liveText(value);
    field->setText(shown.text);
    field->setToolTip(shown.toolTip);
}
} // namespace

using zt::commission::ModuleState;

// A reply as if the transport had delivered it.
void MainWindow::onSetReadStendData(QModbusDataUnit unit)
{
    link->takeReply(unit);
}

void MainWindow::showIdentification(const ModuleState &module)
{
    const zt::Identification &id = module.id;
    moduleCode = id.moduleCode;
    ui->ED_Rev->setText(id.firmware);
    if (id.plb)
        showRs485Settings(id.plbAddress, id.plbSpeedCode, id.plbFormatCode);
    layout = zt::catalogue::layoutForCode(moduleCode);
    forgetTypedLimits();  // a new connection, perhaps another type

    ui->BT_Open_Connect->setText(msg::Disconnect);
    ui->BT_Open_Connect->setEnabled(true);
    setVis();
}

void MainWindow::showBlocks(int blocks)
{
    const ModuleState &module = link->module();
    // A re-read scheduled before a settings file started being written would
    // show a half-written module and echo it back between the file's steps;
    // the sequence ends with a re-read of its own.
    if ((blocks & ModuleState::Config) && !fileCommands->isWriting())
        showConfiguration(module.config);
    if (blocks & ModuleState::Options)
        showOptions(module.options);
    if (blocks & ModuleState::Limits)
        showLimits(module.limits);
    if (blocks & ModuleState::Inversion)
        showInversionWord(module.inversion.word);
    fileCommands->blocksShown(blocks);

    const int next = zt::link::nextBlock(blocks);
    if (next == ModuleState::Live) {
        if (!isOffline())
            link->startPolling(PollMs); // the first live values now, not a poll interval later
    } else if (next) {
        link->read(next);
    }
}

void MainWindow::showConfiguration(const zt::ConfigValues &config)
{
    for (int ch = 0; ch < 2; ++ch) {
        const zt::ranges::RangeSelection range = zt::ranges::rangeSelectionForCode(config.range[ch]);
        if (range.list == zt::ranges::RangeList::Rtd)
            channelWidget<QComboBox>("CB_Modul_range_CH%1_2", ch)->setCurrentIndex(range.row);
        else // a code outside both lists leaves the thermocouple list without a selection
            channelWidget<QComboBox>("CB_Modul_range_CH%1", ch)->setCurrentIndex(range.row);
        channelWidget<QLineEdit>("ED_VALUE_P_MIN_CH%1", ch)->setText(zt::formatFloat(config.pLimitMin[ch]));
        channelWidget<QLineEdit>("ED_VALUE_P_MAX_CH%1", ch)->setText(zt::formatFloat(config.pLimitMax[ch]));
    }
}

void MainWindow::showOptions(const zt::OptionValues &options)
{
    ui->CHB_TI_CH0->setChecked(options.coldJunction);
    ui->CHB_TI_CH1->setChecked(options.coldJunction);
    ui->CHB_AI_FAST_CH0->setChecked(options.fastConversion0);
}

void MainWindow::showLimits(const zt::LimitValues &limits)
{
    for (int ch = 0; ch < 2; ++ch) {
        showLimitText(ch, Limit::Lower, limits.min[ch]);
        showLimitText(ch, Limit::Upper, limits.max[ch]);
        channelWidget<QComboBox>("CB_RTD_CONNECT_CH%1", ch)->setCurrentIndex(zt::ranges::wiringRowOfCode(limits.wiring[ch]));
    }
}

void MainWindow::showLiveValues(const zt::LiveValues &live)
{
    for (int ch = 0; ch < 2; ++ch) {
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_%1", ch), live.input[ch]);
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_T_CH%1", ch), live.temperature[ch]);
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_OUT_CH%1", ch), live.output[ch]);
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_T_XC_CH%1", ch), live.coldJunction[ch]);
    }
    fileCommands->blocksShown(ModuleState::Live);
}
