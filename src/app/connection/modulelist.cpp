// "Модули на линии…": every address of the chosen port at the line settings
// in use, one identification read each, listed as they answer. A module
// chosen from the list is connected at its address, which is kept for the
// next start.

#include "connectionpanel.h"

#include "messages.h"
#include "app/connection/modulelistdialog.h"
#include "app/connection/modulelisttexts.h"
#include "line/modulescan.h"

void ConnectionPanel::listModules()
{
    using zt::line::ModuleScan;
    zt::line::LineSettings line;
    if (!lineToSweep(&line))
        return;

    auto *dialog = new ModuleListDialog(zt::line::MinAddress, zt::line::MaxAddress, window.widget);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    auto *scan = new ModuleScan(dialog); // closing the dialog frees the port
    connect(scan, &ModuleScan::asking, dialog, &ModuleListDialog::showAsking);
    connect(scan, &ModuleScan::found, dialog, [dialog](const ModuleScan::Module &module) {
        switch (module.kind) {
        case ModuleScan::Module::Identified: dialog->addModule(module.address, module.type, module.firmware); return;
        case ModuleScan::Module::Refused: dialog->addDevice(module.address, moduleAnsweredText(module.exceptionCode)); return;
        case ModuleScan::Module::Unrecognised: dialog->addDevice(module.address, modulelisttext::Unrecognised); return;
        }
    });
    connect(scan, &ModuleScan::finished, dialog, [dialog, scan, line](ModuleScan::Outcome outcome) {
        const QString lost = line.isTcp() ? scan->errorString() : msg::PortGone.text();
        dialog->showEnd(outcome == ModuleScan::Outcome::LineLost ? lost : QString());
    });
    connect(dialog, &ModuleListDialog::stopRequested, scan, &ModuleScan::cancel);
    connect(dialog, &ModuleListDialog::connectRequested, this, [this, dialog, scan](int address) {
        scan->cancel(); // the connection needs the port now
        dialog->close();
        zt::line::LineSettings chosen = lineSettings;
        chosen.address = address;
        useLineSettings(chosen);
    });

    if (!scan->start(line)) {
        const QString why = line.isTcp() ? scan->errorString() : openFailureText(line.port);
        delete dialog;
        critical(why);
        return;
    }
    dialog->show();
}
