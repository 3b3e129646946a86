#include "linesettingsdialog.h"
#include "ui_linesettingsdialog.h"

#include "messages.h"

#include <QPushButton>

namespace line = zt::line;

LineSettingsDialog::LineSettingsDialog(const line::LineSettings &settings, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LineSettingsDialog)
{
    ui->setupUi(this);
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(msg::CancelButton);
    for (int speed : line::speeds())
        ui->CB_Speed->addItem(QString::number(speed), speed);
    for (const line::Format &format : line::formats())
        ui->CB_Format->addItem(line::formatName(format));
    ui->CB_Speed->setCurrentIndex(line::speeds().indexOf(settings.baudRate));
    ui->CB_Format->setCurrentIndex(line::formats().indexOf(settings.format));
    ui->NumB_Address->setValue(settings.address);
}

LineSettingsDialog::~LineSettingsDialog()
{
    delete ui;
}

line::LineSettings LineSettingsDialog::settings() const
{
    line::LineSettings chosen;
    chosen.baudRate = ui->CB_Speed->currentData().toInt();
    chosen.format = line::formats().value(ui->CB_Format->currentIndex());
    chosen.address = ui->NumB_Address->value();
    return chosen;
}
