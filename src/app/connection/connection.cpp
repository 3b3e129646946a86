// Port list, connect and disconnect, and the reaction to every failure the
// transport reports. Each failure ends in the idle state: port closed,
// transport released, connect button enabled.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "line/linetiming.h"
#include "line/tcpfailure.h"
#include "modbus/logging.h"
#include "modbus/portenumerator.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"
#include "userprompts.h"

#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

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
    return moduleConnected;
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
    releaseProvider();
    linePort = name;
    provider = new RtuProvider(name, lineSettings.address, this);
    connect(provider, SIGNAL(sendStatus(QString)), this, SLOT(onShowStatus(QString)));
    connect(provider, SIGNAL(writeDataEnd()), this, SLOT(onWriteDataEnd()));
    connect(provider, SIGNAL(writeDataError()), this, SLOT(onWriteDataError()));
    connect(provider, SIGNAL(readCurUnit(QModbusDataUnit)), this, SLOT(onSetReadStendData(QModbusDataUnit)));
    connect(provider, SIGNAL(readDataError()), this, SLOT(onModulReadDataError()));
    connect(provider, SIGNAL(closeDevice()), this, SLOT(onCloseDeviceZT()));

    provider->openPort(line);
    if (!provider->opened) {
        // Nothing to wait for: say at once why the port did not open.
        const QString why = line.isTcp() ? provider->failureText() : openFailureText(name);
        releaseProvider();
        ui->BT_Open_Connect->setEnabled(true);
        prompts->critical(this, msg::ErrorTitle, why);
        return;
    }
    lineStatus->setText(zt::line::describe(line));
    requestBlock(QModbusDataUnit::HoldingRegisters, zt::reg::IdentBlock, zt::reg::IdentCount);
    armWatchdog();
}

// For the line of the connection: the dialog may have chosen another since.
void MainWindow::armWatchdog()
{
    watchdogTimer->start(zt::line::watchdogMs(provider ? provider->line() : lineSettings));
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

void MainWindow::requestBlock(QModbusDataUnit::RegisterType table, int start, int count)
{
    if (provider)
        provider->readUnit(QModbusDataUnit(table, start, quint16(count)));
}

// The disconnect action, also the way back to idle after every failure.
void MainWindow::disconnectFromModule()
{
    moduleConnected = false;
    ui->BT_Open_Connect->setText(msg::Connect);
    lineStatus->clear();
    pollTimer->stop();
    watchdogTimer->stop();
    rereadTimer->stop();
    releaseProvider();
    // What was pending belonged to this connection: no later write of another
    // one may report it.
    clearPendingMessages();
    ui->CB_Modul_name->setCurrentIndex(0);
    setDefault();
    abortFileWrite(msg::AbortLinkClosed);
    stopCsvLog(msg::AbortLinkClosed);
}

void MainWindow::releaseProvider()
{
    liveReadOutstanding = false;
    if (!provider)
        return;
    RtuProvider *old = provider;
    provider = nullptr;
    old->requestPending = false;
    old->closePort();
    old->disconnect(this);
    old->deleteLater(); // it may be the sender of the signal being handled
}

void MainWindow::onShowStatus(QString str)
{
    statusBarWidget->showMessage(str);
}

void MainWindow::onCloseDeviceZT()
{
    pollTimer->stop();
    if (provider)
        provider->requestPending = false;
}

void MainWindow::onModulReadDataError()
{
    // While connecting, the failed read is the identification: the same
    // failure as the watchdog's, whichever of the two comes first.
    if (!isConnected() && provider) {
        onTimerTimeOut();
        return;
    }
    const int exceptionCode = provider ? provider->lastExceptionCode() : 0;
    const QString failure = provider ? provider->failureText() : QString();
    pollTimer->stop();
    watchdogTimer->stop();
    disconnectFromModule();
    // A module that refuses a read is no broken cable: say what it answered.
    if (exceptionCode != 0) {
        prompts->critical(this, msg::ErrorTitle, moduleAnsweredText(exceptionCode));
        return;
    }
    // After the close, whose own status text would hide the reason.
    onShowStatus(failure.isEmpty() ? msg::ModuleReadError.text() : failure);
}

// A write that failed, or the line itself: over TCP the transport knows
// which, and a gateway's exception says the module was not reached.
void MainWindow::onWriteDataError()
{
    const int exceptionCode = provider ? provider->lastWriteExceptionCode() : 0;
    const QString failure = provider ? provider->failureText() : QString();
    watchdogTimer->stop();
    disconnectFromModule();
    const QString text = zt::line::isGatewayException(exceptionCode) ? moduleAnsweredText(exceptionCode)
                         : !failure.isEmpty()                        ? failure
                                                                     : msg::LinkError.text();
    prompts->critical(this, msg::ErrorTitle, text);
}

void MainWindow::onTimerTimeOut()
{
    watchdogTimer->stop();
    const bool connecting = !isConnected();
    const int exceptionCode = provider ? provider->lastExceptionCode() : 0;
    // The watchdog may come before the transport's own verdict.
    QString failure = provider ? provider->failureText() : QString();
    if (failure.isEmpty() && provider && provider->line().isTcp())
        failure = zt::line::tcpFailureText(provider->line(), zt::line::TcpFailure::NoAnswer);
    disconnectFromModule();
    if (connecting)
        explainFailedAttempt(exceptionCode, failure);
    else
        prompts->critical(this, msg::ErrorTitle, failure.isEmpty() ? msg::ConnectionTimeout.text() : failure);
}

void MainWindow::onTimerReadData()
{
    if (isOffline()) {
        pollTimer->stop();
        return;
    }
    // A module that has not answered the last live read gets no second one:
    // a silent line would otherwise collect a queue of stale reads.
    if (!provider || liveReadOutstanding)
        return;
    liveReadOutstanding = true;
    requestBlock(QModbusDataUnit::InputRegisters, zt::reg::LiveBlock, zt::reg::LiveCount);
}

void MainWindow::on_time_request()
{
    // Scheduled before offline mode was switched on: nothing goes out now.
    if (isOffline())
        return;
    requestBlock(QModbusDataUnit::HoldingRegisters, zt::reg::ConfigBlock, zt::reg::ConfigRereadCount);
}

