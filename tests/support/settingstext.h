#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// The text of a settings file that gives every key for `type`: zeros and
// false, with the values of `values` ({"CHANAL1/RANGE", "12"}) in their
// place; a null value leaves its key out.
inline QByteArray settingsText(const QString &type, const QMap<QString, QString> &values = {})
{
    QMap<QString, QString> keys{{"MODUL/Name", type}, {"CHANAL0/AIFAST", "false"}};
    for (int ch = 0; ch < 2; ++ch) {
        for (const char *number : {"RANGE", "RTDConnect", "MINVALUE", "MAXVALUE"})
            keys[QString("CHANAL%1/%2").arg(ch).arg(number)] = "0";
        for (const char *flag : {"INVout", "TI"})
            keys[QString("CHANAL%1/%2").arg(ch).arg(flag)] = "false";
    }
    for (auto v = values.cbegin(); v != values.cend(); ++v) {
        if (v.value().isNull())
            keys.remove(v.key());
        else
            keys[v.key()] = v.value();
    }
    QByteArray text;
    for (auto k = keys.cbegin(); k != keys.cend(); ++k)
        text += QString("[%1]\n%2=%3\n").arg(k.key().section('/', 0, 0), k.key().section('/', 1), k.value()).toUtf8();
    return text;
}
