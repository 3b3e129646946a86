#include "line/searchplan.h"

#include "line/rtuframe.h"

#include <QSet>

#include <cmath>

namespace zt::line {

namespace {

constexpr LineSettings Factory{9600, 0, 1};
constexpr int Row8N1 = 0;
constexpr int Row8E1 = 3;

// The factory speed and the Modbus default first, then the fast speeds that
// installers pick, then the slow ones.
const QVector<int> &speedsByLikelihood()
{
    static const QVector<int> order{9600, 19200, 115200, 38400, 57600, 4800, 2400};
    return order;
}

const QVector<int> &formatsByLikelihood()
{
    static const QVector<int> order{Row8N1, Row8E1, 1, 2};
    return order;
}

QVector<int> withFirst(int first, const QVector<int> &rest)
{
    QVector<int> result{first};
    for (int value : rest)
        if (value != first)
            result << value;
    return result;
}

class Plan
{
public:
    void add(const LineSettings &candidate)
    {
        const int key = (candidate.baudRate * 8 + candidate.formatRow) * 256 + candidate.address;
        if (!seen.contains(key)) {
            seen.insert(key);
            order << candidate;
        }
    }

    void addEveryAddress(int baudRate, int formatRow)
    {
        for (int address = MinAddress; address <= MaxAddress; ++address)
            add({baudRate, formatRow, address});
    }

    QVector<LineSettings> order;

private:
    QSet<qint64> seen;
};

} // namespace

QVector<LineSettings> searchOrder(const LineSettings &current)
{
    const QVector<int> speedOrder = withFirst(current.baudRate, speedsByLikelihood());
    const QVector<int> formatOrder = withFirst(current.formatRow, formatsByLikelihood());
    Plan plan;
    plan.add(Factory);
    plan.add(current);
    for (int speed : withFirst(current.baudRate, {9600, 19200}))
        for (int format : withFirst(current.formatRow, {Row8N1}))
            plan.addEveryAddress(speed, format);
    for (int speed : speedOrder)
        for (int format : formatOrder)
            plan.addEveryAddress(speed, format);
    return plan.order;
}

int tryWaitMs(int baudRate, int formatRow)
{
    constexpr double GapCharacters = 3.5;
    constexpr int TurnaroundCharacters = 10;
    constexpr int LatencyMs = 30; // a USB adapter's 16 ms latency timer, and the event loop
    const double characters = IdentificationRequestBytes + GapCharacters + IdentificationReplyBytes
                              + TurnaroundCharacters;
    return int(std::ceil(characters * characterBits(formatRow) * 1000.0 / baudRate)) + LatencyMs;
}

} // namespace zt::line
