// The window's side of the connection row: the form's slots, and the way
// back to idle, the port closed and the connect button enabled, after a
// disconnect or any failure.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "app/files/filecommands.h"

#include "app/connection/connectionpanel.h"
#include "messages.h"
#include "link/modulelink.h"
#include "userprompts.h"

#include <QStatusBar>
#include <QTimer>

using zt::commission::ModuleState;

void MainWindow::on_BT_Open_Connect_2_clicked() { connection->refreshPorts(); }
void MainWindow::on_BT_Open_Connect_clicked() { connection->connectOrDisconnect(); }
void MainWindow::openSerialPort() { connection->connectToModule(); }
bool MainWindow::isConnected() const { return connection->isConnected(); }

// The disconnect action, also the way back to idle after every failure.
void MainWindow::disconnectFromModule()
{
    ui->BT_Open_Connect->setText(msg::Connect);
    link->close(); // a file being written says it was cut short
    // What was pending belonged to this connection: no later write of another
    // one may report it.
    clearPendingMessages();
    fileCommands->forgetQuestion();
    ui->CB_Modul_name->setCurrentIndex(0);
    setDefault();
}

void MainWindow::onShowStatus(QString str)
{
    statusBarWidget->showMessage(str);
}

void MainWindow::reportFailedWrite(int exceptionCode, const QString &failure)
{
    prompts->critical(this, msg::ErrorTitle, ConnectionPanel::failedWriteText(exceptionCode, failure));
}

