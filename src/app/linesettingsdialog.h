#pragma once

#include "line/linesettings.h"

#include <QDialog>

namespace Ui {
class LineSettingsDialog;
}

// The line the program talks to a module on: speed, format and address,
// offered from the module's own lists.
class LineSettingsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LineSettingsDialog(const zt::line::LineSettings &settings, QWidget *parent = nullptr);
    ~LineSettingsDialog() override;

    zt::line::LineSettings settings() const;

private:
    Ui::LineSettingsDialog *ui;
};
