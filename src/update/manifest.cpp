#include "manifest.h"

#include "jsonobjectitem.h"
#include "jsonobjectlist.h"

namespace update {

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
        }
    }
    return entry;
}

} // namespace update
