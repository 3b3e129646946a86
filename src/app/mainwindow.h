#pragma once

#include "modbus/rtusettings.h"
#include "module/catalogue.h"

#include <QDateTime>
#include <QMainWindow>
#include <QModbusDataUnit>
#include <QStringList>

class PortEnumerator;
class QSettings;
class QStatusBar;
class QTimer;
class RtuProvider;
class UserPrompts;

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
};

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    explicit MainWindow(const MainWindowOptions &options, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Plain functions, not slots: their names would send the form's
    // by-name connection looking for widgets called "time" and "action".
    void on_time_request();
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
    RtuSettings getRtuSet(QString portname, int speed);
    void onShowStatus(QString str);
    void onCloseDeviceZT();
    void onModulReadDataError();
    void onWriteDataError();
    void onTimerTimeOut();
    void onTimerReadData();

    // Module catalogue and layout.
    void setVis();
    void setDefault();
    void on_CB_Modul_name_currentTextChanged(const QString &name);

    // Reading the module.
    void onSetReadStendData(QModbusDataUnit unit);

    // Writing the module.
    void onWriteDataEnd();

    // Built by later work; declared so that the menu and the start-up can
    // reach them.
    void onLoadZTSetting();
    void onSaveZTSetting();
    void onUpdate();
    void onAbout();
    void on_BT_Show_Settings_clicked();

private:
    void fillPortList();
    bool isConnected() const;
    bool isOffline() const;
    void disconnectFromModule();
    void releaseProvider();
    void requestBlock(QModbusDataUnit::RegisterType table, int start, int count);

    bool showIdentification(const QVector<quint16> &r);
    bool showConfiguration(const QVector<quint16> &r);
    bool showOptions(const QVector<quint16> &r);
    bool showLimits(const QVector<quint16> &r);
    bool showInversion(const QVector<quint16> &r);
    bool showLiveValues(const QVector<quint16> &r);
    void applyUnitLabels();

    template<class T>
    T *channelWidget(const char *namePattern, int channel) const;

    zt::ModuleLayout layout;
    QStringList ports;
    QSettings *appSettings = nullptr;
    QDateTime lastUpdate;
    QStatusBar *statusBarWidget = nullptr;
    int pendingCalibration = 0;
    int limitWriteCount = 0;
    int lastWriteAddress = 0;
    bool loadFromFile = false;
    QTimer *watchdogTimer = nullptr;
    Ui::MainWindow *ui = nullptr;
    RtuProvider *provider = nullptr;
    QTimer *pollTimer = nullptr;
    quint16 moduleCode = 0;

    QStringList namedPorts;
    bool liveReadOutstanding = false;
    UserPrompts *prompts = nullptr;
    PortEnumerator *portEnumerator = nullptr;
};

template<class T>
T *MainWindow::channelWidget(const char *namePattern, int channel) const
{
    return findChild<T *>(QString::fromLatin1(namePattern).arg(channel));
}
