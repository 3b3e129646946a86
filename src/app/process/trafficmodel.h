#pragma once

#include "modbus/ringbuffer.h"
#include "modbus/traffic.h"

#include <QAbstractTableModel>

// The newest frames of the exchange with the module, one row each, for a
// table view: the texts are made only for the rows on screen.
class TrafficModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Time, Direction, Function, Address, CountOrValues, Outcome, Bytes, ColumnCount };

    explicit TrafficModel(int capacity, QObject *parent = nullptr);

    void append(const zt::traffic::Event &event); // the oldest row goes when full
    void clear();

    // The rows as lines of tab-separated cells, the time with its date; with
    // the column names first when asked for.
    enum class Heading { Without, With };
    QString text(const QVector<int> &rows, Heading heading) const;
    QString text(Heading heading) const; // all rows

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    zt::RingBuffer<zt::traffic::Event> events;
};
