#pragma once

#include "commission/comparison.h"

#include <QDialog>

namespace Ui {
class CompareDialog;
}

// The settings in which the connected module and a settings file differ,
// side by side and read-only. It writes nothing.
class CompareDialog : public QDialog
{
    Q_OBJECT

public:
    CompareDialog(const QString &filePath, const QVector<zt::commission::Difference> &differences,
                  QWidget *parent = nullptr);
    ~CompareDialog() override;

private:
    Ui::CompareDialog *ui;
};
