#include "app/process/csvlogdialog.h"
#include "ui_csvlogdialog.h"

#include "app/process/csvlogtexts.h"
#include "messages.h"
#include "userprompts.h"

#include <QCoreApplication>
#include <QPushButton>

using zt::livelog::Dialect;

namespace {
// The rows of the dialect list in the form.
constexpr Dialect Dialects[] = {Dialect::Spreadsheet, Dialect::Rfc4180};

QString translated(const char *text)
{
    return QCoreApplication::translate(csvlogtext::Context, text);
}
} // namespace

CsvLogDialog::CsvLogDialog(const CsvLogChoice &choice, UserPrompts *prompts, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::CsvLogDialog)
    , prompts(prompts)
{
    ui->setupUi(this);
    QPushButton *start = ui->buttonBox->button(QDialogButtonBox::Ok);
    start->setText(translated(csvlogtext::StartButton));
    ui->buttonBox->button(QDialogButtonBox::Cancel)->setText(msg::CancelButton);
    ui->ED_File->setText(choice.path);
    ui->CB_Dialect->setCurrentIndex(choice.dialect == Dialects[0] ? 0 : 1);
    ui->CHB_Hourly->setChecked(choice.hourly);
    start->setEnabled(!choice.path.isEmpty());
    connect(ui->ED_File, &QLineEdit::textChanged, start, [start](const QString &path) {
        start->setEnabled(!path.trimmed().isEmpty());
    });
    connect(ui->BT_File, &QPushButton::clicked, this, &CsvLogDialog::chooseFile);
}

CsvLogDialog::~CsvLogDialog()
{
    delete ui;
}

CsvLogChoice CsvLogDialog::choice() const
{
    return {ui->ED_File->text().trimmed(), Dialects[ui->CB_Dialect->currentIndex()], ui->CHB_Hourly->isChecked()};
}

void CsvLogDialog::chooseFile()
{
    const QString path = prompts->saveFileName(translated(csvlogtext::FileCaption), translated(csvlogtext::FileFilter));
    if (!path.isEmpty())
        ui->ED_File->setText(path);
}
