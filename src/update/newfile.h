#pragma once

#include <QByteArray>
#include <QString>

namespace update {

// Stores body in folder (created when missing) under fileName, which must be
// a plain file name. It is written to a temporary file first and renamed
// only when complete; an existing file is never replaced: the body then goes
// to "name (1).ext", "name (2).ext" and so on. The file may be run by its
// owner. Returns the path written, or an empty string.
QString writeNewFile(const QString &folder, const QString &fileName, const QByteArray &body);

} // namespace update
