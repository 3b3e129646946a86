#pragma once

#include "line/linesettings.h"
#include "module/catalogue.h"
#include "module/codec.h"
#include "settings/filewrite.h"

#include <QDateTime>
#include <QHash>
#include <QSet>
#include <QMainWindow>
#include <QModbusDataUnit>
#include <QStringList>

#include <array>
#include <memory>

// Commissioning
#include <functional>

namespace zt::commission {
struct ModuleState;
}

namespace zt::link {
class ModuleLink;
enum class Purpose;
enum class Reason;
struct WriteOutcome;
}

class ChannelPanel;
class ConnectionPanel;
class FileCommands;
class HelpMenu;
class PortEnumerator;
class ProcessViews;
class QLabel;
class QSettings;
class QStatusBar;
class QTimer;
class UserPrompts;
class zt_settings;

namespace Ui {
class MainWindow;
}

// What the window is started with besides its parent.
struct MainWindowOptions
{
    QString settingsFile;    // shown in offline mode at start, when not empty
    QStringList namedPorts;  // devices enumeration does not list (--port)
    UserPrompts *prompts = nullptr;      // null: real message boxes and dialogs
    PortEnumerator *portEnumerator = nullptr; // null: the system's ports
    QString pluginDir;       // the trend window's library; empty: the installed one
};

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    explicit MainWindow(const MainWindowOptions &options, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Plain functions, not slots: their names would send the form's
    // by-name connection looking for widgets called "action".
    void on_action_demo();
    void on_action_cal_show();

public slots:
    // Start-up and the persisted time stamp.
    void loadConfig();
    void saveConfig();
    void initConfig();

    // Ports, connection and polling.
    void on_BT_Open_Connect_2_clicked();
    void on_BT_Open_Connect_clicked();
    void openSerialPort();
    void onShowStatus(QString str);

    // Module catalogue and layout.
    void setVis();
    void setDefault();
    void on_CB_Modul_name_currentTextChanged(const QString &name);

    // Reading the module: a reply as if the transport had delivered it.
    void onSetReadStendData(QModbusDataUnit unit);

    // Writing the module: single writes, commands, a settings file.
    // The link's number of the write; 0 when nothing was sent.
    int WriteNewValueZT(zt::link::Purpose purpose, int address, quint16 value);
    void on_BT_MODUL_RESET_clicked();
    void on_BT_MODUL_DEFAULT_clicked();
    void on_BT_Set_Settings_clicked();
    void on_BT_Show_Settings_clicked();

    // File commands.
    void onLoadZTSetting();
    void onSaveZTSetting();
    void on_BT_Load_file_name_clicked();
    void on_BT_FileSaveas_clicked();

    // Calibration.
    void on_BT_CAL_MIN_0_clicked();
    void on_BT_CAL_MAX_0_clicked();
    void on_BT_CAL_MIN_1_clicked();
    void on_BT_CAL_MAX_1_clicked();
    void setHitsText();
    void on_tabWidget_currentChanged(int index);

    // Help menu.
    void onUpdate();
    void onAbout();

    // Channel configuration.
    void on_CB_Modul_range_CH0_currentIndexChanged(int index);
    void on_CB_Modul_range_CH1_currentIndexChanged(int index);
    void on_CB_Modul_range_CH0_2_currentTextChanged(const QString &text);
    void on_CB_Modul_range_CH1_2_currentTextChanged(const QString &text);
    void on_CB_RTD_CONNECT_CH0_currentIndexChanged(int index);
    void on_CB_RTD_CONNECT_CH1_currentIndexChanged(int index);
    int getMinValueCh0();
    int getMaxValueCh0();
    int getMinValueCh1();
    int getMaxValueCh1();
    void on_ED_VALUE_MIN_CH0_textChanged(const QString &text);
    void on_ED_VALUE_MAX_CH0_textChanged(const QString &text);
    void on_ED_VALUE_MIN_CH1_textChanged(const QString &text);
    void on_ED_VALUE_MAX_CH1_textChanged(const QString &text);
    void on_BT_Set_MIN_CH0_clicked();
    void on_BT_Set_MAX_CH0_clicked();
    void on_BT_Set_MIN_CH1_clicked();
    void on_BT_Set_MAX_CH1_clicked();
    void on_BT_P_Set_MIN_CH0_clicked();
    void on_BT_P_Set_MAX_CH0_clicked();
    void on_BT_P_Set_MIN_CH1_clicked();
    void on_BT_P_Set_MAX_CH1_clicked();
    void on_CHB_INV_CH0_stateChanged(int state);
    void on_CHB_INV_CH1_stateChanged(int state);
    void on_CHB_TI_CH0_stateChanged(int state);
    void on_CHB_TI_CH1_stateChanged(int state);
    void on_CHB_AI_FAST_CH0_stateChanged(int state);
    void on_BT_Set_RS_Settings_clicked();
    void on_CB_RS485Speed_currentIndexChanged(int index);
    void on_CB_RS485Parametrs_currentIndexChanged(int index);

private:
    bool isConnected() const;
    bool isOffline() const;
    void disconnectFromModule();
    void onWriteDataEnd(int request, zt::link::Purpose purpose, zt::link::WriteOutcome outcome);
    void reportFailedWrite(int exceptionCode, const QString &failure);

    void showIdentification(const zt::commission::ModuleState &module);
    void showBlocks(int blocks);
    void showLiveValues(const zt::LiveValues &live);
    void applyUnitLabels();

    // Settings files.
    enum class RangeLists { Both, OfSelectedType };
    void applySettings(const zt::ModuleSettings &file, RangeLists lists);
    bool formSettings(zt::ModuleSettings *file);

    void calibrate(int channel, bool gain);

    void clearPendingMessages();
    enum class Completion { Written, Calibrated, Rebooted, Reset };
    void expectCompletion(int request, Completion message);
    void showCompletion(int request);
    void forgetTypedLimits();

protected:
    void closeEvent(QCloseEvent *event) override;

private:

    // The PLB module's RS-485 parameters.
    enum class Rs485List { Speed, Format };
    void rs485ListChanged(Rs485List list);
    void writeRs485Choice(Rs485List list);
    void showRs485Settings(int address, quint16 speedCode, quint16 formatCode);

    template<class T>
    T *channelWidget(const char *namePattern, int channel) const;

    zt::ModuleLayout layout;
    QSettings *appSettings = nullptr;
    QDateTime lastUpdate;
    QStatusBar *statusBarWidget = nullptr;
    QHash<int, Completion> completions;  // by the write whose confirmation shows it
    Ui::MainWindow *ui = nullptr;
    zt::link::ModuleLink *link = nullptr;
    quint16 moduleCode = 0;

    HelpMenu *helpMenu = nullptr;
    UserPrompts *prompts = nullptr;

    // The connection row, its line and why a module did not answer
    // (connection/connectionpanel.h).
    ConnectionPanel *connection = nullptr;

    // The channel tabs, channel 0 and 1 (panels/channelpanel.h).
    std::array<ChannelPanel *, 2> channels{};

    // The settings file written into the module, the comparison with one,
    // the module record (files/filecommands.h); the form's slots stay here.
public slots:
    void on_action_file_compare_triggered();
    void on_action_file_report_triggered();

private:
    FileCommands *fileCommands = nullptr;

    // The CSV log, the trend and the exchange frame by frame (process/).
    ProcessViews *processViews = nullptr;
};

template<class T>
T *MainWindow::channelWidget(const char *namePattern, int channel) const
{
    return findChild<T *>(QString::fromLatin1(namePattern).arg(channel));
}
