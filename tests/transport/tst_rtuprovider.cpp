// The transport against a simulated module on a pty pair: what reaches the
// window, in which order, for every way a request can end.

#include "modbus/rtuprovider.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QModbusClient>
#include <QSignalSpy>
#include <QtTest>

#include <ctime>

namespace {

// Records the provider's signals as one ordered list of names.
class SignalLog : public QObject
{
public:
    explicit SignalLog(RtuProvider *p)
    {
        connect(p, &RtuProvider::openDevice, this, [this] { names << "openDevice"; });
        connect(p, &RtuProvider::closeDevice, this, [this] { names << "closeDevice"; });
        connect(p, &RtuProvider::readDataEnd, this, [this] { names << "readDataEnd"; });
        connect(p, &RtuProvider::readCurUnit, this, [this](const QModbusDataUnit &u) {
            names << "readCurUnit";
            units << u;
        });
        connect(p, &RtuProvider::writeDataEnd, this, [this] { names << "writeDataEnd"; });
        connect(p, &RtuProvider::readDataError, this, [this] { names << "readDataError"; });
        connect(p, &RtuProvider::writeDataError, this, [this] { names << "writeDataError"; });
        connect(p, &RtuProvider::sendStatus, this, [this](const QString &s) { statuses << s; });
    }
    int count(const QString &name) const { return names.count(name); }

    QStringList names;
    QStringList statuses;
    QList<QModbusDataUnit> units;
};

zt::line::LineSettings lineSettings(const QString &port)
{
    zt::line::LineSettings line; // 9600 8N1, address 1
    line.port = port;
    return line;
}

double processCpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

class tst_RtuProvider : public QObject
{
    Q_OBJECT

private slots:
    void statusTexts_data();
    void statusTexts();
    void readsIdentificationBlock();
    void writeReportsItsEnd();
    void exceptionToWriteEndsThenFailsOnce();
    void silentModuleFailsReadOnce();
    void lateLongReply_data();
    void lateLongReply();
    void vanishingLineClosesOnceWithoutSpinning();
    void closeWithReadOutstandingReturnsAtOnce();
    void closeOnClosedProviderEmitsNothing();
    void clientRefusingARequestClosesTheLine();
    void failedOpenLeavesProviderClosed();
    void secondOpenOfHeldPortFails();

private:
    bool startModule(SimFixture &sim, const QStringList &args = {})
    {
        if (!sim.start(QStringLiteral("ZT-2TI-2AO"), args)) {
            qWarning() << sim.errorString();
            return false;
        }
        return true;
    }
};

void tst_RtuProvider::statusTexts_data()
{
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("read") << false << 0x2000 << 0 << "RQ ID:1 Addr: 0x2000";
    QTest::newRow("read, low address padded") << false << 0x0 << 0 << "RQ ID:1 Addr: 0x0000";
    QTest::newRow("read, five digits unpadded") << false << 0x12345 << 0 << "RQ ID:1 Addr: 0x12345";
    QTest::newRow("write reboot key") << true << 0x2046 << 0x524D << "WQ ID:1 Addr: 0x2046 Data:524D";
    QTest::newRow("write small value padded") << true << 0x2520 << 0x1A << "WQ ID:1 Addr: 0x2520 Data:001A";
    QTest::newRow("write three") << true << 0x2520 << 3 << "WQ ID:1 Addr: 0x2520 Data:0003";
}

void tst_RtuProvider::statusTexts()
{
    QFETCH(bool, write);
    QFETCH(int, address);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(write ? RtuProvider::writeStatusText(1, address, quint16(value))
                   : RtuProvider::readStatusText(1, address),
             text);
}

void tst_RtuProvider::readsIdentificationBlock()
{
    SimFixture sim;
    QVERIFY(startModule(sim));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    QVERIFY(provider.getDatas(0x2000).isEmpty());

    provider.openPort(lineSettings(sim.programPort()));
    QVERIFY(provider.opened);
    QCOMPARE(log.statuses.value(0), QStringLiteral("RTU порт pty (9600) открыт: %1").arg(sim.programPort()));

    provider.readUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, 15));
    QVERIFY(provider.requestPending);
    QCOMPARE(log.statuses.last(), QStringLiteral("RQ ID:1 Addr: 0x2000"));
    QTRY_COMPARE(log.count("readCurUnit"), 1);
    QCOMPARE(log.names, QStringList({"openDevice", "readDataEnd", "readCurUnit"}));
    QVERIFY(!provider.requestPending);

    const QModbusDataUnit unit = log.units.first();
    QCOMPARE(unit.startAddress(), 0x2000);
    QCOMPARE(unit.valueCount(), 15u);
    QCOMPARE(unit.value(0), quint16(2021));
    QCOMPARE(provider.getDatas(0x2000), unit.values());
    QVERIFY(provider.getDatas(0x2400).isEmpty());
    QVERIFY(provider.getDatas(0x2000, RegType::InputRegisters).isEmpty());
    provider.closePort();
}

void tst_RtuProvider::writeReportsItsEnd()
{
    SimFixture sim;
    QVERIFY(startModule(sim));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(sim.programPort()));

    provider.writeUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2046, QVector<quint16>{0x524D}));
    QCOMPARE(log.statuses.last(), QStringLiteral("WQ ID:1 Addr: 0x2046 Data:524D"));
    QTRY_COMPARE(log.count("writeDataEnd"), 1);
    QTest::qWait(100);
    QCOMPARE(log.count("writeDataError"), 0);

    const auto writes = sim.acceptedWrites();
    QCOMPARE(writes.size(), 1);
    QCOMPARE(writes.first().value("function").toInt(), 6);
    QCOMPARE(writes.first().value("address").toInt(), 0x2046);
    QCOMPARE(writes.first().value("values").toArray().first().toInt(), 0x524D);
    provider.closePort();
}

void tst_RtuProvider::exceptionToWriteEndsThenFailsOnce()
{
    SimFixture sim;
    QVERIFY(startModule(sim));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(sim.programPort()));
    log.names.clear();

    // Inversion takes two bits: the module refuses 7 as an illegal value.
    provider.writeUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2520, QVector<quint16>{7}));
    QTRY_COMPARE(log.count("writeDataError"), 1);
    QTest::qWait(200);
    QCOMPARE(log.names, QStringList({"writeDataEnd", "writeDataError"}));
    QVERIFY(provider.opened); // a refused value is no reason to close the line
    provider.closePort();
}

void tst_RtuProvider::silentModuleFailsReadOnce()
{
    SimFixture sim;
    QVERIFY(startModule(sim, {"--silent"}));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(sim.programPort()));

    provider.readUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, 15));
    // Three attempts of 1000 ms each: nothing early, one failure at the end.
    QTest::qWait(2000);
    QCOMPARE(log.count("readDataError"), 0);
    QTRY_COMPARE_WITH_TIMEOUT(log.count("readDataError"), 1, 5000);
    QTest::qWait(500);
    QCOMPARE(log.count("readDataError"), 1);
    QCOMPARE(log.count("readCurUnit"), 0);
    QVERIFY(provider.requestPending); // the window clears it
    provider.closePort();
}

void tst_RtuProvider::lateLongReply_data()
{
    QTest::addColumn<QString>("delay");
    QTest::addColumn<int>("answered");
    QTest::addColumn<int>("requests");

    // The 56-register reply takes 122 ms on the line, so a reply that begins
    // at 900 ms ends after 1000 ms: the time-out must count its length.
    QTest::newRow("begins at 900 ms") << "900" << 2 << 2;
    QTest::newRow("begins at 1100 ms") << "1100" << 0 << 6;
}

// A paced module answering late to two reads queued at once: the simulator
// logs a collision whenever a request arrives while a reply is going out.
void tst_RtuProvider::lateLongReply()
{
    QFETCH(QString, delay);
    QFETCH(int, answered);
    QFETCH(int, requests);
    SimFixture sim;
    QVERIFY(startModule(sim, {"--pace", "--delay", delay}));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(sim.programPort()));

    for (int i = 0; i < 2; ++i)
        provider.readUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2400, 56));
    QTRY_COMPARE_WITH_TIMEOUT(log.count("readCurUnit") + log.count("readDataError"), 2, 15000);
    QCOMPARE(log.count("readCurUnit"), answered);
    QTest::qWait(300); // the last late reply ends
    QStringList heard;
    for (const QJsonObject &entry : sim.log())
        heard << entry.value("event").toString(entry.value("outcome").toString());
    QCOMPARE(heard.join(' '), QStringLiteral("ok ").repeated(requests).trimmed());
    provider.closePort();
}

void tst_RtuProvider::vanishingLineClosesOnceWithoutSpinning()
{
    SimFixture sim;
    QVERIFY(startModule(sim));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(sim.programPort()));
    provider.readUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, 15));
    QTRY_COMPARE(log.count("readCurUnit"), 1);
    log.names.clear();

    provider.readUnit(QModbusDataUnit(QModbusDataUnit::InputRegisters, 0x0000, 16));
    sim.cutLine();
    QTRY_COMPARE_WITH_TIMEOUT(log.count("writeDataError"), 1, 5000);
    QVERIFY(!provider.opened);
    QVERIFY(log.statuses.contains(QStringLiteral("Ошибка порта pty")));

    const double cpuBefore = processCpuSeconds();
    QTest::qWait(1000);
    const double cpuUsed = processCpuSeconds() - cpuBefore;
    QCOMPARE(log.count("closeDevice"), 1);
    QCOMPARE(log.count("writeDataError"), 1);
    QVERIFY2(cpuUsed < 0.5, qPrintable(QStringLiteral("%1 s of CPU in 1 s idle").arg(cpuUsed)));

    const int before = log.names.size();
    provider.closePort(); // already closed by the error
    QCOMPARE(log.names.size(), before);
}

void tst_RtuProvider::closeWithReadOutstandingReturnsAtOnce()
{
    SimFixture sim;
    QVERIFY(startModule(sim, {"--silent"}));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(sim.programPort()));
    provider.readUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, 15));
    QTest::qWait(100);

    QElapsedTimer clock;
    clock.start();
    provider.closePort();
    QVERIFY(clock.elapsed() < 1000);
    QVERIFY(!provider.opened);
    QVERIFY(log.statuses.contains(QStringLiteral("RTU порт pty закрыт")));

    // The request the program abandoned is no module failure.
    QTest::qWait(3500);
    QCOMPARE(log.count("readDataError"), 0);
    QCOMPARE(log.count("closeDevice"), 1);
}

void tst_RtuProvider::closeOnClosedProviderEmitsNothing()
{
    RtuProvider provider(QStringLiteral("none"), 1);
    SignalLog log(&provider);
    provider.closePort();
    provider.readUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, 15));
    provider.writeUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2520, QVector<quint16>{1}));
    QVERIFY(log.names.isEmpty());
    QVERIFY(log.statuses.isEmpty());
    QVERIFY(!provider.requestPending);
}

// The client's port closed under the provider: the client refuses the request
// and reports why through errorOccurred, which closes the line at once.
void tst_RtuProvider::clientRefusingARequestClosesTheLine()
{
    SimFixture sim;
    QVERIFY(startModule(sim));
    RtuProvider provider(QStringLiteral("pty"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(sim.programPort()));
    provider.findChild<QModbusClient *>()->disconnectDevice();
    provider.readUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, 15));
    QCOMPARE(log.names, QStringList({"openDevice", "closeDevice", "writeDataError"}));
    QVERIFY(!provider.opened);
}

void tst_RtuProvider::failedOpenLeavesProviderClosed()
{
    RtuProvider provider(QStringLiteral("gone"), 1);
    SignalLog log(&provider);
    provider.openPort(lineSettings(QStringLiteral("/dev/zt-no-such-device")));
    QVERIFY(!provider.opened);
    QVERIFY(!provider.openError().isEmpty());
    QVERIFY(log.names.isEmpty());
    QVERIFY(log.statuses.isEmpty());
    provider.closePort();
    QVERIFY(log.names.isEmpty());
}

void tst_RtuProvider::secondOpenOfHeldPortFails()
{
    SimFixture sim;
    QVERIFY(startModule(sim));
    RtuProvider first(QStringLiteral("first"), 1);
    first.openPort(lineSettings(sim.programPort()));
    QVERIFY(first.opened);

    RtuProvider second(QStringLiteral("second"), 1);
    SignalLog log(&second);
    second.openPort(lineSettings(sim.programPort()));
    QVERIFY(!second.opened);
    QVERIFY(log.names.isEmpty());
    first.closePort();
}

QTEST_GUILESS_MAIN(tst_RtuProvider)
#include "tst_rtuprovider.moc"
