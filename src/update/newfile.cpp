#include "newfile.h"

#include "updaterules.h"

#include <QFileInfo>

namespace update {

namespace {

constexpr int MaxNumberedCopies = 100;

QString numberedName(const QString &fileName, int number)
{
    if (number == 0)
        return fileName;
    const QFileInfo info(fileName);
    const QString numbered = QStringLiteral("%1 (%2)").arg(info.completeBaseName()).arg(number);
    return info.suffix().isEmpty() ? numbered : numbered + QLatin1Char('.') + info.suffix();
}

} // namespace

NewFile::NewFile(const QString &folder, const QString &fileName)
    : dir(folder)
    , fileName(fileName)
{
}

bool NewFile::open()
{
    if (!isPlainFileName(fileName) || !dir.mkpath(QStringLiteral(".")))
        return false;
    part.setFileTemplate(dir.filePath(fileName + QStringLiteral(".XXXXXX.part")));
    return part.open();
}

bool NewFile::append(const QByteArray &bytes)
{
    if (!part.isOpen() || part.write(bytes) != bytes.size())
        return false;
    hash.addData(bytes);
    written += bytes.size();
    return true;
}

QString NewFile::keep()
{
    if (!part.isOpen() || !part.flush())
        return QString();
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // rename() refuses an existing target, so a file that appears between
    // the check and the rename is not replaced either.
    for (int number = 0; number <= MaxNumberedCopies; ++number) {
        const QString target = dir.filePath(numberedName(fileName, number));
        if (!QFileInfo::exists(target) && part.rename(target)) {
            part.setAutoRemove(false);
            return target;
        }
    }
    return QString();
}

} // namespace update
