#include "jsonobjectitem.h"

JsonObjectItem::JsonObjectItem(const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
}

void JsonObjectItem::setJsonObject(const QJsonObject &object)
{
    map = object.toVariantMap();
}

QVariant JsonObjectItem::value(const QString &key) const
{
    return map.value(key);
}
