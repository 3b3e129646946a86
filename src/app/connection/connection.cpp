// Port list, connect and disconnect, and the reaction to every way the
// module link ends. Each failure ends in the idle state: port closed, link
// ended, connect button enabled.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "line/linetiming.h"
#include "line/tcpfailure.h"
#include "modbus/logging.h"
#include "modbus/portenumerator.h"
#include "link/modulelink.h"
#include "userprompts.h"

#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

using zt::commission::ModuleState;

// While the line is a Modbus TCP gateway the port list holds the gateway
// alone: that is where "Соединиться" goes.
void MainWindow::fillPortList()
{
    ui->cbPorts->clear();
    if (lineSettings.isTcp()) {
        ui->cbPorts->addItem(zt::line::place(lineSettings));
        return;
    }
    ports = portEnumerator->availablePorts();
    ui->cbPorts->addItems(ports);
    for (const QString &device : qAsConst(namedPorts)) {
        if (!ports.contains(device))
            ui->cbPorts->addItem(device);
    }
}

void MainWindow::on_BT_Open_Connect_2_clicked()
{
    fillPortList();
    onShowStatus(msg::PortsRefreshed);
}

bool MainWindow::isConnected() const
{
    return link->isOpen() && link->isIdentified();
}

void MainWindow::on_BT_Open_Connect_clicked()
{
    if (!isConnected()) {
        qCDebug(lcApp).noquote() << ui->cbPorts->currentText();
        openSerialPort();
    } else {
        disconnectFromModule();
    }
}

bool MainWindow::lineToSweep(zt::line::LineSettings *line)
{
    if (isOffline()) {
        prompts->critical(this, msg::ErrorTitle, msg::OfflineNoTransfer);
        return false;
    }
    if (isConnected())
        disconnectFromModule();
    *line = lineSettings;
    if (line->isTcp())
        return true;
    line->port = ui->cbPorts->currentText();
    return portReady(line->port);
}

// Whether the chosen port can be tried at all; says why not.
bool MainWindow::portReady(const QString &name)
{
    if (name.isEmpty()) {
        prompts->critical(this, msg::ErrorTitle, msg::NoPortName);
        return false;
    }
    using State = PortEnumerator::PortState;
    const State state = portEnumerator->state(name);
    // A port named on the command line may be missing from the system's list:
    // on POSIX its device file tells whether it is there, on Windows only
    // opening it does.
    const bool named = namedPorts.contains(name)
        && (PortEnumerator::hostNaming() == PortEnumerator::Naming::Windows || QFileInfo::exists(name));
    if (state == State::Gone && !named) {
        prompts->critical(this, msg::ErrorTitle, msg::PortGone);
        return false;
    }
    if (state == State::Busy) {
        prompts->critical(this, msg::ErrorTitle, msg::PortBusy);
        return false;
    }
    return true;
}

void MainWindow::openSerialPort()
{
    zt::line::LineSettings line = lineSettings;
    if (!line.isTcp()) {
        line.port = ui->cbPorts->currentText();
        if (!portReady(line.port))
            return;
    }
    const QString name = zt::line::place(line);

    ui->BT_Open_Connect->setEnabled(false);
    linePort = name;
    if (!link->open(line)) {
        // Nothing to wait for: say at once why the port did not open.
        const QString why = line.isTcp() ? link->failureText() : openFailureText(name);
        ui->BT_Open_Connect->setEnabled(true);
        prompts->critical(this, msg::ErrorTitle, why);
        return;
    }
    lineStatus->setText(zt::line::describe(line));
    link->identify();
}

QString MainWindow::openFailureText(const QString &portName) const
{
    using Failure = PortEnumerator::OpenFailure;
    const Failure failure = portEnumerator->whyNotOpen(portName);
    switch (failure.kind) {
    case Failure::Busy: return msg::PortBusy;
    case Failure::NoAccess: return msg::PortNoAccess.arg(portName);
    case Failure::Gone: return msg::PortGone;
    case Failure::Other: break;
    }
    return msg::PortOpenFailed.arg(portName, failure.detail);
}

// The disconnect action, also the way back to idle after every failure.
void MainWindow::disconnectFromModule()
{
    ui->BT_Open_Connect->setText(msg::Connect);
    lineStatus->clear();
    link->close(); // a file being written says it was cut short
    // What was pending belonged to this connection: no later write of another
    // one may report it.
    clearPendingMessages();
    awaitedRead = {};
    ui->CB_Modul_name->setCurrentIndex(0);
    setDefault();
}

void MainWindow::onShowStatus(QString str)
{
    statusBarWidget->showMessage(str);
}

// The link has ended on its own: back to idle, then why, as the moment it
// ended calls for.
void MainWindow::onLinkEnded(zt::link::Reason reason)
{
    using zt::link::Reason;
    if (reason == Reason::Closed)
        return;  // the window closed it, and has said what it had to
    const bool connecting = !link->isIdentified();
    const int exceptionCode = link->exceptionCode();
    const QString failure = link->failureText();
    disconnectFromModule();
    if (reason == Reason::NotRecognised)
        prompts->critical(this, msg::ErrorTitle, msg::DeviceNotRecognised);
    else if (reason == Reason::LineLost) // the transport tells it as a failed write
        reportFailedWrite(exceptionCode, failure);
    else if (connecting)
        explainFailedAttempt(exceptionCode, failure);
    else if (link->timedOut())
        prompts->critical(this, msg::ErrorTitle, failure.isEmpty() ? msg::ConnectionTimeout.text() : failure);
    // A module that refuses a read is no broken cable: say what it answered.
    else if (exceptionCode != 0)
        prompts->critical(this, msg::ErrorTitle, moduleAnsweredText(exceptionCode));
    else // after the close, whose own status text would hide the reason
        onShowStatus(failure.isEmpty() ? msg::ModuleReadError.text() : failure);
}

// A write that failed, or the line itself. A module that refused it is no
// broken line: its answer is named, as ztconfig-cli names it. Over TCP the
// transport knows which, and a gateway's exception says the module was not
// reached.
void MainWindow::reportFailedWrite(int exceptionCode, const QString &failure)
{
    const QString text = exceptionCode != 0 ? moduleAnsweredText(exceptionCode)
                         : !failure.isEmpty() ? failure
                                              : msg::LinkError.text();
    prompts->critical(this, msg::ErrorTitle, text);
}

