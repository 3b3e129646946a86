// The line the window talks to a module on: the menu entries, the settings
// kept between runs, the status bar's note of the line in use, the port row
// naming a Modbus TCP gateway, and following a PLB module to the address,
// speed or format it was just given.

#include "connectionpanel.h"
#include "ui_mainwindow.h"

#include "app/connection/linesettingsdialog.h"
#include "messages.h"
#include "userprompts.h"
#include "link/modulelink.h"

#include <QLabel>
#include <QSettings>
#include <QStatusBar>

namespace {
constexpr auto SpeedKey = "line/speed";
constexpr auto FormatKey = "line/format";
constexpr auto AddressKey = "line/address";
constexpr auto ConnectionKey = "line/connection";
constexpr auto HostKey = "line/host";
constexpr auto TcpPortKey = "line/tcpPort";
constexpr auto TimeoutKey = "line/timeout";
constexpr auto TcpConnection = "tcp";
constexpr auto SerialConnection = "serial";

void store(QSettings *settings, const zt::line::LineSettings &line)
{
    settings->setValue(SpeedKey, line.baudRate);
    settings->setValue(FormatKey, zt::line::formatName(line.format));
    settings->setValue(AddressKey, line.address);
    settings->setValue(ConnectionKey, QLatin1String(line.isTcp() ? TcpConnection : SerialConnection));
    settings->setValue(HostKey, line.host);
    settings->setValue(TcpPortKey, line.tcpPort);
    settings->setValue(TimeoutKey, line.timeoutMs);
}

// What was stored, judged by the line's own rules; a gateway's fields only
// when the gateway is the line.
bool restore(const QSettings &settings, zt::line::LineSettings *line)
{
    namespace zl = zt::line;
    zl::LineSettings stored;
    stored.baudRate = settings.value(SpeedKey).toInt();
    stored.address = settings.value(AddressKey).toInt();
    if (!zl::parseFormat(settings.value(FormatKey).toString(), &stored.format))
        return false;
    if (settings.value(ConnectionKey).toString() == QLatin1String(TcpConnection)) {
        stored.link = zl::Link::Tcp;
        stored.host = settings.value(HostKey).toString();
        stored.tcpPort = settings.value(TcpPortKey).toInt();
        stored.timeoutMs = settings.value(TimeoutKey).toInt();
    }
    if (!zl::isValid(stored))
        return false;
    *line = stored;
    return true;
}
} // namespace

// The main form stays as designed: the entries join the menu here.
void ConnectionPanel::setUpLineSettings()
{
    Ui::MainWindow *form = window.form;
    restore(*window.settings, &lineSettings);
    serialPortRow = form->label->text();
    showLineKind();

    lineStatus = new QLabel(window.statusBar);
    window.statusBar->addPermanentWidget(lineStatus);

    form->menu_2->addSeparator();
    QAction *edit = form->menu_2->addAction(msg::LineSettingsAction, this, &ConnectionPanel::editLineSettings);
    edit->setObjectName(QStringLiteral("action_line_settings"));
    QAction *search = form->menu_2->addAction(msg::ModuleSearchAction, this, &ConnectionPanel::searchModule);
    search->setObjectName(QStringLiteral("action_module_search"));
    QAction *list = form->menu_2->addAction(msg::ModuleListAction, this, &ConnectionPanel::listModules);
    list->setObjectName(QStringLiteral("action_module_list"));
    for (QAction *action : {edit, search, list})
        action->setFont(form->action_demo->font());
}

// Taken for the next connection; the present one keeps its line.
void ConnectionPanel::editLineSettings()
{
    LineSettingsDialog dialog(lineSettings, window.widget);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool gatewayBefore = lineSettings.isTcp();
    lineSettings = dialog.settings();
    store(window.settings, lineSettings);
    showLineKind();
    if (gatewayBefore || lineSettings.isTcp())
        fillPortList();
}

// The port row names a gateway as the place to connect to; "Обновить" shows
// it again.
void ConnectionPanel::showLineKind()
{
    const bool tcp = lineSettings.isTcp();
    Ui::MainWindow *form = window.form;
    form->label->setText(tcp ? msg::TcpPortRow.text() : serialPortRow);
    form->cbPorts->setAccessibleName(form->label->text());
    form->cbPorts->setToolTip(tcp ? msg::TcpPortRowTip.text() : QString());
}

void ConnectionPanel::useLineSettings(const zt::line::LineSettings &settings)
{
    lineSettings = settings;
    store(window.settings, lineSettings);
    if (isConnected())
        window.disconnect();
    connectToModule();
}

// Only what the user sets on a connected module: the values shown from the
// module while connecting are written back too, and they change nothing.
void ConnectionPanel::offerLineChange(int request, int address, quint16 value)
{
    if (isConnected() && request != 0)
        lineWrites.insert(request, {address, value});
}

void ConnectionPanel::showModuleLine(const std::function<void()> &show)
{
    const QHash<int, LineWrite> offered = lineWrites;
    show();
    lineWrites = offered;
}

// The module took the write: the line may follow it. Writes still pending
// when the link ended are the link's end to report.
void ConnectionPanel::followLineWrite(int request, zt::link::Purpose purpose, zt::link::WriteOutcome outcome)
{
    if (purpose != zt::link::Purpose::LineChange || outcome.kind != zt::link::WriteOutcome::Confirmed || !link->isOpen())
        return;
    if (lineWrites.contains(request)) {
        const LineWrite write = lineWrites.take(request);
        followModuleLine(write.address, write.value);
    }
}

// Changes declined earlier on this connection stay in the offer: the module
// took them all.
void ConnectionPanel::followModuleLine(int address, quint16 value)
{
    if (offeredLine.on != link->lineNumber())
        offeredLine = {lineSettings, link->lineNumber()};
    if (!zt::line::followModuleRegister(&offeredLine.settings, address, value)
        || offeredLine.settings == lineSettings)
        return;
    const QString question = msg::LineFollowQuestion.arg(zt::line::describe(offeredLine.settings));
    if (window.prompts->question(window.widget, msg::LineTitle, question))
        useLineSettings(offeredLine.settings);
}
