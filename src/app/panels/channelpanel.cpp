// One channel's controls and what they write. The RTD texts keep the sensor
// designations in every language.

#include "channelpanel.h"

#include "app/panels/channeltexts.h"
#include "messages.h"
#include "userprompts.h"
#include "channels/options.h"
#include "link/modulelink.h"
#include "module/codec.h"
#include "module/registers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

using zt::link::Purpose;
using zt::ranges::LimitVerdict;

bool isChecked(const QCheckBox *box) { return box->checkState() != Qt::Unchecked; }

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

// The form's controls of a channel are named by its number.
template<class T>
T *control(const QWidget *form, const char *namePattern, int channel)
{
    return form->findChild<T *>(QString::fromLatin1(namePattern).arg(channel));
}

void showLiveValue(QLineEdit *field, float value)
{
    const zt::LiveText shown = zt::liveText(value);
    field->setText(shown.text);
    field->setToolTip(shown.toolTip);
}

} // namespace

ChannelPanel::ChannelPanel(int channel, const Window &window)
    : QObject(window.widget)
    , channel(channel)
    , window(window)
    , thermocouples(control<QComboBox>(window.widget, "CB_Modul_range_CH%1", channel))
    , rtdSensors(control<QComboBox>(window.widget, "CB_Modul_range_CH%1_2", channel))
    , wiring(control<QComboBox>(window.widget, "CB_RTD_CONNECT_CH%1", channel))
    , lowerLimit(control<QLineEdit>(window.widget, "ED_VALUE_MIN_CH%1", channel))
    , upperLimit(control<QLineEdit>(window.widget, "ED_VALUE_MAX_CH%1", channel))
    , pLimitMin(control<QLineEdit>(window.widget, "ED_VALUE_P_MIN_CH%1", channel))
    , pLimitMax(control<QLineEdit>(window.widget, "ED_VALUE_P_MAX_CH%1", channel))
    , inversion(control<QCheckBox>(window.widget, "CHB_INV_CH%1", channel))
    , coldJunction(control<QCheckBox>(window.widget, "CHB_TI_CH%1", channel))
    , fastConversion(control<QCheckBox>(window.widget, "CHB_AI_FAST_CH%1", channel))
    , inputValue(control<QLineEdit>(window.widget, "ED_VALUE_%1", channel))
    , temperature(control<QLineEdit>(window.widget, "ED_VALUE_T_CH%1", channel))
    , outputValue(control<QLineEdit>(window.widget, "ED_VALUE_OUT_CH%1", channel))
    , coldJunctionTemperature(control<QLineEdit>(window.widget, "ED_VALUE_T_XC_CH%1", channel))
{
}

void ChannelPanel::pairWith(ChannelPanel *panel)
{
    other = panel;
    panel->other = this;
}

// Ranges and wiring.

void ChannelPanel::chooseThermocouple(int row)
{
    if (row >= 0 && row < zt::ranges::ThermocoupleCount)  // the code is the row
        window.write(Purpose::Option, zt::reg::range(channel), quint16(row));
    window.showHint();
}

void ChannelPanel::chooseRtdSensor(const QString &text)
{
    const int code = zt::ranges::rtdCodeFromText(text);
    window.showHint();
    if (code != 0)
        window.write(Purpose::Option, zt::reg::range(channel), quint16(code));
}

void ChannelPanel::chooseWiring(int row)
{
    if (row >= 0 && row < zt::ranges::WiringCount)
        window.write(Purpose::Option, zt::reg::wiring(channel), zt::ranges::wiringCodeOfRow(row));
    window.showHint();
}

// Conversion limits.

// A list on a tab page that is not current counts as not shown.
zt::ranges::Bounds ChannelPanel::bounds() const
{
    return zt::ranges::limitBounds(thermocouples->isVisible(), thermocouples->currentIndex(),
                                   rtdSensors->isVisible(), rtdSensors->currentIndex());
}

QLineEdit *ChannelPanel::limitEdit(Limit which) const
{
    return which == Limit::Upper ? upperLimit : lowerLimit;
}

void ChannelPanel::judgeLimitText(Limit which)
{
    QLineEdit *edit = limitEdit(which);
    const LimitVerdict verdict = zt::ranges::checkLimit(edit->text(), bounds()).verdict;
    edit->setStyleSheet(verdict == LimitVerdict::Ok ? chtext::GreenFrame : chtext::RedFrame);
    edit->setToolTip(tooltipFor(verdict));
}

void ChannelPanel::setLimit(Limit which)
{
    QLineEdit *edit = limitEdit(which);
    const zt::ranges::LimitCheck check = zt::ranges::checkLimit(edit->text(), bounds());
    if (check.verdict != LimitVerdict::Ok) {
        window.prompts->critical(window.widget, msg::ErrorTitle, refusalFor(check.verdict));
        return;
    }
    // Set: from now on a read may show the module's value in the edit again.
    edit->setModified(false);
    const int address = which == Limit::Upper ? zt::reg::limitMax(channel) : zt::reg::limitMin(channel);
    window.expectWritten(window.write(Purpose::Limit, address, zt::encodeInt16(check.value)));
}

void ChannelPanel::sendPLimitCommand(Limit which)
{
    const int address = which == Limit::Upper ? zt::reg::pLimitCommandMax(channel) : zt::reg::pLimitCommandMin(channel);
    window.expectWritten(window.write(Purpose::Limit, address, 0));
}

// What the user has typed and not set stays: a re-read 3 s after some other
// write would otherwise turn a half-typed "12" into the module's "0".
void ChannelPanel::showLimitText(Limit which, int value)
{
    QLineEdit *edit = limitEdit(which);
    if (!edit->isModified())
        edit->setText(QString::number(value));
}

void ChannelPanel::forgetTypedLimits()
{
    lowerLimit->setModified(false);
    upperLimit->setModified(false);
}

// Options.

void ChannelPanel::writeInversion()
{
    const ChannelPanel *first = channel == 0 ? this : other;
    const ChannelPanel *second = channel == 0 ? other : this;
    window.write(Purpose::Option, zt::reg::Inversion,
                 zt::options::inversionWord(isChecked(first->inversion), isChecked(second->inversion)));
}

// One echo write for both boxes, carrying the word as read: the boxes' own
// handlers would first send the new bit 0 with the old bit 1, a word the
// module never held.
void ChannelPanel::showInversionWord(quint16 word)
{
    zt::InversionValues read;
    zt::decodeInversion({word}, &read);
    const bool changedHere = showInverted(read.inverted[channel]);
    const bool changedThere = other->showInverted(read.inverted[other->channel]);
    if (changedHere || changedThere)
        window.write(Purpose::Echo, zt::reg::Inversion, word);
}

bool ChannelPanel::showInverted(bool inverted)
{
    if (inversion->isChecked() == inverted)
        return false;
    const QSignalBlocker quiet(inversion);
    inversion->setChecked(inverted);
    return true;
}

// One switch serves both channels, so the other box follows; its own handler
// then writes the same value once more.
void ChannelPanel::writeColdJunction()
{
    const bool on = isChecked(coldJunction);
    window.write(Purpose::Option, zt::reg::ColdJunction, zt::options::switchWord(on));
    other->coldJunction->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void ChannelPanel::writeFastConversion()
{
    window.write(Purpose::Option, zt::reg::FastConversion0, zt::options::switchWord(isChecked(fastConversion)));
}

// What the module holds.

void ChannelPanel::showConfiguration(const zt::ConfigValues &config)
{
    const zt::ranges::RangeSelection range = zt::ranges::rangeSelectionForCode(config.range[channel]);
    if (range.list == zt::ranges::RangeList::Rtd)
        rtdSensors->setCurrentIndex(range.row);
    else // a code outside both lists leaves the thermocouple list without a selection
        thermocouples->setCurrentIndex(range.row);
    pLimitMin->setText(zt::formatFloat(config.pLimitMin[channel]));
    pLimitMax->setText(zt::formatFloat(config.pLimitMax[channel]));
}

void ChannelPanel::showOptions(const zt::OptionValues &options)
{
    coldJunction->setChecked(options.coldJunction);
    if (fastConversion)
        fastConversion->setChecked(options.fastConversion0);
}

void ChannelPanel::showLimits(const zt::LimitValues &limits)
{
    showLimitText(Limit::Lower, limits.min[channel]);
    showLimitText(Limit::Upper, limits.max[channel]);
    wiring->setCurrentIndex(zt::ranges::wiringRowOfCode(limits.wiring[channel]));
}

void ChannelPanel::showLiveValues(const zt::LiveValues &live)
{
    showLiveValue(inputValue, live.input[channel]);
    showLiveValue(temperature, live.temperature[channel]);
    showLiveValue(outputValue, live.output[channel]);
    showLiveValue(coldJunctionTemperature, live.coldJunction[channel]);
}
