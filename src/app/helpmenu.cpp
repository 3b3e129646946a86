// The help menu: the update check and the about dialog.

#include "mainwindow.h"

#include "aboutdialog.h"
#include "messages.h"
#include "programinfo.h"
#include "updatecheck.h"
#include "updatetexts.h"
#include "userprompts.h"

#include <QDialog>

void MainWindow::onUpdate()
{
    UpdateDialogOptions options;
    options.prompts = prompts;
    QString why;
    // The library sits beside the trend window's.
    updateDialog = createUpdateDialog(trendPluginDir, QString::fromLatin1(program::Name),
                                      QString::fromLatin1(program::Version), options, nullptr, &why);
    if (!updateDialog) {
        prompts->critical(this, msg::ErrorTitle.text(), updmsg::NotLoaded.arg(why));
        return;
    }
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
