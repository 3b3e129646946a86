#include "app/connection/modulelistdialog.h"
#include "ui_modulelistdialog.h"

#include "messages.h"
#include "app/connection/modulelisttexts.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {
constexpr int AddressRole = Qt::UserRole;
}

ModuleListDialog::ModuleListDialog(int first, int last, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ModuleListDialog)
{
    ui->setupUi(this);
    ui->progress->setRange(first, last);
    ui->BT_Stop->setText(msg::CancelButton);
    connect(ui->TW_Modules, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem *> chosen = ui->TW_Modules->selectedItems();
        ui->BT_Connect->setEnabled(!chosen.isEmpty() && chosen.first()->data(0, AddressRole).isValid());
    });
    connect(ui->TW_Modules, &QTreeWidget::itemDoubleClicked, this, &ModuleListDialog::connectToChosen);
    connect(ui->BT_Connect, &QPushButton::clicked, this, &ModuleListDialog::connectToChosen);
    connect(ui->BT_Copy, &QPushButton::clicked, this, &ModuleListDialog::copyList);
    connect(ui->BT_Stop, &QPushButton::clicked, this, [this] {
        if (!sweeping) {
            close();
            return;
        }
        emit stopRequested();
        showEnd(modulelisttext::Stopped.arg(lastAsked).arg(rowCount()));
    });
}

ModuleListDialog::~ModuleListDialog()
{
    delete ui;
}

void ModuleListDialog::showAsking(int address)
{
    lastAsked = address;
    ui->progress->setValue(address);
    ui->LB_State->setText(modulelisttext::Asking.arg(address).arg(ui->progress->maximum()));
}

void ModuleListDialog::addModule(int address, const QString &type, const QString &firmware)
{
    addRow({QString::number(address), type, firmware}, true);
}

void ModuleListDialog::addDevice(int address, const QString &description)
{
    addRow({QString::number(address), description, QString()}, false);
}

void ModuleListDialog::addRow(const QStringList &cells, bool connectable)
{
    auto *item = new QTreeWidgetItem(ui->TW_Modules, cells);
    if (connectable)
        item->setData(0, AddressRole, cells.first().toInt());
    ui->BT_Copy->setEnabled(true);
}

void ModuleListDialog::showEnd(const QString &why)
{
    sweeping = false;
    ui->progress->setValue(ui->progress->maximum());
    ui->BT_Stop->setText(modulelisttext::Close);
    if (!why.isEmpty())
        ui->LB_State->setText(why);
    else
        ui->LB_State->setText(rowCount() ? modulelisttext::Found.arg(rowCount()) : modulelisttext::NoneFound.text());
}

int ModuleListDialog::rowCount() const
{
    return ui->TW_Modules->topLevelItemCount();
}

void ModuleListDialog::connectToChosen()
{
    const QList<QTreeWidgetItem *> chosen = ui->TW_Modules->selectedItems();
    if (!chosen.isEmpty() && chosen.first()->data(0, AddressRole).isValid())
        emit connectRequested(chosen.first()->data(0, AddressRole).toInt());
}

// One line per row, the columns separated by tabs: a spreadsheet takes it
// as a table.
void ModuleListDialog::copyList()
{
    QStringList lines;
    for (int i = 0; i < rowCount(); ++i) {
        const QTreeWidgetItem *item = ui->TW_Modules->topLevelItem(i);
        QStringList cells;
        for (int column = 0; column < item->columnCount(); ++column)
            cells << item->text(column);
        lines << cells.join(QLatin1Char('\t'));
    }
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}
