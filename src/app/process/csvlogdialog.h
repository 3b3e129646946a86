#pragma once

#include "livelog/csvformat.h"

#include <QDialog>

class UserPrompts;

namespace Ui {
class CsvLogDialog;
}

// Where and how the live values are logged: the file, the CSV dialect and
// whether a new file starts every hour.
struct CsvLogChoice {
    QString path;
    zt::livelog::Dialect dialect = zt::livelog::Dialect::Spreadsheet;
    bool hourly = false;
};

class CsvLogDialog : public QDialog
{
    Q_OBJECT

public:
    CsvLogDialog(const CsvLogChoice &choice, UserPrompts *prompts, QWidget *parent = nullptr);
    ~CsvLogDialog() override;

    CsvLogChoice choice() const;

private:
    void chooseFile();

    Ui::CsvLogDialog *ui;
    UserPrompts *prompts;
};
