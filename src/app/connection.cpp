// Port list, connect and disconnect, and the reaction to every failure the
// transport reports. Each failure ends in the idle state: port closed,
// transport released, connect button enabled.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "modbus/logging.h"
#include "modbus/portenumerator.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"
#include "userprompts.h"

#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace {
constexpr int WatchdogMs = 3000;
} // namespace

void MainWindow::fillPortList()
{
    ui->cbPorts->clear();
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
    const QString name = ui->cbPorts->currentText();
    if (!portReady(name))
        return;

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

    zt::line::LineSettings line = lineSettings;
    line.port = name;
    provider->openPort(line);
    if (!provider->opened) {
        // Nothing to wait for: say at once why the port did not open.
        releaseProvider();
        ui->BT_Open_Connect->setEnabled(true);
        prompts->critical(this, msg::ErrorTitle, openFailureText(name));
        return;
    }
    lineStatus->setText(zt::line::describe(lineSettings));
    requestBlock(QModbusDataUnit::HoldingRegisters, zt::reg::IdentBlock, zt::reg::IdentCount);
    watchdogTimer->start(WatchdogMs);
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
    pollTimer->stop();
    watchdogTimer->stop();
    disconnectFromModule();
    // A module that refuses a read is no broken cable: say what it answered.
    if (exceptionCode != 0) {
        prompts->critical(this, msg::ErrorTitle, moduleAnsweredText(exceptionCode));
        return;
    }
    // After the close, whose own status text would hide the reason.
    onShowStatus(msg::ModuleReadError);
}

void MainWindow::onWriteDataError()
{
    watchdogTimer->stop();
    disconnectFromModule();
    prompts->critical(this, msg::ErrorTitle, msg::LinkError);
}

void MainWindow::onTimerTimeOut()
{
    watchdogTimer->stop();
    const bool connecting = !isConnected();
    const int exceptionCode = provider ? provider->lastExceptionCode() : 0;
    disconnectFromModule();
    if (connecting)
        explainFailedAttempt(exceptionCode);
    else
        prompts->critical(this, msg::ErrorTitle, msg::ConnectionTimeout);
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

