// The help menu: the update check and the about dialog.

#include "mainwindow.h"

#include "app/help/aboutdialog.h"
#include "messages.h"
#include "programinfo.h"
#include "app/help/updatedialog.h"
#include "userprompts.h"

#include <QDialog>

void MainWindow::onUpdate()
{
    UpdateDialogOptions options;
    options.prompts = prompts;
    updateDialog = new UpDateDialog(QString::fromLatin1(program::Name), QString::fromLatin1(program::Version), options);
    // Only a started installer accepts the dialog; "Выход", Esc and the
    // close button reject it and leave the window open.
    connect(updateDialog, &QDialog::accepted, this, &QWidget::close);
    updateDialog->exec();
    updateDialog->deleteLater();
    updateDialog = nullptr;
}

void MainWindow::onAbout()
{
    aboutDialog = new AboutDialog;
    aboutDialog->exec();
    aboutDialog->deleteLater();
    aboutDialog = nullptr;
}
