// ztsim on the line: whom it answers, what it logs, the faults it injects
// and the pace of its replies.

#include "line/rtuframe.h"
#include "mbpoll.h"
#include "simfixture.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

#include <algorithm>

namespace {

// Median time from sending a request to the last byte of a sound reply of
// `replyLength` bytes; -1 when a reply is missing or damaged.
double medianRoundTripMs(const QString &portName, const QByteArray &request, int replyLength, int runs)
{
    QSerialPort port(portName);
    port.setBaudRate(QSerialPort::Baud9600);
    if (!port.open(QIODevice::ReadWrite))
        return -1;
    QVector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        port.write(request);
        port.waitForBytesWritten(1000);
        QByteArray reply;
        while (reply.size() < replyLength && timer.elapsed() < 2000)
            if (port.waitForReadyRead(50))
                reply += port.readAll();
        const double ms = timer.nsecsElapsed() / 1e6;
        if (reply.size() != replyLength || zt::line::withCrc(reply.left(replyLength - 2)) != reply)
            return -1;
        times.append(ms);
    }
    std::sort(times.begin(), times.end());
    return times[runs / 2];
}

// Three modules on one line.
const QString kBus = QStringLiteral("3:PLB-2TI-4-20-M,17:PLB-2RTD-4-20-M,247:ZT-1P-1AO");

}  // namespace

#define START(fixture, ...) \
    QVERIFY2((fixture).start(__VA_ARGS__), qPrintable((fixture).errorString()))

class TestZtsimLine : public QObject {
    Q_OBJECT

private slots:
    void otherServersAreIgnored();
    void whoAnswers_data();
    void whoAnswers();
    void busModulesKeepTheirOwnRegisters();
    void logRecordsEveryRequest();

    void faults_data();
    void faults();

    void paceMatchesLineTime();
};

void TestZtsimLine::otherServersAreIgnored()
{
    SimFixture sim;
    START(sim, "ZT-2TI-2AO");
    const QString port = sim.programPort();

    for (int round = 0; round < 2; ++round) {
        const MbpollResult other = mbpoll(port, "4", 0x2520, 1, {}, 0.2, 2);
        QVERIFY2(other.error.contains(mbpollError::Timeout), qPrintable(other.error));
        // The request that follows is answered, not taken for a reply.
        const MbpollResult own = readHolding(port, 0x2520);
        QVERIFY2(own.ok, qPrintable(own.error));
    }
    QCOMPARE(sim.log().size(), 2);
}

void TestZtsimLine::whoAnswers_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("server");
    QTest::addColumn<int>("reportedType");  // 0: not answered
    QTest::addColumn<QString>("error");     // mbpoll's when not answered

    QTest::newRow("TCP, unit 1") << true << "ZT-2RTD-2AO" << QStringList{} << 1 << 0x0208 << "";
    QTest::newRow("TCP, unit of --address") << true << "PLB-2TI-4-20-M" << QStringList{"--address", "17"} << 17 << 0x0207 << "";
    QTest::newRow("TCP, no such unit") << true << "ZT-2RTD-2AO" << QStringList{} << 2 << 0 << mbpollError::Timeout;
    QTest::newRow("TCP, gateway without answer") << true << "ZT-2RTD-2AO" << QStringList{"--gateway-silent"} << 1 << 0
                                                 << "Target device failed to respond";
    const QStringList bus{"--bus", kBus};
    QTest::newRow("bus, at 3") << false << "" << bus << 3 << 0x0207 << "";
    QTest::newRow("bus, at 17") << false << "" << bus << 17 << 0x0208 << "";
    QTest::newRow("bus, at 247") << false << "" << bus << 247 << 0x0115 << "";
    QTest::newRow("bus, none at 1") << false << "" << bus << 1 << 0 << mbpollError::Timeout;
    QTest::newRow("bus over TCP, at 17") << true << "" << bus << 17 << 0x0208 << "";
    QTest::newRow("bus over TCP, none at 4") << true << "" << bus << 4 << 0 << mbpollError::Timeout;
}

void TestZtsimLine::whoAnswers()
{
    QFETCH(bool, tcp);
    QFETCH(QString, type);
    QFETCH(QStringList, simArgs);
    QFETCH(int, server);
    QFETCH(QString, error);
    SimFixture sim;
    QVERIFY2(tcp ? sim.startTcp(type, simArgs) : sim.start(type, simArgs), qPrintable(sim.errorString()));
    const QString port = tcp ? localTcp(sim.tcpPort()) : sim.programPort();

    // Twice: the second request comes on a new connection.
    for (int round = 0; round < 2; ++round) {
        const MbpollResult r = mbpoll(port, "4", 0x2000, 3, {}, 0.3, server);
        QVERIFY2(r.error.contains(error), qPrintable(r.error));
        QCOMPARE(r.ok, error.isEmpty());
        if (r.ok)
            QTEST(int(r.values[2]), "reportedType");
    }
    const QVector<QJsonObject> log = sim.log();
    QCOMPARE(log.size(), error == mbpollError::Timeout ? 0 : 2);
    for (const QJsonObject &entry : log)
        QCOMPARE(entry["server"].toInt(), server);
}

void TestZtsimLine::busModulesKeepTheirOwnRegisters()
{
    SimFixture sim;
    START(sim, QString(), {"--bus", kBus});
    const QString port = sim.programPort();
    QVERIFY(mbpoll(port, "4", 0x2520, 1, {3}, 0.5, 17).ok);
    QVERIFY(mbpoll(port, "4", 0x2005, 1, {9}, 0.5, 17).ok);  // does not move it

    QVERIFY2(sim.restartSimulator(), qPrintable(sim.errorString()));

    QCOMPARE(mbpoll(port, "4", 0x2520, 1, {}, 0.5, 17).values, QVector<double>{3});
    QCOMPARE(mbpoll(port, "4", 0x2520, 1, {}, 0.5, 3).values, QVector<double>{0});
}

void TestZtsimLine::logRecordsEveryRequest()
{
    SimFixture sim;
    START(sim, "ZT-1TI-2AO");
    const QString port = sim.programPort();
    readHolding(port, 0x2000, 15);
    writeHolding(port, 0x2520, 1);
    writeHolding(port, 0x2520, 9);
    mbpoll(port, "3", 0x0000, 16);

    const QVector<QJsonObject> log = sim.log();
    QCOMPARE(log.size(), 4);
    const auto expect = [&](int i, int function, int address, const QString &outcome) {
        QCOMPARE(log[i]["function"].toInt(), function);
        QCOMPARE(log[i]["address"].toInt(), address);
        QCOMPARE(log[i]["outcome"].toString(), outcome);
        QVERIFY(log[i]["time"].isDouble());
        QVERIFY(i == 0 || log[i]["time"].toDouble() >= log[i - 1]["time"].toDouble());
    };
    expect(0, 3, 0x2000, "ok");
    QCOMPARE(log[0]["count"].toInt(), 15);
    expect(1, 6, 0x2520, "ok");
    QCOMPARE(log[1]["values"].toArray(), QJsonArray{1});
    expect(2, 6, 0x2520, "exception:3");
    QCOMPARE(log[2]["values"].toArray(), QJsonArray{9});
    expect(3, 4, 0x0000, "ok");
    QCOMPARE(log[3]["count"].toInt(), 16);
    QVERIFY(!log[3].contains("values"));

    QCOMPARE(sim.acceptedWrites(), QVector<QJsonObject>{log[1]});
}

void TestZtsimLine::faults_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<double>("timeout");    // of each mbpoll request, s
    QTest::addColumn<QStringList>("errors");    // per request; empty: answered
    QTest::addColumn<QStringList>("outcomes");  // per request, as logged

    QTest::newRow("silent") << QStringList{"--silent"} << 0.2
                            << QStringList{mbpollError::Timeout, mbpollError::Timeout} << QStringList{"silent", "silent"};
    QTest::newRow("fails after two") << QStringList{"--fail-after", "2"} << 0.2
                                     << QStringList{"", "", mbpollError::Timeout, mbpollError::Timeout}
                                     << QStringList{"ok", "ok", "silent", "silent"};
    QTest::newRow("exception at a hexadecimal address") << QStringList{"--exception", "0x2401:4"} << 0.5
        << QStringList{"Slave device or server failure"} << QStringList{"exception:4"};
    QTest::newRow("exception at a decimal address") << QStringList{"--exception", "9216:6"} << 0.5
        << QStringList{"Slave device or server is busy"} << QStringList{"exception:6"};
    QTest::newRow("exception elsewhere") << QStringList{"--exception", "0x2402:4"} << 0.5
                                         << QStringList{""} << QStringList{"ok"};
    QTest::newRow("every second CRC broken") << QStringList{"--corrupt-crc", "2"} << 0.5
                                             << QStringList{"", "Invalid CRC", "", "Invalid CRC"}
                                             << QStringList{"ok", "corrupt-crc", "ok", "corrupt-crc"};
    QTest::newRow("late reply") << QStringList{"--delay", "400"} << 0.2
                                << QStringList{mbpollError::Timeout} << QStringList{"ok"};
    QTest::newRow("reply in time") << QStringList{"--delay", "100"} << 0.5
                                   << QStringList{""} << QStringList{"ok"};
}

void TestZtsimLine::faults()
{
    QFETCH(QStringList, simArgs);
    QFETCH(double, timeout);
    QFETCH(QStringList, errors);
    QFETCH(QStringList, outcomes);
    SimFixture sim;
    START(sim, "ZT-2TI-2AO", simArgs);

    for (const QString &error : errors) {
        const MbpollResult r = mbpoll(sim.programPort(), "4", 0x2400, 2, {}, timeout);
        QCOMPARE(r.ok, error.isEmpty());
        QVERIFY2(r.error.contains(error), qPrintable(r.error));
    }
    QStringList logged;
    for (const QJsonObject &entry : sim.log())
        logged << entry["outcome"].toString();
    QCOMPARE(logged, outcomes);
}

void TestZtsimLine::paceMatchesLineTime()
{
    // Read 56 registers from 0x2400: an 8-byte request, a 117-byte reply.
    const QByteArray request = zt::line::withCrc(QByteArray::fromHex("0103240000" "38"));
    const int replyLength = 5 + 2 * 56;
    const double charMs = 10 * 1000.0 / 9600;  // 8N1: ten bits a byte
    // The request's own line time, the silence, the reply.
    const double lineMs = (request.size() + 3.5 + replyLength) * charMs;

    SimFixture paced;
    START(paced, "ZT-2TI-2AO", {"--pace"});
    const double pacedMs = medianRoundTripMs(paced.programPort(), request, replyLength, 5);
    QVERIFY2(qAbs(pacedMs - lineMs) <= 0.1 * lineMs,
             qPrintable(QStringLiteral("%1 ms, expected %2 ms").arg(pacedMs).arg(lineMs)));

    SimFixture unpaced;
    START(unpaced, "ZT-2TI-2AO");
    const double unpacedMs = medianRoundTripMs(unpaced.programPort(), request, replyLength, 5);
    QVERIFY2(unpacedMs >= 0 && unpacedMs < 0.25 * lineMs, qPrintable(QString::number(unpacedMs)));
}

QTEST_GUILESS_MAIN(TestZtsimLine)
#include "tst_ztsim_line.moc"
