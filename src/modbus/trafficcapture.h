#pragma once

#include "traffic.h"

#include <QObject>

// Listens to the Modbus client's log while capturing: the qt.modbus
// categories are switched on through a category filter chained before the
// one in place, and their messages are taken by a message handler chained
// before the one in place. Messages of those categories reach the previous
// handler only at the levels that were on before, so capturing adds nothing
// to stderr. One capture listens at a time; a second one that starts takes
// over.
class TrafficCapture : public QObject
{
    Q_OBJECT

public:
    explicit TrafficCapture(QObject *parent = nullptr);
    ~TrafficCapture() override;

    void setCapturing(bool on);
    bool isCapturing() const;

    // One message of the client's log, in the order logged.
    void read(const QString &message, const QDateTime &at);

signals:
    void captured(const zt::traffic::Event &event);

private:
    zt::traffic::LogReader reader;
};
