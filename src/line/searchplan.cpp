#include "line/searchplan.h"

#include <QSet>

namespace zt::line {

namespace {

// The factory speed and the Modbus default first, then the fast speeds that
// installers pick, then the slow ones.
const QVector<int> &speedsByLikelihood()
{
    static const QVector<int> order{9600, 19200, 115200, 38400, 57600, 4800, 2400};
    return order;
}

const QVector<Format> &formatsByLikelihood()
{
    // 8N1, the Modbus default 8E1, then the rest of the module's list.
    static const QVector<Format> order{formats().at(0), formats().at(3), formats().at(1), formats().at(2)};
    return order;
}

template<class T>
QVector<T> withFirst(const T &first, const QVector<T> &rest)
{
    QVector<T> result{first};
    for (const T &value : rest)
        if (value != first)
            result << value;
    return result;
}

class Plan
{
public:
    explicit Plan(const LineSettings &base)
        : base(base)
    {
    }

    void add(int baudRate, const Format &format, int address)
    {
        const qint64 key = (qint64(baudRate) * 8 + formats().indexOf(format)) * 256 + address;
        if (!seen.contains(key)) {
            seen.insert(key);
            order << base;
            order.last().baudRate = baudRate;
            order.last().format = format;
            order.last().address = address;
        }
    }

    void addEveryAddress(int baudRate, const Format &format)
    {
        for (int address = MinAddress; address <= MaxAddress; ++address)
            add(baudRate, format, address);
    }

    QVector<LineSettings> order;

private:
    LineSettings base;
    QSet<qint64> seen;
};

} // namespace

QVector<LineSettings> searchOrder(const LineSettings &current)
{
    if (current.isTcp()) {
        QVector<LineSettings> order{current};
        for (int address = MinAddress; address <= MaxAddress; ++address) {
            if (address != current.address) {
                order << current;
                order.last().address = address;
            }
        }
        return order;
    }
    const QVector<int> speedOrder = withFirst(current.baudRate, speedsByLikelihood());
    const QVector<Format> formatOrder = withFirst(current.format, formatsByLikelihood());
    Plan plan(current);
    const LineSettings factory;
    plan.add(factory.baudRate, factory.format, factory.address);
    plan.add(current.baudRate, current.format, current.address);
    for (int speed : withFirst(current.baudRate, {9600, 19200}))
        for (const Format &format : withFirst(current.format, {factory.format}))
            plan.addEveryAddress(speed, format);
    for (int speed : speedOrder)
        for (const Format &format : formatOrder)
            plan.addEveryAddress(speed, format);
    return plan.order;
}

} // namespace zt::line
