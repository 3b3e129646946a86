#pragma once

#include "line/linesettings.h"

#include <QDialog>

namespace Ui {
class LineSettingsDialog;
}

// The line the program talks to a module on: a serial port with speed and
// format from the module's own lists, or a Modbus TCP gateway with its host,
// port and time-out; and the module's address.
class LineSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LineSettingsDialog(const zt::line::LineSettings &settings, QWidget *parent = nullptr);
    ~LineSettingsDialog() override;

    zt::line::LineSettings settings() const;

private:
    void showChoice();
    void judgeHost();
    bool tcpChosen() const;

    Ui::LineSettingsDialog *ui;
};
