#pragma once

#include "commission/modulestate.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QVector>

// A module's state as the window's form shows it: the controls the type has,
// each value in words and as data.
namespace zt::commission {

struct Fact {
    QString key;       // stable name in JSON ("lower")
    QString label;     // "Нижняя граница преобразования"
    QJsonValue value;  // number, bool or text; null for a float that is no number
    QString text;      // the value in words, with its unit
};

struct ChannelFacts {
    int channel = 0;
    QVector<Fact> settings;
    QVector<Fact> live;  // empty when no live values were read
};

struct Description {
    QVector<Fact> module;  // type, firmware, the PLB module's line settings
    QVector<ChannelFacts> channels;
};

Description describe(const ModuleState &state);

// {"type": ..., "firmware": ..., "channels": [{"channel": 0, ..., "live": {...}}]}
QJsonObject toJson(const Description &description);

} // namespace zt::commission
