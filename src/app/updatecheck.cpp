#include "updatecheck.h"

#include "userprompts.h"

#include <QDialog>
#include <QDir>
#include <QLibrary>

QDialog *createUpdateDialog(const QString &dir, const QString &programName, const QString &version,
                            UpdateDialogOptions options, QWidget *parent, QString *error)
{
    // The dialog shows the logo of the program's own resources, which the
    // linker keeps only when something names them.
    Q_INIT_RESOURCE(logo);
    if (!options.prompts)
        options.prompts = UserPrompts::standard();
    // Never unloaded: the dialog's code must stay while the process runs.
    QLibrary library(QDir(dir).filePath(QStringLiteral("ztupdate")));
    auto *create = reinterpret_cast<CreateUpdateDialog *>(library.resolve(UpdateDialogEntry));
    if (!create) {
        *error = library.errorString();
        return nullptr;
    }
    return create(programName, version, options, parent);
}
