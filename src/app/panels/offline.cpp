// Offline mode: a configuration prepared by hand, with nothing sent.

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "messages.h"
#include "link/modulelink.h"
#include "userprompts.h"

void MainWindow::on_action_demo()
{
    if (ui->action_demo->isChecked()) {
        if (!prompts->question(this, msg::OfflineTitle, msg::OfflineQuestion)) {
            ui->action_demo->setChecked(false);
            return;
        }
        link->stopPolling();
        link->stopFile(); // says so once the step on its way has ended
        forgetTypedLimits();
        ui->CB_Modul_name->setEnabled(true);
        ui->BT_Open_Connect->setEnabled(false);
        setVis();
        return;
    }

    ui->CB_Modul_name->setCurrentIndex(0);
    setDefault();
    forgetTypedLimits();
    ui->CB_Modul_name->setEnabled(false);
    ui->BT_Open_Connect->setEnabled(true);
    // A module still on the line is identified again, so that the form shows
    // it and polling resumes.
    if (isConnected())
        link->identify();
}
