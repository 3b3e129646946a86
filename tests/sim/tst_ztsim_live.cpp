// ztsim's live values: plausible measurements for each input kind, read
// through mbpoll.

#include "mbpoll.h"
#include "simfixture.h"

#include <QThread>
#include <QtTest>

#include <cstring>

#define START(fixture, ...) \
    QVERIFY2((fixture).start(__VA_ARGS__), qPrintable((fixture).errorString()))

class TestZtsimLive : public QObject {
    Q_OBJECT

private slots:
    void thermocoupleLiveValues();
    void rtdLiveValues();
    void pLiveValues();
    void currentLiveValues();

    void liveValuesDriftSlowly();
    void inversionMirrorsOutputs();
};

// Defaults: type K, limits 0..1000 °C, cold-junction compensation on.
void TestZtsimLive::thermocoupleLiveValues()
{
    SimFixture sim;
    START(sim, "ZT-2TI-2AO");
    const MbpollResult r = readLive(sim.programPort());
    QVERIFY2(r.ok, qPrintable(r.error));
    const QVector<double> &v = r.values;

    for (int ch : {0, 1}) {
        const double temperature = v[ch ? Temperature1 : Temperature0];
        const double coldJunction = v[ch ? ColdJunction1 : ColdJunction0];
        const double emf = v[ch ? Input1 : Input0];
        const double output = v[ch ? Output1 : Output0];
        QVERIFY2(temperature > 0 && temperature < 1000, qPrintable(QString::number(temperature)));
        QVERIFY2(coldJunction >= 15 && coldJunction <= 30, qPrintable(QString::number(coldJunction)));
        // Type K gives about 41 µV/°C between 0 and 400 °C.
        const double expectedEmf = 0.041 * (temperature - coldJunction);
        QVERIFY2(qAbs(emf - expectedEmf) < 0.1 * expectedEmf, qPrintable(QString::number(emf)));
        QVERIFY2(qAbs(output - (4 + 16 * temperature / 1000)) < 0.01, qPrintable(QString::number(output)));
    }
}

// Defaults: Pt100, limits -50..150 °C; the second output repeats the first.
void TestZtsimLive::rtdLiveValues()
{
    SimFixture sim;
    START(sim, "ZT-1RTD-2AO");
    const MbpollResult r = readLive(sim.programPort());
    QVERIFY2(r.ok, qPrintable(r.error));
    const QVector<double> &v = r.values;

    const double t = v[Temperature0];
    QVERIFY2(t > -50 && t < 150, qPrintable(QString::number(t)));
    const double callendarVanDusen = 100 * (1 + 3.9083e-3 * t - 5.775e-7 * t * t);
    QVERIFY2(qAbs(v[Input0] - callendarVanDusen) < 0.005 * callendarVanDusen, qPrintable(QString::number(v[Input0])));
    QVERIFY2(qAbs(v[Output0] - (4 + 16 * (t + 50) / 200)) < 0.01, qPrintable(QString::number(v[Output0])));
    QCOMPARE(v[Output1], v[Output0]);
    QCOMPARE(v[Input1], 0.0);
}

// Defaults: P limits 0 and 1000 Ω.
void TestZtsimLive::pLiveValues()
{
    SimFixture sim;
    START(sim, "ZT-2P-2AO");
    const MbpollResult r = readLive(sim.programPort());
    QVERIFY2(r.ok, qPrintable(r.error));
    const QVector<double> &v = r.values;

    for (int ch : {0, 1}) {
        const double resistance = v[ch ? Input1 : Input0];
        const double output = v[ch ? Output1 : Output0];
        QVERIFY2(resistance > 0 && resistance < 1000, qPrintable(QString::number(resistance)));
        QVERIFY2(qAbs(output - (4 + 16 * resistance / 1000)) < 0.01, qPrintable(QString::number(output)));
    }
}

void TestZtsimLive::currentLiveValues()
{
    SimFixture sim;
    START(sim, "ZT-1AI-2AO");
    const MbpollResult r = readLive(sim.programPort());
    QVERIFY2(r.ok, qPrintable(r.error));
    const QVector<double> &v = r.values;

    QVERIFY2(v[Input0] >= 4 && v[Input0] <= 20, qPrintable(QString::number(v[Input0])));
    QVERIFY2(qAbs(v[Output0] - v[Input0]) < 0.01, qPrintable(QString::number(v[Output0])));
    QCOMPARE(v[Output1], v[Output0]);
}

void TestZtsimLive::liveValuesDriftSlowly()
{
    SimFixture sim;
    START(sim, "ZT-1RTD-1AO");
    // Raw words, decoded here: mbpoll's float display would round away the
    // small changes looked for.
    const auto temperature = [&] {
        const MbpollResult r = mbpoll(sim.programPort(), "3", 0x0002, 2);
        if (r.values.size() != 2)
            return qQNaN();
        const quint32 bits = quint32(r.values[1]) << 16 | quint32(r.values[0]);
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return double(value);
    };
    const double first = temperature();
    QThread::msleep(300);
    const double second = temperature();
    QVERIFY2(first != second && qAbs(first - second) < 1,
             qPrintable(QStringLiteral("%1 then %2").arg(first).arg(second)));
}

void TestZtsimLive::inversionMirrorsOutputs()
{
    SimFixture sim;
    START(sim, "ZT-2P-2AO");
    const QString port = sim.programPort();
    const MbpollResult straight = readLive(port);
    QVERIFY(writeHolding(port, 0x2520, 2).ok);  // channel 1 only
    const MbpollResult inverted = readLive(port);
    QVERIFY(straight.ok && inverted.ok);

    // The resistance drifts a little between the reads: compare each output
    // with its own input.
    const double out1 = 4 + 16 * inverted.values[Input1] / 1000;
    QVERIFY2(qAbs(inverted.values[Output1] - (24 - out1)) < 0.01, qPrintable(QString::number(inverted.values[Output1])));
    QVERIFY2(qAbs(inverted.values[Output0] - (4 + 16 * inverted.values[Input0] / 1000)) < 0.01,
             qPrintable(QString::number(inverted.values[Output0])));
    QVERIFY(qAbs(straight.values[Output1] - (4 + 16 * straight.values[Input1] / 1000)) < 0.01);
}

QTEST_GUILESS_MAIN(TestZtsimLive)
#include "tst_ztsim_live.moc"
