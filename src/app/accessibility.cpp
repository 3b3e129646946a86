#include "accessibility.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace {

// A control of a channel tab and the label whose text names it; %1 is the
// channel. A suffix tells apart controls that share a caption.
struct ChannelControl {
    const char *control;
    const char *caption;
    const char *suffix;  // translated under the context "accessibility"
};

const ChannelControl channelControls[] = {
    {"CB_Modul_range_CH%1", "LB_CH%1", QT_TRANSLATE_NOOP("accessibility", " (термопара)")},
    {"CB_Modul_range_CH%1_2", "LB_CH%1", QT_TRANSLATE_NOOP("accessibility", " (термометр сопротивления)")},
    {"CB_RTD_CONNECT_CH%1", "LB_INFO_TYPE_RTD_CON_CH%1", ""},
    {"ED_VALUE_MIN_CH%1", "LB_INFO_VALUE_MIN_CH%1", ""},
    {"ED_VALUE_MAX_CH%1", "LB_INFO_VALUE_MAX_CH%1", ""},
    {"BT_Set_MIN_CH%1", "LB_INFO_VALUE_MIN_CH%1", QT_TRANSLATE_NOOP("accessibility", ": установить")},
    {"BT_Set_MAX_CH%1", "LB_INFO_VALUE_MAX_CH%1", QT_TRANSLATE_NOOP("accessibility", ": установить")},
    {"ED_VALUE_P_MIN_CH%1", "LB_INFO_VALUE_P_MIN_CH%1", QT_TRANSLATE_NOOP("accessibility", ", Ом")},
    {"ED_VALUE_P_MAX_CH%1", "LB_INFO_VALUE_P_MAX_CH%1", QT_TRANSLATE_NOOP("accessibility", ", Ом")},
    {"BT_P_Set_MIN_CH%1", "LB_INFO_VALUE_P_MIN_CH%1", QT_TRANSLATE_NOOP("accessibility", ", Ом: установить")},
    {"BT_P_Set_MAX_CH%1", "LB_INFO_VALUE_P_MAX_CH%1", QT_TRANSLATE_NOOP("accessibility", ", Ом: установить")},
    {"ED_VALUE_T_XC_CH%1", "LB_INFO_T_XC_CH%1", ""},
    {"ED_VALUE_%1", "LB_INFO_IN_CH%1", ""},
    {"ED_VALUE_T_CH%1", "LB_INFO_T_CH%1", ""},
    {"ED_VALUE_OUT_CH%1", "LB_INFO_OUT_CH%1", ""},
    // Check and calibration buttons carry their own text.
    {"CHB_TI_CH%1", nullptr, ""},
    {"CHB_INV_CH%1", nullptr, ""},
    {"CHB_AI_FAST_CH%1", nullptr, ""},
    {"BT_CAL_MIN_%1", nullptr, ""},
    {"BT_CAL_MAX_%1", nullptr, ""},
};

// Controls outside the channel tabs and their captions.
const ChannelControl windowControls[] = {
    {"cbPorts", "label", ""},
    {"CB_Modul_name", "label_2", ""},
    {"ED_Rev", "label_3", ""},
    {"NumB_ADR", "label_4", ""},
    {"BT_Set_RS_Settings", "label_4", QT_TRANSLATE_NOOP("accessibility", ": установить")},
    {"CB_RS485Speed", "label_5", ""},
    {"CB_RS485Parametrs", "label_6", ""},
};

QString plainText(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))  // a caption may be rich text
        return label->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))).trimmed();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))  // without the mnemonic's "&"
        return button->text().remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return QString();
}

QWidget *find(QWidget *window, const char *pattern, int channel)
{
    const QString name = QString::fromLatin1(pattern);
    return window->findChild<QWidget *>(name.contains(QLatin1String("%1")) ? name.arg(channel) : name);
}

void name(QWidget *window, const ChannelControl &c, const QString &channelSuffix, int channel)
{
    QWidget *control = find(window, c.control, channel);
    if (!control)
        return;  // channel 1 has no fast-conversion box
    QWidget *caption = c.caption ? find(window, c.caption, channel) : control;
    if (auto *label = qobject_cast<QLabel *>(caption); label && c.caption)
        label->setBuddy(control);
    control->setAccessibleName(plainText(caption) + QCoreApplication::translate("accessibility", c.suffix) + channelSuffix);
}

} // namespace

void nameControlsForScreenReaders(QWidget *mainWindow)
{
    for (int ch = 0; ch < 2; ++ch)
        for (const ChannelControl &c : channelControls)
            name(mainWindow, c, QCoreApplication::translate("accessibility", ", канал %1").arg(ch), ch);
    for (const ChannelControl &c : windowControls)
        name(mainWindow, c, QString(), 0);
    if (auto *file = mainWindow->findChild<QWidget *>(QStringLiteral("ED_FileName")))
        file->setAccessibleName(QCoreApplication::translate("accessibility", "Файл настроек"));
    if (auto *hint = mainWindow->findChild<QWidget *>(QStringLiteral("TE_HINT")))
        hint->setAccessibleName(QCoreApplication::translate("accessibility", "Подсказка юстировки"));
}
