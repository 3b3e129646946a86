#include "app/files/comparedialog.h"
#include "ui_comparedialog.h"

#include "messages.h"

CompareDialog::CompareDialog(const QString &filePath, const QVector<zt::commission::Difference> &differences,
                             QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CompareDialog)
{
    ui->setupUi(this);
    ui->LB_Summary->setText((differences.isEmpty() ? msg::CompareSame : msg::CompareDiffers).arg(filePath));
    ui->TW_Differences->setRowCount(differences.size());
    for (int row = 0; row < differences.size(); ++row) {
        const zt::commission::Difference &d = differences.at(row);
        const QStringList cells{d.setting, d.moduleValue, d.fileValue};
        for (int column = 0; column < cells.size(); ++column)
            ui->TW_Differences->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    ui->TW_Differences->setVisible(!differences.isEmpty());
    ui->TW_Differences->resizeColumnsToContents();
}

CompareDialog::~CompareDialog()
{
    delete ui;
}
