#include "trend/decimation.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using namespace zt::trend;

namespace {
const float Nan = std::nanf("");

zt::LiveValues withTemperature(float t)
{
    zt::LiveValues v;
    v.temperature[0] = t;
    return v;
}

// "x:y" per point, "x:gap" for a gap.
QString text(const QVector<QPointF> &points)
{
    QStringList out;
    for (const QPointF &p : points)
        out << QString::number(p.x()) + ':' + (std::isnan(p.y()) ? QStringLiteral("gap") : QString::number(p.y()));
    return out.join(' ');
}
} // namespace

class TstTrend : public QObject
{
    Q_OBJECT

private slots:
    void ringKeepsNewestInOrder_data();
    void ringKeepsNewestInOrder();
    void clockSetBackKeepsOrder();
    void decimation_data();
    void decimation();
    void keptColumnsAgreeWithFreshScan();
    void seriesOfType_data();
    void seriesOfType();
};

void TstTrend::ringKeepsNewestInOrder_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("appended");
    QTest::newRow("not full") << 5 << 3;
    QTest::newRow("just full") << 5 << 5;
    QTest::newRow("wrapped once and a bit") << 5 << 7;
    QTest::newRow("wrapped many times") << 5 << 23;
    QTest::newRow("a day and more") << DayOfSamples << DayOfSamples + 1000;
}

void TstTrend::ringKeepsNewestInOrder()
{
    QFETCH(int, capacity);
    QFETCH(int, appended);
    SampleRing ring(capacity);
    for (int i = 0; i < appended; ++i)
        ring.append(i * 700, withTemperature(i));
    const int kept = std::min(capacity, appended);
    QCOMPARE(ring.size(), kept);
    for (int i = 0; i < kept; ++i) {
        const int n = appended - kept + i;
        QCOMPARE(ring.at(i).msecs, qint64(n) * 700);
        QCOMPARE(ring.at(i).values.temperature[0], float(n));
    }
    QCOMPARE(ring.firstAtOrAfter(qint64(appended - 1) * 700 - 1), kept - 1);
}

void TstTrend::clockSetBackKeepsOrder()
{
    SampleRing ring(4);
    ring.append(5000, withTemperature(1));
    ring.append(3000, withTemperature(2));
    QCOMPARE(ring.at(1).msecs, qint64(5000));
}

// Samples one second apart from 0; the plot spans them all.
void TstTrend::decimation_data()
{
    QTest::addColumn<QVector<float>>("values");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("points");
    QTest::newRow("few samples as they are") << QVector<float>{1, 2, 3} << 10 << "0:1 1000:2 2000:3";
    QTest::newRow("not finite is a gap") << QVector<float>{1, Nan, INFINITY, 3} << 10 << "0:1 1000:gap 2000:gap 3000:3";
    QTest::newRow("min and max in the order read")
        << QVector<float>{5, 9, 1, 5, 2, 2, 8, 0, 3, 3, 3, 3} << 3 << "1000:9 2000:1 6000:8 7000:0 8000:3";
    QTest::newRow("gap between max and min")
        << QVector<float>{5, Nan, 1, 5, 2, 2, 8, 0, 3, 3, 3, 3} << 3 << "0:5 1000:gap 2000:1 6000:8 7000:0 8000:3";
    QTest::newRow("a column of gaps")
        << QVector<float>{Nan, Nan, Nan, Nan, 1, 2, 3, 4, 5, 6, 7, 8} << 3 << "0:gap 4000:1 7000:4 8000:5 11000:8";
}

void TstTrend::decimation()
{
    QFETCH(QVector<float>, values);
    QFETCH(int, columns);
    QFETCH(QString, points);
    SampleRing ring(100);
    for (int i = 0; i < values.size(); ++i)
        ring.append(i * 1000, withTemperature(values[i]));
    Decimator decimator({Quantity::Temperature, 0});
    QCOMPARE(text(decimator.points(ring, 0, values.size() * 1000, columns)), points);
}

// A plot following the newest samples reuses its columns; what it draws must
// still be what a fresh scan gives, while samples come and the oldest go.
void TstTrend::keptColumnsAgreeWithFreshScan()
{
    QRandomGenerator random(14);
    SampleRing ring(300);
    Decimator all({Quantity::Temperature, 0});
    Decimator latest({Quantity::Temperature, 0});
    for (int i = 0; i < 2000; ++i) {
        ring.append(i * 700, withTemperature(random.bounded(10) == 0 ? Nan : float(random.bounded(100))));
        const qint64 to = qint64(i) * 700;
        Decimator fresh({Quantity::Temperature, 0});
        QCOMPARE(text(all.points(ring, ring.at(0).msecs, to, 20)), text(fresh.points(ring, ring.at(0).msecs, to, 20)));
        QCOMPARE(text(latest.points(ring, to - 100 * 700, to, 20)), text(fresh.points(ring, to - 100 * 700, to, 20)));
    }
}

// Per type: temperature, input and output of channel 0, then of channel 1.
void TstTrend::seriesOfType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("series");
    QTest::newRow("no module") << "" << "TIO TIO";
    QTest::newRow("two thermocouples") << "ZT-2TI-2AO" << "TIO TIO";
    QTest::newRow("one thermometer") << "ZT-1RTD-1AO" << "TIO ---";
    QTest::newRow("one thermometer, two outputs") << "ZT-1RTD-2AO" << "TIO --O";
    QTest::newRow("voltage inputs") << "ZT-2P-2AO" << "-IO -IO";
    QTest::newRow("current input, two outputs") << "ZT-1AI-2AO" << "-IO --O";
}

void TstTrend::seriesOfType()
{
    QFETCH(QString, type);
    QFETCH(QString, series);
    const zt::ModuleLayout layout = zt::catalogue::layout(zt::catalogue::positionOfName(type));
    QString has;
    for (int channel = 0; channel < 2; ++channel) {
        for (Quantity q : Quantities)
            has += typeHas(layout, {q, channel}) ? "TIO"[int(q)] : '-';
        has += ' ';
    }
    QCOMPARE(has.trimmed(), series);
}

QTEST_GUILESS_MAIN(TstTrend)
#include "tst_trend.moc"
