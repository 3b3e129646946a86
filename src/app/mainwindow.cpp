#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "accessibility.h"
#include "app/help/helpmenu.h"
#include "app/process/processviews.h"
#include "app/connection/connectionpanel.h"
#include "app/files/filecommands.h"
#include "app/panels/channelpanel.h"
#include "language.h"
#include "modbus/logging.h"
#include "modbus/portenumerator.h"
#include "link/modulelink.h"
#include "userprompts.h"
#include "ztsettings.h"

#include <QCoreApplication>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr auto LastStartKey = "DateLastUpdata";
constexpr auto TimeStampFormat = "yyyy-MM-dd HH:mm:ss:zzz";
constexpr int RereadAfterWritesMs = 3000;
constexpr int RereadAfterFileMs = 500;
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : MainWindow(MainWindowOptions(), parent)
{
}

MainWindow::MainWindow(const MainWindowOptions &options, QWidget *parent)
    : QMainWindow(parent)
    , prompts(options.prompts ? options.prompts : UserPrompts::standard())
{
    link = new zt::link::ModuleLink(this);
    connect(link, &zt::link::ModuleLink::transportStatus, this, &MainWindow::onShowStatus);
    connect(link, &zt::link::ModuleLink::identified, this, &MainWindow::showIdentification);
    connect(link, &zt::link::ModuleLink::blocksRead, this, &MainWindow::showBlocks);
    connect(link, &zt::link::ModuleLink::writeFinished, this, &MainWindow::onWriteDataEnd);
    // One re-read for a burst of writes, and a quicker one after a file's steps.
    link->setReread(zt::commission::ModuleState::Config, RereadAfterWritesMs, RereadAfterFileMs);

    ui = new Ui::MainWindow;
    ui->setupUi(this);
    nameControlsForScreenReaders(this);

    appSettings = new QSettings(QStringLiteral("Morvane"), QStringLiteral("ZTConfig"), this);
    loadConfig();

    statusBarWidget = new QStatusBar(this);
    setStatusBar(statusBarWidget);

    const ConnectionPanel::Window window{this, ui, statusBarWidget, appSettings, prompts,
                                         [this] { return isOffline(); },
                                         [this] { disconnectFromModule(); },
                                         [this] { setVis(); }};
    connection = new ConnectionPanel(window, link,
                                     options.portEnumerator ? options.portEnumerator : PortEnumerator::system(),
                                     options.namedPorts);
    fileCommands = new FileCommands({this, ui, prompts, [this] { return isOffline(); }, [this] { return isConnected(); },
                                     [this] { setVis(); }, [this] { forgetTypedLimits(); }},
                                    link);
    const ChannelPanel::Window channelWindow{
        this, prompts,
        [this](zt::link::Purpose purpose, int address, quint16 value) { return WriteNewValueZT(purpose, address, value); },
        [this](int request) { expectCompletion(request, Completion::Written); },
        [this] { setHitsText(); }};
    for (int ch = 0; ch < 2; ++ch)
        channels[ch] = new ChannelPanel(ch, channelWindow);
    channels[0]->pairWith(channels[1]);
    ui->CB_Modul_name->setCurrentIndex(0);
    setDefault();


    connect(ui->action_file_open, SIGNAL(triggered()), this, SLOT(onLoadZTSetting()));
    connect(ui->action_file_save, SIGNAL(triggered()), this, SLOT(onSaveZTSetting()));
    connect(ui->action_exit, SIGNAL(triggered()), this, SLOT(close()));
    connect(ui->action_demo, &QAction::triggered, this, &MainWindow::on_action_demo);
    connect(ui->action_cal_show, &QAction::triggered, this, &MainWindow::on_action_cal_show);
    connect(ui->action_update, SIGNAL(triggered()), this, SLOT(onUpdate()));
    connect(ui->action_about, SIGNAL(triggered()), this, SLOT(onAbout()));
    processViews = new ProcessViews(link, {ui->menu, ui->action_file_report, ui->menu_2, ui->action_demo, statusBarWidget},
                                    prompts, appSettings, options.pluginDir, this);
    // After the process views: they take each live block and the link's end
    // before what the window makes of them may open a message box (a record
    // saved, why the line was lost).
    connect(link, &zt::link::ModuleLink::liveValues, this, &MainWindow::showLiveValues);
    connect(link, &zt::link::ModuleLink::linkEnded, connection, &ConnectionPanel::onLinkEnded);
    helpMenu = new HelpMenu(prompts, this);
    ui->menu_2->addSeparator();
    QMenu *languages = language::addMenu(ui->menu_2, appSettings);
    languages->menuAction()->setFont(ui->action_demo->font());
    for (QAction *action : languages->actions())
        action->setFont(ui->action_demo->font());

    if (!options.settingsFile.isEmpty()) {
        ui->action_demo->setChecked(true); // no question: the user asked for the file
        setVis();
        ui->ED_FileName->setText(options.settingsFile);
        on_BT_Show_Settings_clicked();
    }

    saveConfig();
}

MainWindow::~MainWindow()
{
    link->disconnect(this);
    delete link; // the port closed without a word
    delete ui;
}

void MainWindow::loadConfig()
{
    if (appSettings)
        lastUpdate = appSettings->value(LastStartKey, QString()).toDateTime();
    initConfig();
}

void MainWindow::initConfig()
{
    if (QDateTime::currentDateTime() != lastUpdate)
        qCDebug(lcApp).noquote() << lastUpdate.toString(TimeStampFormat);
}

void MainWindow::saveConfig()
{
    if (appSettings)
        appSettings->setValue(LastStartKey, QDateTime::currentDateTime());
}

void MainWindow::onUpdate()
{
    helpMenu->showUpdate();
}

void MainWindow::onAbout()
{
    helpMenu->showAbout();
}
