// File commands of the window: choose a settings file, open one, save the
// form to one.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/files/filecommands.h"

#include "channels/ranges.h"
#include "messages.h"
#include "module/catalogue.h"
#include "settings/settinguse.h"
#include "userprompts.h"
#include "ztsettings.h"

namespace sf = zt::settingsfile;

void MainWindow::on_BT_Load_file_name_clicked()
{
    ui->ED_FileName->setText(prompts->openFileName(sf::DialogCaption.text(),
                                                   QString::fromUtf8(sf::DialogFilter)));
}

// Outside offline mode only chooses the file; in offline mode also puts it
// into the form, for the type that is selected.
void MainWindow::onLoadZTSetting()
{
    zt_settings file(prompts);
    const QString path = prompts->openFileName(sf::DialogCaption.text(), QString::fromUtf8(sf::DialogFilter));
    ui->ED_FileName->setText(path);
    if (!isOffline() || path.isEmpty())
        return;
    if (fileCommands->loadFile(path, &file))
        applySettings(file, RangeLists::OfSelectedType);
}

void MainWindow::onSaveZTSetting()
{
    zt_settings file(prompts);
    if (!formSettings(&file))
        return;
    const sf::Status status = file.SaveZTSetting();
    if (status != sf::Status::Ok && !file.FileName.isEmpty())
        prompts->critical(this, msg::ErrorTitle, msg::FileSaveFailed.arg(file.FileName));
}

void MainWindow::on_BT_FileSaveas_clicked()
{
    if (ui->CB_Modul_name->currentText().isEmpty()) {
        prompts->critical(this, msg::ErrorTitle, msg::NoModuleChosen);
        return;
    }
    onSaveZTSetting();
}

// The form as a settings file; false, after saying which field, when a limit
// is no whole number within its range: saved as 0, it would later go into
// modules as if chosen.
bool MainWindow::formSettings(zt::ModuleSettings *file)
{
    file->Name = ui->CB_Modul_name->currentText();
    const zt::catalogue::InputKind kind = zt::catalogue::inputKind(zt::catalogue::positionOfName(file->Name));
    const char *rangeList = kind == zt::catalogue::InputKind::Thermocouple ? "CB_Modul_range_CH%1"
                          : kind == zt::catalogue::InputKind::Rtd        ? "CB_Modul_range_CH%1_2"
                                                                          : nullptr;
    if (rangeList) {
        file->Range_CH0 = channelWidget<QComboBox>(rangeList, 0)->currentIndex();
        file->Range_CH1 = channelWidget<QComboBox>(rangeList, 1)->currentIndex();
    }
    file->RTDConnect_CH0 = ui->CB_RTD_CONNECT_CH0->currentIndex();
    file->RTDConnect_CH1 = ui->CB_RTD_CONNECT_CH1->currentIndex();
    file->AIFast_CH0 = ui->CHB_AI_FAST_CH0->isChecked();
    file->INVout_CH0 = ui->CHB_INV_CH0->isChecked();
    file->INVout_CH1 = ui->CHB_INV_CH1->isChecked();
    file->TI_CH0 = ui->CHB_TI_CH0->isChecked();
    file->TI_CH1 = ui->CHB_TI_CH1->isChecked();

    // Judged as a file written to a module would be: only the limits the type
    // has, within their channel's range. The others are kept as typed when
    // they are numbers at all.
    const zt::ModuleLayout type = zt::catalogue::layout(zt::catalogue::positionOfName(file->Name));
    struct Limit { int *value; const char *edit; const char *caption; int channel; sf::Setting setting; };
    for (const Limit &limit : {Limit{&file->MinValue_CH0, "ED_VALUE_MIN_CH%1", "LB_INFO_VALUE_MIN_CH%1", 0, sf::Setting::Lower},
                               Limit{&file->MaxValue_CH0, "ED_VALUE_MAX_CH%1", "LB_INFO_VALUE_MAX_CH%1", 0, sf::Setting::Upper},
                               Limit{&file->MinValue_CH1, "ED_VALUE_MIN_CH%1", "LB_INFO_VALUE_MIN_CH%1", 1, sf::Setting::Lower},
                               Limit{&file->MaxValue_CH1, "ED_VALUE_MAX_CH%1", "LB_INFO_VALUE_MAX_CH%1", 1, sf::Setting::Upper}}) {
        const bool judged = sf::typeUses(type, limit.setting, limit.channel);
        zt::ranges::Bounds bounds;
        sf::limitBounds(type, limit.channel, file->range(limit.channel), &bounds);
        const zt::ranges::LimitCheck check =
            zt::ranges::checkLimit(channelWidget<QLineEdit>(limit.edit, limit.channel)->text(), bounds);
        *limit.value = check.value;
        if (judged && check.verdict != zt::ranges::LimitVerdict::Ok) {
            prompts->critical(this, msg::ErrorTitle,
                              msg::LimitNotSaved.text()
                                  .arg(channelWidget<QLabel>(limit.caption, limit.channel)->text())
                                  .arg(limit.channel));
            return false;
        }
    }
    return true;
}

void MainWindow::on_action_file_compare_triggered()
{
    fileCommands->compare();
}

void MainWindow::on_action_file_report_triggered()
{
    fileCommands->report();
}
