#pragma once

#include <QDialog>

namespace Ui {
class ModuleListDialog;
}

class QTreeWidgetItem;

// The modules on a line as a sweep finds them: the progress, the list
// (address, type, firmware) that can be copied, and the choice of a module
// to connect to. It only shows; the window runs the sweep.
class ModuleListDialog : public QDialog
{
    Q_OBJECT

public:
    ModuleListDialog(int first, int last, QWidget *parent = nullptr);
    ~ModuleListDialog() override;

    void showAsking(int address);
    // `description` stands in the type's column for a device that cannot be
    // connected to; only a module with a type and firmware can.
    void addModule(int address, const QString &type, const QString &firmware);
    void addDevice(int address, const QString &description);
    // The sweep is over: `why` says how, when not by reaching the last address.
    void showEnd(const QString &why = QString());

signals:
    void stopRequested(); // "Отмена" while the sweep runs
    void connectRequested(int address);

private:
    void addRow(const QStringList &cells, bool connectable);
    void connectToChosen();
    void copyList();
    int rowCount() const;

    Ui::ModuleListDialog *ui;
    int lastAsked = 0;
    bool sweeping = true;
};
