// The channel tabs' slots, forwarded to the panel of their channel
// (channelpanel.cpp), and the PLB module's RS-485 parameters, written as soon
// as a value is chosen.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/connection/connectionpanel.h"
#include "app/panels/channelpanel.h"
#include "channels/rs485codes.h"
#include "link/modulelink.h"
#include "module/registers.h"

#include <QEvent>
#include <QTimer>

#include <functional>

namespace {

using zt::link::Purpose;
constexpr int SettleMs = 1000;

// Each arrow key or wheel step on a closed list moves its row by one and emits
// currentIndexChanged and activated, exactly as a pick from the open popup
// does. Only the row the user stops at is a choice: a step waits for the
// next one, anything else is taken at once.
class ClosedListSteps : public QObject
{
    Q_OBJECT

public:
    ClosedListSteps(QComboBox *list, std::function<void()> take)
        : QObject(list), take(std::move(take))
    {
        settle.setSingleShot(true);
        settle.setInterval(SettleMs);
        connect(&settle, &QTimer::timeout, this, [this] { this->take(); });
        list->installEventFilter(this);
    }

    void rowChanged()
    {
        if (stepping) {
            settle.start();
            return;
        }
        settle.stop();
        take();
    }

    void forget() { settle.stop(); }

protected:
    // Key and wheel events reach the list itself only while it is closed; the
    // open popup takes them. The list acts on the event right after this.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel) {
            stepping = true;
            QTimer::singleShot(0, this, [this] { stepping = false; });
        }
        return false;
    }

private:
    std::function<void()> take;
    QTimer settle;
    bool stepping = false;
};

QComboBox *rs485Box(const Ui::MainWindow &ui, bool speed)
{
    return speed ? ui.CB_RS485Speed : ui.CB_RS485Parametrs;
}

} // namespace

// The channel tabs' slots.

using Limit = ChannelPanel::Limit;

void MainWindow::on_CB_Modul_range_CH0_currentIndexChanged(int index) { channels[0]->chooseThermocouple(index); }
void MainWindow::on_CB_Modul_range_CH1_currentIndexChanged(int index) { channels[1]->chooseThermocouple(index); }
void MainWindow::on_CB_Modul_range_CH0_2_currentTextChanged(const QString &text) { channels[0]->chooseRtdSensor(text); }
void MainWindow::on_CB_Modul_range_CH1_2_currentTextChanged(const QString &text) { channels[1]->chooseRtdSensor(text); }
void MainWindow::on_CB_RTD_CONNECT_CH0_currentIndexChanged(int index) { channels[0]->chooseWiring(index); }
void MainWindow::on_CB_RTD_CONNECT_CH1_currentIndexChanged(int index) { channels[1]->chooseWiring(index); }

int MainWindow::getMinValueCh0() { return channels[0]->bounds().lower; }
int MainWindow::getMaxValueCh0() { return channels[0]->bounds().upper; }
int MainWindow::getMinValueCh1() { return channels[1]->bounds().lower; }
int MainWindow::getMaxValueCh1() { return channels[1]->bounds().upper; }

void MainWindow::on_ED_VALUE_MIN_CH0_textChanged(const QString &) { channels[0]->judgeLimitText(Limit::Lower); }
void MainWindow::on_ED_VALUE_MAX_CH0_textChanged(const QString &) { channels[0]->judgeLimitText(Limit::Upper); }
void MainWindow::on_ED_VALUE_MIN_CH1_textChanged(const QString &) { channels[1]->judgeLimitText(Limit::Lower); }
void MainWindow::on_ED_VALUE_MAX_CH1_textChanged(const QString &) { channels[1]->judgeLimitText(Limit::Upper); }

void MainWindow::on_BT_Set_MIN_CH0_clicked() { channels[0]->setLimit(Limit::Lower); }
void MainWindow::on_BT_Set_MAX_CH0_clicked() { channels[0]->setLimit(Limit::Upper); }
void MainWindow::on_BT_Set_MIN_CH1_clicked() { channels[1]->setLimit(Limit::Lower); }
void MainWindow::on_BT_Set_MAX_CH1_clicked() { channels[1]->setLimit(Limit::Upper); }

void MainWindow::on_BT_P_Set_MIN_CH0_clicked() { channels[0]->sendPLimitCommand(Limit::Lower); }
void MainWindow::on_BT_P_Set_MAX_CH0_clicked() { channels[0]->sendPLimitCommand(Limit::Upper); }
void MainWindow::on_BT_P_Set_MIN_CH1_clicked() { channels[1]->sendPLimitCommand(Limit::Lower); }
void MainWindow::on_BT_P_Set_MAX_CH1_clicked() { channels[1]->sendPLimitCommand(Limit::Upper); }

void MainWindow::on_CHB_INV_CH0_stateChanged(int) { channels[0]->writeInversion(); }
void MainWindow::on_CHB_INV_CH1_stateChanged(int) { channels[1]->writeInversion(); }
void MainWindow::on_CHB_TI_CH0_stateChanged(int) { channels[0]->writeColdJunction(); }
void MainWindow::on_CHB_TI_CH1_stateChanged(int) { channels[1]->writeColdJunction(); }
void MainWindow::on_CHB_AI_FAST_CH0_stateChanged(int) { channels[0]->writeFastConversion(); }

void MainWindow::forgetTypedLimits()
{
    for (ChannelPanel *channel : channels)
        channel->forgetTypedLimits();
}

// RS-485 parameters of a PLB module.

// The tab is shown only once a PLB module is identified, so the lists are
// watched from then on; steps still pending were taken on another module.
void MainWindow::showRs485Settings(int address, quint16 speedCode, quint16 formatCode)
{
    for (Rs485List list : {Rs485List::Speed, Rs485List::Format}) {
        QComboBox *box = rs485Box(*ui, list == Rs485List::Speed);
        if (auto *steps = box->findChild<ClosedListSteps *>())
            steps->forget();
        else
            new ClosedListSteps(box, [this, list] { writeRs485Choice(list); });
    }
    connection->showModuleLine([this, address, speedCode, formatCode] {
        ui->NumB_ADR->setValue(address);
        ui->CB_RS485Speed->setCurrentIndex(zt::rs485::speedRowOfCode(speedCode));
        ui->CB_RS485Parametrs->setCurrentIndex(zt::rs485::formatRowOfCode(formatCode));
    });
}

void MainWindow::rs485ListChanged(Rs485List list)
{
    QComboBox *box = rs485Box(*ui, list == Rs485List::Speed);
    if (auto *steps = box->findChild<ClosedListSteps *>())
        steps->rowChanged();
    else
        writeRs485Choice(list);
}

// A list without a row shows a code read from outside it: nothing to write.
void MainWindow::writeRs485Choice(Rs485List list)
{
    const bool speed = list == Rs485List::Speed;
    const int row = rs485Box(*ui, speed)->currentIndex();
    if (row < 0 || row >= (speed ? zt::rs485::SpeedCount : zt::rs485::FormatCount))
        return;
    const int address = speed ? zt::reg::PlbSpeed : zt::reg::PlbFormat;
    const quint16 code = speed ? zt::rs485::speedCodeOfRow(row) : zt::rs485::formatCodeOfRow(row);
    connection->offerLineChange(WriteNewValueZT(Purpose::LineChange, address, code), address, code);
}

void MainWindow::on_BT_Set_RS_Settings_clicked()
{
    const quint16 address = quint16(ui->NumB_ADR->value());
    connection->offerLineChange(WriteNewValueZT(Purpose::LineChange, zt::reg::PlbAddress, address), zt::reg::PlbAddress, address);
}

void MainWindow::on_CB_RS485Speed_currentIndexChanged(int) { rs485ListChanged(Rs485List::Speed); }
void MainWindow::on_CB_RS485Parametrs_currentIndexChanged(int) { rs485ListChanged(Rs485List::Format); }

#include "channels.moc"
