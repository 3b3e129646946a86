#include "app/process/trafficmodel.h"

#include "app/process/traffictexts.h"

#include <numeric>

namespace {

using zt::traffic::Event;
using zt::traffic::Outcome;

constexpr auto TimeFormat = "hh:mm:ss.zzz";

QString hex4(int value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

QString functionText(int function)
{
    const char *name = nullptr;
    switch (function) {
    case 0x03: name = traffictext::ReadHolding; break;
    case 0x04: name = traffictext::ReadInput; break;
    case 0x06: name = traffictext::WriteRegister; break;
    case 0x10: name = traffictext::WriteRegisters; break;
    default: break;
    }
    const QString code = function < 0 ? QString() : QStringLiteral("%1").arg(function, 2, 10, QLatin1Char('0'));
    return name ? code + QLatin1Char(' ') + traffictext::tr(name) : code;
}

QString countOrValuesText(const zt::traffic::Frame &frame)
{
    if (frame.values.isEmpty())
        return frame.count < 0 ? QString() : QString::number(frame.count);
    QStringList words;
    for (quint16 value : frame.values)
        words << hex4(value);
    return words.join(QLatin1Char(' '));
}

QString outcomeText(const Event &event)
{
    switch (event.outcome) {
    case Outcome::Sent: return QString();
    case Outcome::Ok: return traffictext::tr(traffictext::Ok);
    case Outcome::Exception: return traffictext::tr(traffictext::Exception).arg(event.frame.exceptionCode);
    case Outcome::BadCrc: return traffictext::tr(traffictext::BadCrc);
    case Outcome::Foreign: return traffictext::tr(traffictext::Foreign);
    case Outcome::Timeout: return traffictext::tr(traffictext::Timeout);
    }
    return QString();
}

QString cellText(const Event &event, int column)
{
    switch (column) {
    case TrafficModel::Time:
        return event.time.toString(QLatin1String(TimeFormat));
    case TrafficModel::Direction:
        return traffictext::tr(event.direction == zt::traffic::Direction::Request ? traffictext::Request
                                                                                  : traffictext::Reply);
    case TrafficModel::Function:
        return functionText(event.frame.function);
    case TrafficModel::Address:
        return event.frame.address < 0 ? QString() : QStringLiteral("0x") + hex4(event.frame.address);
    case TrafficModel::CountOrValues:
        return countOrValuesText(event.frame);
    case TrafficModel::Outcome:
        return outcomeText(event);
    case TrafficModel::Bytes:
        return QString::fromLatin1(event.bytes.toHex(' ').toUpper());
    default:
        return QString();
    }
}

} // namespace

TrafficModel::TrafficModel(int capacity, QObject *parent)
    : QAbstractTableModel(parent)
    , events(capacity)
{
}

void TrafficModel::append(const Event &event)
{
    if (events.isFull()) {
        beginRemoveRows(QModelIndex(), 0, 0);
        events.dropOldest();
        endRemoveRows();
    }
    beginInsertRows(QModelIndex(), events.size(), events.size());
    events.push(event);
    endInsertRows();
}

void TrafficModel::clear()
{
    beginResetModel();
    events.clear();
    endResetModel();
}

QString TrafficModel::text(const QVector<int> &rows, Heading heading) const
{
    QString text;
    if (heading == Heading::With) {
        QStringList names;
        for (int column = 0; column < ColumnCount; ++column)
            names << headerData(column, Qt::Horizontal).toString();
        text += names.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    for (int row : rows) {
        const Event &event = events.at(row);
        QStringList cells{event.time.toString(Qt::ISODateWithMs)};
        for (int column = Time + 1; column < ColumnCount; ++column)
            cells << cellText(event, column);
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString TrafficModel::text(Heading heading) const
{
    QVector<int> rows(events.size());
    std::iota(rows.begin(), rows.end(), 0);
    return text(rows, heading);
}

int TrafficModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : events.size();
}

int TrafficModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TrafficModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return cellText(events.at(index.row()), index.column());
}

QVariant TrafficModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const names[ColumnCount] = {traffictext::Time,          traffictext::Direction,
                                                   traffictext::Function,      traffictext::Address,
                                                   traffictext::CountOrValues, traffictext::Outcome,
                                                   traffictext::Bytes};
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return traffictext::tr(names[section]);
}
