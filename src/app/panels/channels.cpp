// Channel configuration: ranges and sensors, wiring, limits, options and the
// PLB module's RS-485 parameters. Each control writes its register as soon as
// a value is chosen; one function per behaviour serves both channels.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/connection/connectionpanel.h"
#include "app/panels/channeltexts.h"
#include "messages.h"
#include "userprompts.h"
#include "channels/options.h"
#include "channels/ranges.h"
#include "channels/rs485codes.h"
#include "link/modulelink.h"
#include "module/codec.h"
#include "module/registers.h"

#include <QEvent>
#include <QSignalBlocker>
#include <QTimer>

#include <functional>

namespace {

using zt::link::Purpose;
using zt::ranges::LimitVerdict;
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

bool isChecked(const QCheckBox *box) { return box->checkState() != Qt::Unchecked; }

// Bounds of the channel's range; a list on a tab page that is not current
// counts as not shown.
zt::ranges::Bounds channelBounds(const MainWindow &window, int channel)
{
    const auto *tc = window.findChild<QComboBox *>(QStringLiteral("CB_Modul_range_CH%1").arg(channel));
    const auto *rtd = window.findChild<QComboBox *>(QStringLiteral("CB_Modul_range_CH%1_2").arg(channel));
    return zt::ranges::limitBounds(tc->isVisible(), tc->currentIndex(), rtd->isVisible(), rtd->currentIndex());
}

QLineEdit *limitEdit(const MainWindow &window, int channel, bool upper)
{
    return window.findChild<QLineEdit *>(QString::fromLatin1(upper ? "ED_VALUE_MAX_CH%1" : "ED_VALUE_MIN_CH%1").arg(channel));
}

chtext::Text tooltipFor(LimitVerdict verdict)
{
    switch (verdict) {
    case LimitVerdict::Incorrect: return chtext::TipIncorrect;
    case LimitVerdict::AboveMax: return chtext::TipAboveMax;
    case LimitVerdict::BelowMin: return chtext::TipBelowMin;
    case LimitVerdict::Ok: break;
    }
    return chtext::TipCorrect;
}

chtext::Text refusalFor(LimitVerdict verdict)
{
    switch (verdict) {
    case LimitVerdict::AboveMax: return chtext::RefusedAboveMax;
    case LimitVerdict::BelowMin: return chtext::RefusedBelowMin;
    case LimitVerdict::Incorrect:
    case LimitVerdict::Ok: break;
    }
    return chtext::RefusedIncorrect;
}

} // namespace

// Ranges and wiring. A row of -1 or a text that names no sensor is a code
// read from outside the lists: nothing goes back to the module. The RTD texts
// keep the sensor designations in every language.

void MainWindow::chooseThermocouple(int channel, int row)
{
    if (row >= 0 && row < zt::ranges::ThermocoupleCount)  // the code is the row
        WriteNewValueZT(Purpose::Option, zt::reg::range(channel), quint16(row));
    setHitsText();
}

void MainWindow::chooseRtdSensor(int channel, const QString &text)
{
    const int code = zt::ranges::rtdCodeFromText(text);
    setHitsText();
    if (code != 0)
        WriteNewValueZT(Purpose::Option, zt::reg::range(channel), quint16(code));
}

void MainWindow::chooseWiring(int channel, int row)
{
    if (row >= 0 && row < zt::ranges::WiringCount)
        WriteNewValueZT(Purpose::Option, zt::reg::wiring(channel), zt::ranges::wiringCodeOfRow(row));
    setHitsText();
}

// Conversion limits.

void MainWindow::judgeLimitText(int channel, Limit which)
{
    QLineEdit *edit = limitEdit(*this, channel, which == Limit::Upper);
    const LimitVerdict verdict = zt::ranges::checkLimit(edit->text(), channelBounds(*this, channel)).verdict;
    edit->setStyleSheet(verdict == LimitVerdict::Ok ? chtext::GreenFrame : chtext::RedFrame);
    edit->setToolTip(tooltipFor(verdict));
}

void MainWindow::setLimit(int channel, Limit which)
{
    QLineEdit *edit = limitEdit(*this, channel, which == Limit::Upper);
    const zt::ranges::LimitCheck check = zt::ranges::checkLimit(edit->text(), channelBounds(*this, channel));
    if (check.verdict != LimitVerdict::Ok) {
        prompts->critical(this, msg::ErrorTitle, refusalFor(check.verdict));
        return;
    }
    // Set: from now on a read may show the module's value in the edit again.
    edit->setModified(false);
    const int address = which == Limit::Upper ? zt::reg::limitMax(channel) : zt::reg::limitMin(channel);
    expectCompletion(WriteNewValueZT(Purpose::Limit, address, zt::encodeInt16(check.value)), Completion::Written);
}

void MainWindow::sendPLimitCommand(int channel, Limit which)
{
    const int address = which == Limit::Upper ? zt::reg::pLimitCommandMax(channel) : zt::reg::pLimitCommandMin(channel);
    expectCompletion(WriteNewValueZT(Purpose::Limit, address, 0), Completion::Written);
}

// What the user has typed and not set stays: a re-read 3 s after some other
// write would otherwise turn a half-typed "12" into the module's "0".
void MainWindow::showLimitText(int channel, Limit which, int value)
{
    QLineEdit *edit = limitEdit(*this, channel, which == Limit::Upper);
    if (!edit->isModified())
        edit->setText(QString::number(value));
}

// An edit typed for another module, another type, another mode or before a
// file was written is no edit in progress: the next read shows the module's.
void MainWindow::forgetTypedLimits()
{
    for (int ch = 0; ch < 2; ++ch)
        for (bool upper : {false, true})
            limitEdit(*this, ch, upper)->setModified(false);
}

// Options.

void MainWindow::writeInversion()
{
    WriteNewValueZT(Purpose::Option, zt::reg::Inversion,
                    zt::options::inversionWord(isChecked(ui->CHB_INV_CH0), isChecked(ui->CHB_INV_CH1)));
}

// One echo write for both boxes, carrying the word as read: the boxes' own
// handlers would first send the new bit 0 with the old bit 1, a word the
// module never held.
void MainWindow::showInversionWord(quint16 word)
{
    zt::InversionValues inversion;
    zt::decodeInversion({word}, &inversion);
    bool changed = false;
    for (int ch = 0; ch < 2; ++ch) {
        auto *box = channelWidget<QCheckBox>("CHB_INV_CH%1", ch);
        if (box->isChecked() == inversion.inverted[ch])
            continue;
        changed = true;
        const QSignalBlocker quiet(box);
        box->setChecked(inversion.inverted[ch]);
    }
    if (changed)
        WriteNewValueZT(Purpose::Echo, zt::reg::Inversion, word);
}

// One switch serves both channels, so the other box follows; its own handler
// then writes the same value once more.
void MainWindow::writeColdJunction(int channel)
{
    const bool on = isChecked(channelWidget<QCheckBox>("CHB_TI_CH%1", channel));
    WriteNewValueZT(Purpose::Option, zt::reg::ColdJunction, zt::options::switchWord(on));
    channelWidget<QCheckBox>("CHB_TI_CH%1", 1 - channel)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
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

// The form's slots.

void MainWindow::on_CB_Modul_range_CH0_currentIndexChanged(int index) { chooseThermocouple(0, index); }
void MainWindow::on_CB_Modul_range_CH1_currentIndexChanged(int index) { chooseThermocouple(1, index); }
void MainWindow::on_CB_Modul_range_CH0_2_currentTextChanged(const QString &text) { chooseRtdSensor(0, text); }
void MainWindow::on_CB_Modul_range_CH1_2_currentTextChanged(const QString &text) { chooseRtdSensor(1, text); }
void MainWindow::on_CB_RTD_CONNECT_CH0_currentIndexChanged(int index) { chooseWiring(0, index); }
void MainWindow::on_CB_RTD_CONNECT_CH1_currentIndexChanged(int index) { chooseWiring(1, index); }

int MainWindow::getMinValueCh0() { return channelBounds(*this, 0).lower; }
int MainWindow::getMaxValueCh0() { return channelBounds(*this, 0).upper; }
int MainWindow::getMinValueCh1() { return channelBounds(*this, 1).lower; }
int MainWindow::getMaxValueCh1() { return channelBounds(*this, 1).upper; }

void MainWindow::on_ED_VALUE_MIN_CH0_textChanged(const QString &) { judgeLimitText(0, Limit::Lower); }
void MainWindow::on_ED_VALUE_MAX_CH0_textChanged(const QString &) { judgeLimitText(0, Limit::Upper); }
void MainWindow::on_ED_VALUE_MIN_CH1_textChanged(const QString &) { judgeLimitText(1, Limit::Lower); }
void MainWindow::on_ED_VALUE_MAX_CH1_textChanged(const QString &) { judgeLimitText(1, Limit::Upper); }

void MainWindow::on_BT_Set_MIN_CH0_clicked() { setLimit(0, Limit::Lower); }
void MainWindow::on_BT_Set_MAX_CH0_clicked() { setLimit(0, Limit::Upper); }
void MainWindow::on_BT_Set_MIN_CH1_clicked() { setLimit(1, Limit::Lower); }
void MainWindow::on_BT_Set_MAX_CH1_clicked() { setLimit(1, Limit::Upper); }

void MainWindow::on_BT_P_Set_MIN_CH0_clicked() { sendPLimitCommand(0, Limit::Lower); }
void MainWindow::on_BT_P_Set_MAX_CH0_clicked() { sendPLimitCommand(0, Limit::Upper); }
void MainWindow::on_BT_P_Set_MIN_CH1_clicked() { sendPLimitCommand(1, Limit::Lower); }
void MainWindow::on_BT_P_Set_MAX_CH1_clicked() { sendPLimitCommand(1, Limit::Upper); }

void MainWindow::on_CHB_INV_CH0_stateChanged(int) { writeInversion(); }
void MainWindow::on_CHB_INV_CH1_stateChanged(int) { writeInversion(); }
void MainWindow::on_CHB_TI_CH0_stateChanged(int) { writeColdJunction(0); }
void MainWindow::on_CHB_TI_CH1_stateChanged(int) { writeColdJunction(1); }

void MainWindow::on_CHB_AI_FAST_CH0_stateChanged(int)
{
    WriteNewValueZT(Purpose::Option, zt::reg::FastConversion0, zt::options::switchWord(isChecked(ui->CHB_AI_FAST_CH0)));
}

void MainWindow::on_BT_Set_RS_Settings_clicked()
{
    const quint16 address = quint16(ui->NumB_ADR->value());
    connection->offerLineChange(WriteNewValueZT(Purpose::LineChange, zt::reg::PlbAddress, address), zt::reg::PlbAddress, address);
}

void MainWindow::on_CB_RS485Speed_currentIndexChanged(int) { rs485ListChanged(Rs485List::Speed); }
void MainWindow::on_CB_RS485Parametrs_currentIndexChanged(int) { rs485ListChanged(Rs485List::Format); }

#include "channels.moc"
