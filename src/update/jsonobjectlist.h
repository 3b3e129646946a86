#pragma once

#include <QList>
#include <QObject>

class JsonObjectItem;

// The members of one JSON document's root object, in key order. The items
// are children of the list.
class JsonObjectList : public QObject
{
    Q_OBJECT

public:
    explicit JsonObjectList(QObject *parent = nullptr);

    // Replaces the items with the members of the document in bytes, read up
    // to the first zero byte. False, and no items, when that text is not a
    // JSON object. A member whose value is not an object gets no keys.
    bool load(const QByteArray &bytes);
    QList<JsonObjectItem *> items() const;

private:
    QList<JsonObjectItem *> list;
};
