#include "linesettingsdialog.h"
#include "ui_linesettingsdialog.h"

#include "messages.h"
#include "channels/rs485codes.h"

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
    for (int row = 0; row < zt::rs485::FormatCount; ++row)
        ui->CB_Format->addItem(line::formatName(row));
    ui->CB_Speed->setCurrentIndex(line::speeds().indexOf(settings.baudRate));
    ui->CB_Format->setCurrentIndex(settings.formatRow);
    ui->NumB_Address->setValue(settings.address);
}

LineSettingsDialog::~LineSettingsDialog()
{
    delete ui;
}

line::LineSettings LineSettingsDialog::settings() const
{
    return {ui->CB_Speed->currentData().toInt(), ui->CB_Format->currentIndex(), ui->NumB_Address->value()};
}
