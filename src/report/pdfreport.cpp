#include "report/pdfreport.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace zt::report {

bool writePdf(const QString &html, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.errorString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setCreator(QStringLiteral("ZTConfig"));
        QTextDocument document;
        document.setHtml(html);
        document.print(&writer);
    }  // the writer finishes the file when it goes
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace zt::report
