#pragma once

#include <QObject>

class AboutDialog;
class QDialog;
class QWidget;
class UserPrompts;

// The help menu's dialogs: the update check, whose started installer closes
// the window, and "О программе".
class HelpMenu : public QObject
{
    Q_OBJECT

public:
    HelpMenu(UserPrompts *prompts, QWidget *window);

    void showUpdate();
    void showAbout();

private:
    UserPrompts *prompts;
    QWidget *window;
    QDialog *updateDialog = nullptr;  // the one open, if any
    AboutDialog *aboutDialog = nullptr;
};
