// The line the window talks to a module on: the menu entries, the settings
// kept between runs, the status bar's note of the line in use, and following
// a PLB module to the address, speed or format it was just given.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "linesettingsdialog.h"
#include "messages.h"
#include "userprompts.h"
#include "modbus/rtuprovider.h"

#include <QLabel>
#include <QSettings>
#include <QStatusBar>

#include <memory>

namespace {
constexpr auto SpeedKey = "line/speed";
constexpr auto FormatKey = "line/format";
constexpr auto AddressKey = "line/address";

void store(QSettings *settings, const zt::line::LineSettings &line)
{
    settings->setValue(SpeedKey, line.baudRate);
    settings->setValue(FormatKey, zt::line::formatName(line.format));
    settings->setValue(AddressKey, line.address);
}
} // namespace

// The main form stays as designed: the entries join the menu here.
void MainWindow::setUpLineSettings()
{
    namespace line = zt::line;
    line::LineSettings stored;
    stored.baudRate = appSettings->value(SpeedKey).toInt();
    stored.address = appSettings->value(AddressKey).toInt();
    if (line::parseFormat(appSettings->value(FormatKey).toString(), &stored.format) && line::isValid(stored))
        lineSettings = stored;

    lineStatus = new QLabel(statusBarWidget);
    statusBarWidget->addPermanentWidget(lineStatus);

    ui->menu_2->addSeparator();
    QAction *edit = ui->menu_2->addAction(msg::LineSettingsAction, this, &MainWindow::editLineSettings);
    edit->setObjectName(QStringLiteral("action_line_settings"));
    QAction *search = ui->menu_2->addAction(msg::ModuleSearchAction, this, &MainWindow::searchModule);
    search->setObjectName(QStringLiteral("action_module_search"));
    QAction *list = ui->menu_2->addAction(msg::ModuleListAction, this, &MainWindow::listModules);
    list->setObjectName(QStringLiteral("action_module_list"));
    for (QAction *action : {edit, search, list})
        action->setFont(ui->action_demo->font());
}

// Taken for the next connection; the present one keeps its line.
void MainWindow::editLineSettings()
{
    LineSettingsDialog dialog(lineSettings, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    lineSettings = dialog.settings();
    store(appSettings, lineSettings);
}

void MainWindow::useLineSettings(const zt::line::LineSettings &settings)
{
    lineSettings = settings;
    store(appSettings, lineSettings);
    if (isConnected())
        disconnectFromModule();
    openSerialPort();
}

// Only what the user sets on a connected module: the values shown from the
// module while connecting are written back too, and they change nothing.
// The provider finishes writes in order, so this write's end is the
// writesInFlight-th writeDataEnd() from now.
void MainWindow::offerLineChange(int address, quint16 value)
{
    if (!isConnected() || !provider)
        return;
    auto ends = std::make_shared<int>(writesInFlight);
    auto link = std::make_shared<QMetaObject::Connection>();
    *link = connect(provider, &RtuProvider::writeDataEnd, this, [this, ends, link, address, value] {
        if (--*ends > 0)
            return;
        disconnect(*link);
        if (provider && provider->lastWriteConfirmed())
            followModuleLine(address, value);
    });
}

// Changes declined earlier on this connection stay in the offer: the module
// took them all.
void MainWindow::followModuleLine(int address, quint16 value)
{
    if (offeredLine.on != provider)
        offeredLine = {lineSettings, provider};
    if (!zt::line::followModuleRegister(&offeredLine.settings, address, value)
        || offeredLine.settings == lineSettings)
        return;
    const QString question = msg::LineFollowQuestion.arg(zt::line::describe(offeredLine.settings));
    if (prompts->question(this, msg::LineTitle, question))
        useLineSettings(offeredLine.settings);
}
