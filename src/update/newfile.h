#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QString>
#include <QTemporaryFile>

namespace update {

// A file on its way into a folder, written piece by piece as it arrives:
// first to a temporary "name.XXXXXX.part" beside its place, hashed as it
// goes, and given its name only by keep(). An existing file is never
// replaced: the new one then becomes "name (1).ext", "name (2).ext" and so
// on. Whatever is not kept is deleted with the object.
class NewFile
{
public:
    // fileName must be a plain file name (isPlainFileName).
    NewFile(const QString &folder, const QString &fileName);

    // Creates the folder when missing and the temporary file; false when
    // either fails or the name is not plain.
    bool open();
    // False when the disk refuses the bytes.
    bool append(const QByteArray &bytes);

    qint64 size() const { return written; }
    QByteArray sha256() const { return hash.result(); }

    // Names the file (runnable by its owner); the path, or empty on failure.
    QString keep();

private:
    QDir dir;
    QString fileName;
    QTemporaryFile part;
    QCryptographicHash hash{QCryptographicHash::Sha256};
    qint64 written = 0;
};

} // namespace update
