#include "manifest.h"

#include "jsonobjectitem.h"
#include "jsonobjectlist.h"

#include <cmath>

namespace update {

namespace {

qint64 installerSize(const QVariant &value)
{
    // A JSON number, read as an integer or a double (exact up to 2^53):
    // 1.5, 1e300, true and "123" are no sizes.
    if (value.userType() == QMetaType::LongLong || value.userType() == QMetaType::Int) {
        const qint64 size = value.toLongLong();
        return size >= 1 && size <= MaxInstallerBytes ? size : -1;
    }
    if (value.userType() != QMetaType::Double)
        return -1;
    const double size = value.toDouble();
    if (!(size >= 1 && size <= double(MaxInstallerBytes)) || std::trunc(size) != size)
        return -1;
    return qint64(size);
}

QByteArray installerHash(const QVariant &value)
{
    const QString text = value.userType() == QMetaType::QString ? value.toString() : QString();
    constexpr int HexDigits = 64;
    if (text.size() != HexDigits)
        return QByteArray();
    for (const QChar c : text) {
        if (!((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))))
            return QByteArray();
    }
    return QByteArray::fromHex(text.toLatin1());
}

} // namespace

std::optional<ManifestEntry> readManifestEntry(const QByteArray &bytes, const QString &programName)
{
    JsonObjectList list;
    if (!list.load(bytes))
        return std::nullopt;
    ManifestEntry entry;
    for (const JsonObjectItem *item : list.items()) {
        if (item->objectName() == programName) {
            entry.found = true;
            entry.version = item->value(QStringLiteral("version")).toString();
            entry.update = item->value(QStringLiteral("update")).toString();
            entry.size = installerSize(item->value(QStringLiteral("size")));
            entry.sha256 = installerHash(item->value(QStringLiteral("sha256")));
        }
    }
    return entry;
}

} // namespace update
