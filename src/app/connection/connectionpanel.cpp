// The port list, connecting, and the reaction to every way the module link
// ends. Each failure ends in the idle state: port closed, link ended, connect
// button enabled.

#include "connectionpanel.h"
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

ConnectionPanel::ConnectionPanel(const Window &window, zt::link::ModuleLink *link, PortEnumerator *ports,
                                 const QStringList &namedPorts)
    : QObject(window.widget)
    , window(window)
    , link(link)
    , portEnumerator(ports)
    , namedPorts(namedPorts)
{
    using zt::link::ModuleLink;
    connect(link, &ModuleLink::writeFinished, this, &ConnectionPanel::followLineWrite);

    // Listing the system's ports asks udev about each (about 13 ms, half of
    // the window's own start-up): the window is shown first, the list follows.
    QTimer::singleShot(0, this, [this] {
        fillPortList();
        if (!this->namedPorts.isEmpty())
            this->window.form->cbPorts->setCurrentText(this->namedPorts.first());
    });
    setUpLineSettings();
}

void ConnectionPanel::critical(const QString &text)
{
    window.prompts->critical(window.widget, msg::ErrorTitle, text);
}

// While the line is a Modbus TCP gateway the port list holds the gateway
// alone: that is where "Соединиться" goes.
void ConnectionPanel::fillPortList()
{
    QComboBox *list = window.form->cbPorts;
    list->clear();
    if (lineSettings.isTcp()) {
        list->addItem(zt::line::place(lineSettings));
        return;
    }
    const QStringList ports = portEnumerator->availablePorts();
    list->addItems(ports);
    for (const QString &device : qAsConst(namedPorts)) {
        if (!ports.contains(device))
            list->addItem(device);
    }
}

void ConnectionPanel::refreshPorts()
{
    fillPortList();
    window.statusBar->showMessage(msg::PortsRefreshed);
}

bool ConnectionPanel::isConnected() const
{
    return link->isOpen() && link->isIdentified();
}

void ConnectionPanel::connectOrDisconnect()
{
    if (!isConnected()) {
        qCDebug(lcApp).noquote() << window.form->cbPorts->currentText();
        connectToModule();
    } else {
        window.disconnect();
    }
}

bool ConnectionPanel::lineToSweep(zt::line::LineSettings *line)
{
    if (window.isOffline()) {
        critical(msg::OfflineNoTransfer);
        return false;
    }
    if (isConnected())
        window.disconnect();
    *line = lineSettings;
    if (line->isTcp())
        return true;
    line->port = window.form->cbPorts->currentText();
    return portReady(line->port);
}

// Whether the chosen port can be tried at all; says why not.
bool ConnectionPanel::portReady(const QString &name)
{
    if (name.isEmpty()) {
        critical(msg::NoPortName);
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
        critical(msg::PortGone);
        return false;
    }
    if (state == State::Busy) {
        critical(msg::PortBusy);
        return false;
    }
    return true;
}

void ConnectionPanel::connectToModule()
{
    zt::line::LineSettings line = lineSettings;
    if (!line.isTcp()) {
        line.port = window.form->cbPorts->currentText();
        if (!portReady(line.port))
            return;
    }
    const QString name = zt::line::place(line);

    window.form->BT_Open_Connect->setEnabled(false);
    linePort = name;
    if (!link->open(line)) {
        // Nothing to wait for: say at once why the port did not open.
        const QString why = line.isTcp() ? link->failureText() : openFailureText(name);
        window.form->BT_Open_Connect->setEnabled(true);
        critical(why);
        return;
    }
    lineStatus->setText(zt::line::describe(line));
    link->identify();
}

QString ConnectionPanel::openFailureText(const QString &portName) const
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

// Whatever ended the link, its line is no longer in use and the writes
// offered on it will not be confirmed. When it ended on its own: back to
// idle, then why, as the moment it ended calls for.
void ConnectionPanel::onLinkEnded(zt::link::Reason reason)
{
    using zt::link::Reason;
    lineStatus->clear();
    lineWrites.clear();
    if (reason == Reason::Closed)
        return;  // the window closed it, and has said what it had to
    const bool connecting = !link->isIdentified();
    const int exceptionCode = link->exceptionCode();
    const QString failure = link->failureText();
    window.disconnect();
    if (reason == Reason::NotRecognised)
        critical(msg::DeviceNotRecognised);
    else if (reason == Reason::LineLost) // the transport tells it as a failed write
        critical(failedWriteText(exceptionCode, failure));
    else if (connecting)
        explainFailedAttempt(exceptionCode, failure);
    else if (link->timedOut())
        critical(failure.isEmpty() ? msg::ConnectionTimeout.text() : failure);
    // A module that refuses a read is no broken cable: say what it answered.
    else if (exceptionCode != 0)
        critical(moduleAnsweredText(exceptionCode));
    else // after the close, whose own status text would hide the reason
        window.statusBar->showMessage(failure.isEmpty() ? msg::ModuleReadError.text() : failure);
}

QString ConnectionPanel::failedWriteText(int exceptionCode, const QString &failure)
{
    return exceptionCode != 0 ? moduleAnsweredText(exceptionCode) : !failure.isEmpty() ? failure : msg::LinkError.text();
}
