#include "module/registers.h"

#include <QtTest>

using namespace zt;

// The per-channel helpers must land on the register of the right channel.
class TstRegisters : public QObject
{
    Q_OBJECT

private slots:
    void perChannel_data();
    void perChannel();
};

void TstRegisters::perChannel_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("expected");

    QTest::newRow("range 0") << reg::range(0) << 0x2400;
    QTest::newRow("range 1") << reg::range(1) << 0x2401;
    QTest::newRow("P command min 0") << reg::pLimitCommandMin(0) << 0x2420;
    QTest::newRow("P command max 0") << reg::pLimitCommandMax(0) << 0x2421;
    QTest::newRow("P command min 1") << reg::pLimitCommandMin(1) << 0x2426;
    QTest::newRow("P command max 1") << reg::pLimitCommandMax(1) << 0x2427;
    QTest::newRow("P min 0") << reg::pLimitMin(0) << 0x2422;
    QTest::newRow("P max 0") << reg::pLimitMax(0) << 0x2424;
    QTest::newRow("P min 1") << reg::pLimitMin(1) << 0x2428;
    QTest::newRow("P max 1") << reg::pLimitMax(1) << 0x242A;
    QTest::newRow("offset calibration 0") << reg::calOffset(0) << 0x2480;
    QTest::newRow("offset calibration 1") << reg::calOffset(1) << 0x2481;
    QTest::newRow("gain calibration 0") << reg::calGain(0) << 0x24A0;
    QTest::newRow("gain calibration 1") << reg::calGain(1) << 0x24A2;
    QTest::newRow("limit min 0") << reg::limitMin(0) << 0x24E0;
    QTest::newRow("limit max 0") << reg::limitMax(0) << 0x24E1;
    QTest::newRow("wiring 0") << reg::wiring(0) << 0x24E2;
    QTest::newRow("limit min 1") << reg::limitMin(1) << 0x24E3;
    QTest::newRow("limit max 1") << reg::limitMax(1) << 0x24E4;
    QTest::newRow("wiring 1") << reg::wiring(1) << 0x24E5;
    QTest::newRow("live input 1") << reg::liveInput(1) << 0x0006;
    QTest::newRow("live temperature 1") << reg::liveTemperature(1) << 0x0008;
    QTest::newRow("live output 1") << reg::liveOutput(1) << 0x000A;
    QTest::newRow("live cold junction 0") << reg::liveColdJunction(0) << 0x000C;
    QTest::newRow("live cold junction 1") << reg::liveColdJunction(1) << 0x000E;
}

void TstRegisters::perChannel()
{
    QFETCH(int, address);
    QFETCH(int, expected);
    QCOMPARE(address, expected);
}

QTEST_GUILESS_MAIN(TstRegisters)
#include "tst_registers.moc"
