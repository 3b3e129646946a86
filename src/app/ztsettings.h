#pragma once

#include "settings/modulesettings.h"

#include <QObject>

class UserPrompts;

// One settings file for one command of the window: filled from the form or
// from a file, used once, then disposed of. The file format lives in the core
// library; this adds the file dialogs.
class zt_settings : public QObject, public zt::ModuleSettings
{
    Q_OBJECT

public:
    explicit zt_settings(UserPrompts *prompts, QObject *parent = nullptr);

    QString FileName; // the path chosen in this object's last dialog

public slots:
    // With a dialog; a cancelled dialog leaves FileName empty and touches no file.
    zt::settingsfile::Status LoadZTSetting();
    zt::settingsfile::Status SaveZTSetting();

    zt::settingsfile::Status LoadZTSetting(const QString &path, zt::settingsfile::LoadError *error = nullptr);
    zt::settingsfile::Status SaveZTSetting(const QString &path);

private:
    UserPrompts *prompts;
};
