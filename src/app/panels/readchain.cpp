// The read chain: identification, configuration, options, limits and
// inversion, each requested by the reply to the one before, then the live
// values on every poll tick. The form is the only store of what was read.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "userprompts.h"
#include "channels/ranges.h"
#include "module/codec.h"
#include "module/registers.h"

#include <QTimer>

namespace {
constexpr int PollMs = 700;

void showLiveValue(QLineEdit *field, float value)
{
    const zt::LiveText shown = zt::liveText(value);
    field->setText(shown.text);
    field->setToolTip(shown.toolTip);
}
} // namespace

void MainWindow::onSetReadStendData(QModbusDataUnit unit)
{
    const QVector<quint16> r = unit.values();
    bool decoded = true;
    switch (unit.startAddress()) {
    case zt::reg::IdentBlock:
        decoded = showIdentification(r);
        break;
    case zt::reg::LiveBlock:
        decoded = showLiveValues(r);
        break;
    case zt::reg::ConfigBlock:
        decoded = showConfiguration(r);
        break;
    case zt::reg::OptionBlock:
        decoded = showOptions(r);
        break;
    case zt::reg::LimitBlock:
        decoded = showLimits(r);
        break;
    case zt::reg::Inversion:
        decoded = showInversion(r);
        break;
    default:
        break;
    }
    watchdogTimer->stop();
    // A reply too short for its block is no answer to trust: it ends the
    // attempt or the connection like a failed read.
    if (!decoded)
        onModulReadDataError();
}

bool MainWindow::showIdentification(const QVector<quint16> &r)
{
    if (r.size() < zt::reg::IdentCount)
        return false;
    const zt::Identification id = zt::decodeIdentification(r);
    if (!id.valid) {
        watchdogTimer->stop();
        disconnectFromModule();
        prompts->critical(this, msg::ErrorTitle, msg::DeviceNotRecognised);
        return true;
    }
    moduleCode = id.moduleCode;
    ui->ED_Rev->setText(id.firmware);
    if (id.plb)
        showRs485Settings(id.plbAddress, id.plbSpeedCode, id.plbFormatCode);
    layout = zt::catalogue::layoutForCode(moduleCode);
    forgetTypedLimits();  // a new connection, perhaps another type
    emit moduleIdentified(moduleCode);

    moduleConnected = true;
    ui->BT_Open_Connect->setText(msg::Disconnect);
    ui->BT_Open_Connect->setEnabled(true);
    setVis();
    requestBlock(QModbusDataUnit::HoldingRegisters, zt::reg::ConfigBlock, zt::reg::ConfigCount);
    pollTimer->stop();
    return true;
}

bool MainWindow::showConfiguration(const QVector<quint16> &r)
{
    zt::ConfigValues config;
    if (!zt::decodeConfig(r, &config))
        return false;
    // A re-read scheduled before a settings file started being written would
    // show a half-written module and echo it back between the file's steps;
    // the sequence ends with a re-read of its own.
    if (fileWriteRunning())
        return true;
    for (int ch = 0; ch < 2; ++ch) {
        const zt::ranges::RangeSelection range = zt::ranges::rangeSelectionForCode(config.range[ch]);
        if (range.list == zt::ranges::RangeList::Rtd)
            channelWidget<QComboBox>("CB_Modul_range_CH%1_2", ch)->setCurrentIndex(range.row);
        else // a code outside both lists leaves the thermocouple list without a selection
            channelWidget<QComboBox>("CB_Modul_range_CH%1", ch)->setCurrentIndex(range.row);
        channelWidget<QLineEdit>("ED_VALUE_P_MIN_CH%1", ch)->setText(zt::formatFloat(config.pLimitMin[ch]));
        channelWidget<QLineEdit>("ED_VALUE_P_MAX_CH%1", ch)->setText(zt::formatFloat(config.pLimitMax[ch]));
    }
    requestBlock(QModbusDataUnit::HoldingRegisters, zt::reg::OptionBlock, zt::reg::OptionCount);
    return true;
}

bool MainWindow::showOptions(const QVector<quint16> &r)
{
    zt::OptionValues options;
    if (!zt::decodeOptions(r, &options))
        return false;
    ui->CHB_TI_CH0->setChecked(options.coldJunction);
    ui->CHB_TI_CH1->setChecked(options.coldJunction);
    ui->CHB_AI_FAST_CH0->setChecked(options.fastConversion0);
    requestBlock(QModbusDataUnit::HoldingRegisters, zt::reg::LimitBlock, zt::reg::LimitCount);
    return true;
}

bool MainWindow::showLimits(const QVector<quint16> &r)
{
    zt::LimitValues limits;
    if (!zt::decodeLimits(r, &limits))
        return false;
    for (int ch = 0; ch < 2; ++ch) {
        showLimitText(ch, Limit::Lower, limits.min[ch]);
        showLimitText(ch, Limit::Upper, limits.max[ch]);
        channelWidget<QComboBox>("CB_RTD_CONNECT_CH%1", ch)->setCurrentIndex(zt::ranges::wiringRowOfCode(limits.wiring[ch]));
    }
    requestBlock(QModbusDataUnit::HoldingRegisters, zt::reg::Inversion, zt::reg::InversionCount);
    return true;
}

bool MainWindow::showInversion(const QVector<quint16> &r)
{
    if (r.size() < zt::reg::InversionCount)
        return false;
    showInversionWord(r[0]);
    pollTimer->start(PollMs);
    onTimerReadData(); // the first live values now, not a poll interval later
    return true;
}

bool MainWindow::showLiveValues(const QVector<quint16> &r)
{
    liveReadOutstanding = false;
    zt::LiveValues live;
    if (!zt::decodeLive(r, &live))
        return false;
    for (int ch = 0; ch < 2; ++ch) {
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_%1", ch), live.input[ch]);
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_T_CH%1", ch), live.temperature[ch]);
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_OUT_CH%1", ch), live.output[ch]);
        showLiveValue(channelWidget<QLineEdit>("ED_VALUE_T_XC_CH%1", ch), live.coldJunction[ch]);
    }
    emit liveValuesRead(live);
    return true;
}
