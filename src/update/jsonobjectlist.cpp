#include "jsonobjectlist.h"

#include "jsonobjectitem.h"

#include <QJsonDocument>

JsonObjectList::JsonObjectList(QObject *parent)
    : QObject(parent)
{
}

bool JsonObjectList::load(const QByteArray &bytes)
{
    qDeleteAll(list);
    list.clear();

    const int zero = bytes.indexOf('\0');
    const QJsonDocument document = QJsonDocument::fromJson(zero < 0 ? bytes : bytes.left(zero));
    const QJsonObject root = document.object();
    for (auto member = root.begin(); member != root.end(); ++member) {
        auto *item = new JsonObjectItem(member.key(), this);
        item->setJsonObject(member.value().toObject());
        list.append(item);
    }
    return document.isObject();
}

QList<JsonObjectItem *> JsonObjectList::items() const
{
    return list;
}
