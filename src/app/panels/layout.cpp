// Which panels and controls the form shows for the current module type.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/files/filecommands.h"

#include "messages.h"

#include <QLayout>

namespace {

using zt::ModuleLayout;

bool hasInput(const ModuleLayout &l, int ch) { return ch == 0 ? l.ch0Input : l.ch1Input; }
bool hasOutput(const ModuleLayout &l, int ch) { return ch == 0 ? l.ch0Input : l.ch1Input || l.secondOutput; }
bool isTI(const ModuleLayout &l, int ch) { return ch == 0 ? l.ch0TI : l.ch1TI; }
bool isRTD(const ModuleLayout &l, int ch) { return ch == 0 ? l.ch0RTD : l.ch1RTD; }
bool isP(const ModuleLayout &l, int ch) { return ch == 0 ? l.ch0P : l.ch1P; }
bool isAI(const ModuleLayout &l, int ch) { return ch == 0 && l.ch0AI; }

// Controls of one channel that appear together; %1 is the channel number.
struct ChannelGroup
{
    std::initializer_list<const char *> names;
    bool (*visible)(const ModuleLayout &, int channel, bool calibration);
};

const ChannelGroup channelGroups[] = {
    {{"CHB_INV_CH%1", "LB_TypeValue2_CH%1", "LB_INFO_OUT_CH%1", "ED_VALUE_OUT_CH%1"},
     [](const ModuleLayout &l, int ch, bool) { return hasOutput(l, ch); }},
    {{"LB_TypeValue0_CH%1", "LB_INFO_IN_CH%1", "ED_VALUE_%1"},
     [](const ModuleLayout &l, int ch, bool) { return hasInput(l, ch); }},
    {{"LB_CH%1", "LB_TypeValue1_CH%1", "LB_INFO_T_CH%1", "ED_VALUE_T_CH%1",
      "LB_INFO_VALUE_MIN_CH%1", "LB_INFO_VALUE_MAX_CH%1", "ED_VALUE_MIN_CH%1", "ED_VALUE_MAX_CH%1",
      "LB_TypeValue_MIN1_CH%1", "LB_TypeValueMAX1_CH%1", "BT_Set_MIN_CH%1", "BT_Set_MAX_CH%1"},
     [](const ModuleLayout &l, int ch, bool) { return isTI(l, ch) || isRTD(l, ch); }},
    {{"CB_Modul_range_CH%1", "CHB_TI_CH%1", "LB_INFO_T_XC_CH%1", "ED_VALUE_T_XC_CH%1"},
     [](const ModuleLayout &l, int ch, bool) { return isTI(l, ch); }},
    {{"CB_Modul_range_CH%1_2", "CB_RTD_CONNECT_CH%1", "LB_INFO_TYPE_RTD_CON_CH%1"},
     [](const ModuleLayout &l, int ch, bool) { return isRTD(l, ch); }},
    {{"LB_INFO_VALUE_P_MIN_CH%1", "LB_INFO_VALUE_P_MAX_CH%1", "ED_VALUE_P_MIN_CH%1", "ED_VALUE_P_MAX_CH%1",
      "LB_TypeValue_PMIN_CH%1", "LB_TypeValue_PMAX_CH%1", "BT_P_Set_MIN_CH%1", "BT_P_Set_MAX_CH%1"},
     [](const ModuleLayout &l, int ch, bool) { return isP(l, ch); }},
    {{"CHB_AI_FAST_CH%1"}, [](const ModuleLayout &l, int ch, bool) { return isAI(l, ch); }},
    {{"BT_CAL_MIN_%1", "BT_CAL_MAX_%1"},
     [](const ModuleLayout &l, int ch, bool calibration) { return hasInput(l, ch) && calibration; }},
    {{"LB_INFO_CAL_MIN_CH%1", "LB_INFO_CAL_MAX_CH%1"}, [](const ModuleLayout &, int, bool) { return false; }},
};

// Commands that would reach a module: off while no module can be reached.
const char *const onlineOnlyButtons[] = {
    "BT_MODUL_DEFAULT", "BT_MODUL_RESET", "BT_Open_Connect", "BT_Open_Connect_2",
    "BT_P_Set_MIN_CH0", "BT_P_Set_MAX_CH0", "BT_P_Set_MIN_CH1", "BT_P_Set_MAX_CH1",
    "BT_Set_MIN_CH0", "BT_Set_MAX_CH0", "BT_Set_MIN_CH1", "BT_Set_MAX_CH1",
    "BT_CAL_MIN_0", "BT_CAL_MAX_0", "BT_CAL_MIN_1", "BT_CAL_MAX_1",
};

constexpr int Channel1Tab = 1;
constexpr int Rs485Tab = 2;

} // namespace

bool MainWindow::isOffline() const
{
    return ui->action_demo->isChecked();
}

void MainWindow::setVis()
{
    const bool offline = isOffline();
    const bool calibration = ui->action_cal_show->isChecked();

    ui->BT_Set_Settings->setVisible(!offline);
    ui->BT_Show_Settings->setVisible(offline);

    ui->tabWidget->setTabVisible(Channel1Tab, layout.ch1Input || layout.secondOutput);
    ui->tabWidget->setTabVisible(Rs485Tab, layout.plbModule);

    for (const char *name : onlineOnlyButtons)
        findChild<QWidget *>(QLatin1String(name))->setEnabled(!offline);
    ui->cbPorts->setEnabled(!isConnected() && !offline);

    ui->BT_MODUL_DEFAULT->setVisible(layout.modulePresent);
    ui->BT_MODUL_RESET->setVisible(layout.modulePresent);
    for (const ChannelGroup &group : channelGroups) {
        for (int ch = 0; ch < 2; ++ch) {
            const bool visible = group.visible(layout, ch, calibration);
            for (const char *pattern : group.names) {
                // Channel 1 has no fast-conversion box.
                if (auto *widget = channelWidget<QWidget>(pattern, ch))
                    widget->setVisible(visible);
            }
        }
    }
    ui->TE_HINT->setVisible(layout.modulePresent && calibration);

    for (QWidget *button : {ui->BT_FileSaveas, ui->BT_Load_file_name, ui->BT_Set_Settings, ui->BT_Show_Settings})
        button->setEnabled(true);

    applyUnitLabels();

    // A settings file being written keeps the commands that would disturb it off.
    if (fileCommands->isWriting())
        fileCommands->setControlsEnabled(false);

    // Hiding a widget that was never shown leaves the layouts' cached sizes
    // as they were with every control present; the window would then open
    // wider than the form.
    for (QLayout *l : findChildren<QLayout *>())
        l->invalidate();
}

void MainWindow::applyUnitLabels()
{
    const auto setLabels = [this](const zt::catalogue::UnitLabels &labels) {
        if (!labels.ch0.isNull())
            ui->LB_TypeValue0_CH0->setText(labels.ch0);
        if (!labels.ch1.isNull())
            ui->LB_TypeValue0_CH1->setText(labels.ch1);
    };
    const int position = zt::catalogue::positionOfCode(moduleCode);
    if (position > 0) {
        ui->CB_Modul_name->setCurrentText(zt::catalogue::name(position));
        setLabels(zt::catalogue::unitLabelsForCode(moduleCode));
    }
    if (isOffline())
        setLabels(zt::catalogue::unitLabelsForPosition(ui->CB_Modul_name->currentIndex()));
}

void MainWindow::setDefault()
{
    layout = zt::ModuleLayout();
    moduleCode = 0;
    ui->ED_Rev->clear();
    setVis();
}

void MainWindow::on_CB_Modul_name_currentTextChanged(const QString &name)
{
    if (isOffline()) {
        setDefault();
        layout = zt::catalogue::layout(zt::catalogue::positionOfName(name));
        setVis();
    }
    setHitsText();
}
