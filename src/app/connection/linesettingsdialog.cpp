#include "app/connection/linesettingsdialog.h"
#include "ui_linesettingsdialog.h"

#include "messages.h"

#include <QPushButton>

namespace line = zt::line;

namespace {
constexpr int TcpRow = 1; // of CB_Link
} // namespace

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

    ui->CB_Link->setCurrentIndex(settings.isTcp() ? TcpRow : 0);
    ui->ED_Host->setMaxLength(line::MaxHostLength);
    ui->ED_Host->setText(settings.host);
    ui->NumB_TcpPort->setValue(settings.tcpPort);
    ui->NumB_Timeout->setRange(line::MinTimeoutMs, line::MaxTimeoutMs);
    ui->NumB_Timeout->setValue(settings.timeoutMs);
    connect(ui->CB_Link, qOverload<int>(&QComboBox::currentIndexChanged), this, &LineSettingsDialog::showChoice);
    connect(ui->ED_Host, &QLineEdit::textChanged, this, &LineSettingsDialog::judgeHost);
    showChoice();
}

LineSettingsDialog::~LineSettingsDialog()
{
    delete ui;
}

bool LineSettingsDialog::tcpChosen() const
{
    return ui->CB_Link->currentIndex() == TcpRow;
}

// Only the fields of the chosen kind of line.
void LineSettingsDialog::showChoice()
{
    const bool tcp = tcpChosen();
    for (QWidget *w : std::initializer_list<QWidget *>{ui->LB_Host, ui->ED_Host, ui->LB_TcpPort, ui->NumB_TcpPort,
                                                       ui->LB_Timeout, ui->NumB_Timeout})
        w->setVisible(tcp);
    for (QWidget *w : std::initializer_list<QWidget *>{ui->LB_Speed, ui->CB_Speed, ui->LB_Format, ui->CB_Format})
        w->setVisible(!tcp);
    judgeHost();
    adjustSize();
}

// A gateway's host must be one before the choice can be taken.
void LineSettingsDialog::judgeHost()
{
    const bool hostOk = !tcpChosen() || line::isValidHost(ui->ED_Host->text().trimmed());
    ui->LB_HostProblem->setVisible(!hostOk);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(hostOk);
}

line::LineSettings LineSettingsDialog::settings() const
{
    line::LineSettings chosen;
    chosen.baudRate = ui->CB_Speed->currentData().toInt();
    chosen.format = line::formats().value(ui->CB_Format->currentIndex());
    chosen.address = ui->NumB_Address->value();
    chosen.link = tcpChosen() ? line::Link::Tcp : line::Link::Serial;
    chosen.host = ui->ED_Host->text().trimmed();
    chosen.tcpPort = ui->NumB_TcpPort->value();
    chosen.timeoutMs = ui->NumB_Timeout->value();
    return chosen;
}
