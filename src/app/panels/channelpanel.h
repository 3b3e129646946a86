#pragma once

#include "channels/ranges.h"

#include <QObject>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class UserPrompts;

namespace zt {
struct ConfigValues;
struct LimitValues;
struct LiveValues;
struct OptionValues;
}

namespace zt::link {
enum class Purpose;
}

// One input channel's tab: its range or sensor, wiring, conversion limits,
// output inversion, cold junction and (channel 0 only) fast conversion, and
// what the module holds for them. Each control writes its register as soon as
// a value is chosen. The window keeps the form's slots by name and forwards
// them to the panel of their channel.
class ChannelPanel : public QObject
{
    Q_OBJECT

public:
    // What the panel needs of the window it sits in.
    struct Window {
        QWidget *widget = nullptr;  // holds the form's controls; the parent of the boxes
        UserPrompts *prompts = nullptr;
        // One register written as the window writes it: the link's number
        // of the write, 0 when nothing was sent.
        std::function<int(zt::link::Purpose, int address, quint16 value)> write;
        std::function<void(int request)> expectWritten; // "Запись выполнена!" once that write is confirmed
        std::function<void()> showHint; // the calibration hint names the range
    };

    enum class Limit { Lower, Upper };

    ChannelPanel(int channel, const Window &window);

    // The inversion word and the cold-junction switch are one register for
    // both channels: each panel writes them with the other's box.
    void pairWith(ChannelPanel *other);

    // The controls' changes. A row of -1 or a text that names no sensor is a
    // code read from outside the lists: nothing goes back to the module.
    void chooseThermocouple(int row);
    void chooseRtdSensor(const QString &text);
    void chooseWiring(int row);
    zt::ranges::Bounds bounds() const;
    void judgeLimitText(Limit which);
    void setLimit(Limit which);
    void sendPLimitCommand(Limit which);
    void writeInversion();
    void writeColdJunction();
    void writeFastConversion();

    // What the module holds, in the read chain's order.
    void showConfiguration(const zt::ConfigValues &config);
    void showOptions(const zt::OptionValues &options);
    void showLimits(const zt::LimitValues &limits);
    // Both channels' boxes: the word is one register.
    void showInversionWord(quint16 word);
    void showLiveValues(const zt::LiveValues &live);

    // An edit typed for another module, another type, another mode or before
    // a file was written is no edit in progress: the next read shows the module's.
    void forgetTypedLimits();

private:
    QLineEdit *limitEdit(Limit which) const;
    void showLimitText(Limit which, int value);
    bool showInverted(bool inverted);

    const int channel;
    Window window;
    ChannelPanel *other = nullptr;

    // The form's controls of this channel.
    QComboBox *thermocouples;
    QComboBox *rtdSensors;
    QComboBox *wiring;
    QLineEdit *lowerLimit;
    QLineEdit *upperLimit;
    QLineEdit *pLimitMin;
    QLineEdit *pLimitMax;
    QCheckBox *inversion;
    QCheckBox *coldJunction;
    QCheckBox *fastConversion; // null on channel 1
    QLineEdit *inputValue;
    QLineEdit *temperature;
    QLineEdit *outputValue;
    QLineEdit *coldJunctionTemperature;
};
