// The help menu: the update check and the about dialog.

#include "helpmenu.h"

#include "app/help/aboutdialog.h"
#include "app/help/updatedialog.h"
#include "programinfo.h"

#include <QDialog>

HelpMenu::HelpMenu(UserPrompts *prompts, QWidget *window)
    : QObject(window)
    , prompts(prompts)
    , window(window)
{
}

void HelpMenu::showUpdate()
{
    UpdateDialogOptions options;
    options.prompts = prompts;
    updateDialog = new UpDateDialog(QString::fromLatin1(program::Name), QString::fromLatin1(program::Version), options);
    // Only a started installer accepts the dialog; "Выход", Esc and the
    // close button reject it and leave the window open.
    connect(updateDialog, &QDialog::accepted, window, &QWidget::close);
    updateDialog->exec();
    updateDialog->deleteLater();
    updateDialog = nullptr;
}

void HelpMenu::showAbout()
{
    aboutDialog = new AboutDialog;
    aboutDialog->exec();
    aboutDialog->deleteLater();
    aboutDialog = nullptr;
}
