// ztsim's register map and commands, seen through mbpoll, a master that
// shares nothing with it.

#include "mbpoll.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

#include <algorithm>

namespace {

// Every holding register the module lets a master read, in address order;
// empty if a read fails.
QVector<double> readableRegisters(const QString &port)
{
    QVector<double> all;
    const std::pair<int, int> blocks[] = {{0x2000, 15}, {0x2400, 56}, {0x2470, 5}, {0x24E0, 10}, {0x2520, 1}};
    for (const auto &[address, count] : blocks) {
        const MbpollResult r = readHolding(port, address, count);
        if (!r.ok)
            return {};
        all += r.values;
    }
    return all;
}

// What the program shows as the firmware version: every register's high
// byte then low byte, printable ASCII only.
QString firmwareText(const QVector<double> &registers)
{
    QString text;
    for (double value : registers) {
        const auto word = quint16(value);
        for (int byte : {word >> 8, word & 0xFF})
            if (byte >= 0x20 && byte <= 0x7F)
                text += QChar(byte);
    }
    return text;
}

}  // namespace

#define START(fixture, ...) \
    QVERIFY2((fixture).start(__VA_ARGS__), qPrintable((fixture).errorString()))

class TestZtsim : public QObject {
    Q_OBJECT

private slots:
    void identification_data();
    void identification();

    void writeAndReadBack_data();
    void writeAndReadBack();
    void refusedWrites_data();
    void refusedWrites();
    void limitsFollowThePresentRange();
    void multipleWriteIsWholeOrNothing();
    void unmappedReads_data();
    void unmappedReads();

    void rebootKeepsConfigurationAndFallsSilent();
    void factoryResetRestoresDefaults();
    void pLimitCommandTakesMeasuredResistance_data();
    void pLimitCommandTakesMeasuredResistance();
    void configurationSurvivesRestart();
};

void TestZtsim::identification_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("reportedType");
    QTest::addColumn<int>("marker");
    QTest::addColumn<int>("plbAddress");
    QTest::addColumn<int>("plbSpeed");
    QTest::addColumn<int>("plbFormat");

    QTest::newRow("ZT thermocouple, one output") << "ZT-1TI-1AO" << "03.11.22" << 7 << 0x0107 << 0 << 0 << 0 << 0;
    QTest::newRow("ZT two thermocouples") << "ZT-2TI-2AO" << "23.04.23" << 7 << 0x0207 << 0x0204 << 0 << 0 << 0;
    QTest::newRow("ZT RTD, second output") << "ZT-1RTD-2AO" << "29.02.24" << 7 << 0x0108 << 0x0204 << 0 << 0 << 0;
    QTest::newRow("ZT two P inputs") << "ZT-2P-2AO" << "12.05.23" << 7 << 0x0215 << 0x0204 << 0 << 0 << 0;
    QTest::newRow("ZT current input") << "ZT-1AI-2AO" << "01.01.21" << 7 << 0x0103 << 0x0204 << 0 << 0 << 0;
    QTest::newRow("PLB thermocouple") << "PLB-2TI-4-20-M" << "31.12.99" << 3 << 0x0207 << 0x0204 << 1 << 0x0206 << 0x0001;
    QTest::newRow("PLB RTD") << "PLB-2RTD-4-20-M" << "15.07.20" << 3 << 0x0208 << 0x0204 << 1 << 0x0206 << 0x0001;
}

void TestZtsim::identification()
{
    QFETCH(QString, type);
    QFETCH(QString, firmware);
    SimFixture sim;
    START(sim, type, {"--firmware", firmware});

    const MbpollResult r = readHolding(sim.programPort(), 0x2000, 15);
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.values.size(), 15);
    QCOMPARE(int(r.values[0]), 2021);
    QTEST(int(r.values[1]), "family");
    QTEST(int(r.values[2]), "reportedType");
    QTEST(int(r.values[3]), "marker");
    QTEST(int(r.values[5]), "plbAddress");
    QTEST(int(r.values[12]), "plbSpeed");
    QTEST(int(r.values[13]), "plbFormat");
    QCOMPARE(firmwareText(r.values), firmware);
}

void TestZtsim::writeAndReadBack_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");

    QTest::newRow("inversion of both outputs") << "ZT-2TI-2AO" << 0x2520 << 3;
    QTest::newRow("thermocouple A3 on channel 1") << "ZT-2TI-2AO" << 0x2401 << 11;
    QTest::newRow("cold junction off") << "ZT-1TI-1AO" << 0x2470 << 0;
    QTest::newRow("K upper bound") << "ZT-1TI-1AO" << 0x24E1 << 1372;
    QTest::newRow("RTD 1000H") << "ZT-2RTD-2AO" << 0x2400 << 0x44;
    QTest::newRow("RTD Cu50 on channel 1") << "ZT-2RTD-2AO" << 0x2401 << 0x12;
    QTest::newRow("four wires on channel 1") << "ZT-2RTD-2AO" << 0x24E5 << 4;
    QTest::newRow("Pt100 lower bound") << "ZT-1RTD-1AO" << 0x24E0 << 0xFF38;  // -200
    QTest::newRow("fast conversion") << "ZT-1AI-2AO" << 0x2474 << 1;
    QTest::newRow("PLB address 247") << "PLB-2TI-4-20-M" << 0x2005 << 247;
    QTest::newRow("PLB 115200") << "PLB-2RTD-4-20-M" << 0x200C << 0x020A;
    QTest::newRow("PLB 8E1") << "PLB-2RTD-4-20-M" << 0x200D << 0x0201;
    // Registers a type does not use take any value valid for them.
    QTest::newRow("wiring of a thermocouple type") << "ZT-1TI-1AO" << 0x24E2 << 2;
    QTest::newRow("channel 1 of a one-input type") << "ZT-1RTD-1AO" << 0x2401 << 0x43;
    QTest::newRow("fast conversion of an RTD type") << "ZT-2RTD-2AO" << 0x2474 << 1;
    QTest::newRow("RS-485 speed of a ZT type") << "ZT-2P-2AO" << 0x200C << 0x0204;
    QTest::newRow("range of a P type") << "ZT-1P-2AO" << 0x2400 << 0x1234;
    QTest::newRow("limit of a current type") << "ZT-1AI-2AO" << 0x24E0 << 0x8000;
}

void TestZtsim::writeAndReadBack()
{
    QFETCH(QString, type);
    QFETCH(int, address);
    QFETCH(int, value);
    SimFixture sim;
    START(sim, type);

    const MbpollResult write = writeHolding(sim.programPort(), address, quint16(value));
    QVERIFY2(write.ok, qPrintable(write.error));
    const MbpollResult read = readHolding(sim.programPort(), address);
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.values, QVector<double>{double(value)});

    const QVector<QJsonObject> writes = sim.acceptedWrites();
    QCOMPARE(writes.size(), 1);
    QCOMPARE(writes[0]["function"].toInt(), 6);
    QCOMPARE(writes[0]["address"].toInt(), address);
    QCOMPARE(writes[0]["values"].toArray(), QJsonArray{value});
}

void TestZtsim::refusedWrites_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("exception");

    QTest::newRow("thermocouple code 12") << "ZT-2TI-2AO" << 0x2400 << 12 << 3;
    QTest::newRow("RTD code on a thermocouple type") << "ZT-2TI-2AO" << 0x2401 << 0x20 << 3;
    QTest::newRow("50 Ohm H does not exist") << "ZT-2RTD-2AO" << 0x2400 << 0x14 << 3;
    QTest::newRow("thermocouple code on an RTD type") << "PLB-2RTD-4-20-M" << 0x2401 << 5 << 3;
    QTest::newRow("RTD nominal 5") << "ZT-1RTD-1AO" << 0x2400 << 0x50 << 3;
    QTest::newRow("one wire") << "ZT-2RTD-2AO" << 0x24E2 << 1 << 3;
    QTest::newRow("five wires, unused by the type") << "ZT-2TI-2AO" << 0x24E5 << 5 << 3;
    QTest::newRow("above K") << "ZT-1TI-2AO" << 0x24E1 << 1373 << 3;
    QTest::newRow("below K") << "ZT-1TI-2AO" << 0x24E0 << 0xFF37 << 3;  // -201
    QTest::newRow("below Pt100 on channel 1") << "ZT-2RTD-2AO" << 0x24E3 << 0xFF37 << 3;
    QTest::newRow("above Pt100") << "ZT-2RTD-2AO" << 0x24E4 << 851 << 3;
    QTest::newRow("cold junction 2") << "ZT-1TI-1AO" << 0x2470 << 2 << 3;
    QTest::newRow("fast conversion 2") << "ZT-1AI-2AO" << 0x2474 << 2 << 3;
    QTest::newRow("inversion 4") << "ZT-2P-2AO" << 0x2520 << 4 << 3;
    QTest::newRow("speed below 2400") << "PLB-2TI-4-20-M" << 0x200C << 0x0203 << 3;
    QTest::newRow("speed above 115200") << "PLB-2TI-4-20-M" << 0x200C << 0x020B << 3;
    QTest::newRow("format 8O2") << "PLB-2TI-4-20-M" << 0x200D << 0x0102 << 3;
    QTest::newRow("address 0") << "PLB-2RTD-4-20-M" << 0x2005 << 0 << 3;
    QTest::newRow("address 248") << "PLB-2RTD-4-20-M" << 0x2005 << 248 << 3;
    QTest::newRow("reboot with a wrong key") << "ZT-1TI-1AO" << 0x2046 << 0x524E << 3;
    QTest::newRow("factory reset with a wrong key") << "ZT-1TI-1AO" << 0x2047 << 0x524D << 3;
    QTest::newRow("calibration with 1") << "ZT-2TI-2AO" << 0x24A2 << 1 << 3;
    QTest::newRow("P command with 1") << "ZT-2P-2AO" << 0x2427 << 1 << 3;
    QTest::newRow("unmapped configuration register") << "ZT-2TI-2AO" << 0x2402 << 0 << 2;
    QTest::newRow("signature") << "ZT-2TI-2AO" << 0x2000 << 2022 << 2;
    QTest::newRow("gain calibration is not 0x24A1") << "ZT-2TI-2AO" << 0x24A1 << 0 << 2;
    QTest::newRow("P limit itself") << "ZT-1P-1AO" << 0x2422 << 0 << 2;
}

void TestZtsim::refusedWrites()
{
    QFETCH(QString, type);
    QFETCH(int, address);
    QFETCH(int, value);
    QFETCH(int, exception);
    SimFixture sim;
    START(sim, type);
    const QString port = sim.programPort();
    const QVector<double> before = readableRegisters(port);
    QVERIFY(!before.isEmpty());

    const MbpollResult write = writeHolding(port, address, quint16(value));
    QVERIFY(!write.ok);
    QVERIFY2(write.error.contains(exception == 2 ? mbpollError::IllegalAddress : mbpollError::IllegalValue), qPrintable(write.error));
    QCOMPARE(sim.log().last()["outcome"].toString(), QStringLiteral("exception:%1").arg(exception));
    QVERIFY(sim.acceptedWrites().isEmpty());
    QCOMPARE(readableRegisters(port), before);
}

void TestZtsim::limitsFollowThePresentRange()
{
    SimFixture sim;
    START(sim, "ZT-2TI-2AO");
    const QString port = sim.programPort();

    QVERIFY(writeHolding(port, 0x2401, 6).ok);  // channel 1 to B, 250..1820 °C
    QCOMPARE(writeHolding(port, 0x24E3, 0).error, QStringLiteral("Write output (holding) register failed: %1").arg(mbpollError::IllegalValue));
    QVERIFY(writeHolding(port, 0x24E3, 250).ok);
    QVERIFY(writeHolding(port, 0x24E4, 1820).ok);
    QVERIFY(writeHolding(port, 0x24E0, 0).ok);  // channel 0 stays on K
    QVERIFY(!writeHolding(port, 0x24E1, 1820).ok);
}

void TestZtsim::multipleWriteIsWholeOrNothing()
{
    SimFixture sim;
    START(sim, "ZT-1RTD-1AO");
    const QString port = sim.programPort();

    // Function 16 on both limits of channel 0 (Pt100: -200..850 °C).
    MbpollResult r = mbpoll(port, "4", 0x24E0, 1, {quint16(-60), 180});
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(readHolding(port, 0x24E0, 2).values, (QVector<double>{double(quint16(-60)), 180}));
    QCOMPARE(sim.acceptedWrites().last()["function"].toInt(), 16);
    QCOMPARE(sim.acceptedWrites().last()["count"].toInt(), 2);

    // The second value lies outside Pt100: neither is taken.
    r = mbpoll(port, "4", 0x24E0, 1, {0, 900});
    QVERIFY(r.error.contains(mbpollError::IllegalValue));
    QCOMPARE(readHolding(port, 0x24E0, 2).values, (QVector<double>{double(quint16(-60)), 180}));
}

void TestZtsim::unmappedReads_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("count");

    QTest::newRow("after identification") << "4" << 0x200F << 1;
    QTest::newRow("identification plus one") << "4" << 0x2000 << 16;
    QTest::newRow("configuration plus one") << "4" << 0x2400 << 57;
    QTest::newRow("before options") << "4" << 0x246F << 2;
    QTest::newRow("after options") << "4" << 0x2475 << 1;
    QTest::newRow("after limits") << "4" << 0x24E9 << 2;
    QTest::newRow("after inversion") << "4" << 0x2521 << 1;
    QTest::newRow("command register") << "4" << 0x2046 << 1;
    QTest::newRow("live block as holding") << "4" << 0x0000 << 16;
    QTest::newRow("live block plus one") << "3" << 0x0000 << 17;
    QTest::newRow("configuration as input") << "3" << 0x2400 << 1;
}

void TestZtsim::unmappedReads()
{
    QFETCH(QString, table);
    QFETCH(int, address);
    QFETCH(int, count);
    SimFixture sim;
    START(sim, "PLB-2TI-4-20-M");

    const MbpollResult r = mbpoll(sim.programPort(), table, address, count);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(mbpollError::IllegalAddress), qPrintable(r.error));
    QCOMPARE(sim.log().last()["outcome"].toString(), QStringLiteral("exception:2"));
}

void TestZtsim::rebootKeepsConfigurationAndFallsSilent()
{
    SimFixture sim;
    START(sim, "ZT-2TI-2AO");
    const QString port = sim.programPort();
    QVERIFY(writeHolding(port, 0x2520, 2).ok);

    QElapsedTimer sinceReboot;
    sinceReboot.start();
    const MbpollResult reboot = writeHolding(port, 0x2046, 0x524D);
    QVERIFY2(reboot.ok, qPrintable(reboot.error));
    QVERIFY(readHolding(port, 0x2520).error.contains(mbpollError::Timeout));
    QVERIFY(sinceReboot.elapsed() < 1200);

    QThread::msleep(std::max<qint64>(0, 1700 - sinceReboot.elapsed()));
    QCOMPARE(readHolding(port, 0x2520).values, QVector<double>{2});
}

void TestZtsim::factoryResetRestoresDefaults()
{
    SimFixture sim;
    START(sim, "ZT-2RTD-2AO");
    const QString port = sim.programPort();
    QVERIFY(writeHolding(port, 0x2400, 0x44).ok);
    QVERIFY(writeHolding(port, 0x24E5, 2).ok);
    QVERIFY(writeHolding(port, 0x2520, 3).ok);

    QVERIFY(writeHolding(port, 0x2047, 0x5253).ok);

    QCOMPARE(readHolding(port, 0x2400).values, QVector<double>{0x20});  // Pt100
    QCOMPARE(readHolding(port, 0x24E0, 6).values,
             (QVector<double>{double(quint16(-50)), 150, 3, double(quint16(-50)), 150, 3}));
    QCOMPARE(readHolding(port, 0x2520).values, QVector<double>{0});
}

void TestZtsim::pLimitCommandTakesMeasuredResistance_data()
{
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("limit");  // float32 register pair
    QTest::addColumn<int>("input");  // live float index of the channel's resistance

    QTest::newRow("channel 0 lower") << 0x2420 << 0x2422 << int(Input0);
    QTest::newRow("channel 0 upper") << 0x2421 << 0x2424 << int(Input0);
    QTest::newRow("channel 1 lower") << 0x2426 << 0x2428 << int(Input1);
    QTest::newRow("channel 1 upper") << 0x2427 << 0x242A << int(Input1);
}

void TestZtsim::pLimitCommandTakesMeasuredResistance()
{
    QFETCH(int, command);
    QFETCH(int, limit);
    QFETCH(int, input);
    SimFixture sim;
    START(sim, "ZT-2P-2AO");
    const QString port = sim.programPort();

    const MbpollResult live = readLive(port);
    QVERIFY2(live.ok, qPrintable(live.error));
    QVERIFY(writeHolding(port, command, 0).ok);
    // Floats from 0x2422 to 0x242B; the third is the pair of command registers.
    const MbpollResult limits = mbpoll(port, "4:float", 0x2422, 5);
    QVERIFY2(limits.ok, qPrintable(limits.error));

    const double measured = live.values[input];
    QVERIFY(measured > 1 && measured < 999);  // not one of the factory limits
    const int taken = (limit - 0x2422) / 2;
    QVERIFY2(qAbs(limits.values[taken] - measured) < 5, qPrintable(QString::number(limits.values[taken])));
    // The other limits keep their factory values: lower 0 Ω, upper 1000 Ω.
    for (int other : {0, 1, 3, 4})
        if (other != taken)
            QCOMPARE(limits.values[other], other == 0 || other == 3 ? 0.0 : 1000.0);
}

void TestZtsim::configurationSurvivesRestart()
{
    SimFixture sim;
    START(sim, "PLB-2TI-4-20-M");
    const QString port = sim.programPort();
    QVERIFY(writeHolding(port, 0x200D, 0x0201).ok);
    QVERIFY(writeHolding(port, 0x2401, 6).ok);

    QVERIFY2(sim.restartSimulator(), qPrintable(sim.errorString()));

    QCOMPARE(readHolding(port, 0x200D).values, QVector<double>{0x0201});
    QCOMPARE(readHolding(port, 0x2401).values, QVector<double>{6});
    QCOMPARE(sim.acceptedWrites().size(), 2);
}

QTEST_GUILESS_MAIN(TestZtsim)
#include "tst_ztsim.moc"
