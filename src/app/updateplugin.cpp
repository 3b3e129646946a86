// The entry point the main window resolves in the update check's library.

#include "updatedialog.h"

extern "C" Q_DECL_EXPORT QDialog *zt_create_update_dialog(const QString &programName, const QString &version,
                                                          const UpdateDialogOptions &options, QWidget *parent)
{
    return new UpDateDialog(programName, version, options, parent);
}
