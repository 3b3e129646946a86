#pragma once

#include <QJsonObject>
#include <QObject>
#include <QVariantMap>

// One named member of a JSON object: the object name is the member's key,
// the map its value.
class JsonObjectItem : public QObject
{
    Q_OBJECT

public:
    explicit JsonObjectItem(const QString &name, QObject *parent = nullptr);

    void setJsonObject(const QJsonObject &object);
    // An invalid QVariant when the key is absent.
    QVariant value(const QString &key) const;

private:
    QVariantMap map;
};
