// The exchange with the module as read back from the Modbus client's log:
// literal messages as Qt 5.15's RTU client writes them.

#include "modbus/trafficcapture.h"

#include <QLoggingCategory>
#include <QtTest>

using zt::traffic::Direction;
using zt::traffic::Event;
using zt::traffic::Outcome;

Q_DECLARE_METATYPE(Direction)
Q_DECLARE_METATYPE(Outcome)

namespace {

constexpr auto Sent = "(RTU client) Sent Serial ADU: 0x";
constexpr auto Received = "(RTU client) Received ADU: \"%1\"";
constexpr auto ReadIdentification = "01032000000f0e0e";
constexpr auto IdentificationReply = "01031e07e50007020702040000000031322e30352e32330000000000000000000062cc";
constexpr auto Timeout = "(RTU client) Receive timeout: 0x032000000f";

Q_LOGGING_CATEGORY(lcFake, "qt.modbus.fake", QtWarningMsg)

QStringList forwarded; // what reached the handler in place before capturing

void recordMessage(QtMsgType, const QMessageLogContext &, const QString &message)
{
    forwarded << message;
}

} // namespace

class tst_Traffic : public QObject
{
    Q_OBJECT

private slots:
    void readsLog_data();
    void readsLog();
    void captureKeepsStderrQuiet();
};

void tst_Traffic::readsLog_data()
{
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("count");
    QTest::addColumn<QVector<quint16>>("values");
    QTest::addColumn<int>("exception");
    QTest::addColumn<QByteArray>("hex");

    const QString sent = QString::fromLatin1(Sent);
    const QString received = QString::fromLatin1(Received);
    const QString read = sent + ReadIdentification;
    QTest::newRow("read request") << QStringList{read} << Direction::Request << Outcome::Sent << 3 << 0x2000
                                  << 15 << QVector<quint16>{} << 0 << QByteArray(ReadIdentification);
    QTest::newRow("ok read") << QStringList{read, received.arg(IdentificationReply)} << Direction::Reply
                             << Outcome::Ok << 3 << 0x2000 << 15
                             << QVector<quint16>{2021, 7, 0x0207, 0x0204, 0, 0, 0x3132, 0x2e30, 0x352e, 0x3233,
                                                 0, 0, 0, 0, 0}
                             << 0 << QByteArray(IdentificationReply);
    QTest::newRow("write 06") << QStringList{sent + "010625200003c30d"} << Direction::Request << Outcome::Sent
                              << 6 << 0x2520 << -1 << QVector<quint16>{3} << 0 << QByteArray("010625200003c30d");
    QTest::newRow("write 06 taken") << QStringList{sent + "010625200003c30d", received.arg("010625200003c30d")}
                                    << Direction::Reply << Outcome::Ok << 6 << 0x2520 << -1
                                    << QVector<quint16>{3} << 0 << QByteArray("010625200003c30d");
    QTest::newRow("write 16") << QStringList{sent + "011024e0000204000100000726"} << Direction::Request
                              << Outcome::Sent << 16 << 0x24E0 << 2 << QVector<quint16>{1, 0} << 0
                              << QByteArray("011024e0000204000100000726");
    QTest::newRow("write 16 taken")
        << QStringList{sent + "011024e0000204000100000726", received.arg("011024e000024ace")} << Direction::Reply
        << Outcome::Ok << 16 << 0x24E0 << 2 << QVector<quint16>{} << 0 << QByteArray("011024e000024ace");
    QTest::newRow("exception") << QStringList{read, received.arg("018302c0f1")} << Direction::Reply
                               << Outcome::Exception << 3 << 0x2000 << -1 << QVector<quint16>{} << 2
                               << QByteArray("018302c0f1");
    QTest::newRow("bad crc") << QStringList{read, received.arg("01031e07e5000702070204000000003132"
                                                               "2e30352e3233000000000000000000009d33")}
                             << Direction::Reply << Outcome::BadCrc << 3 << -1 << -1 << QVector<quint16>{} << 0
                             << QByteArray("01031e07e50007020702040000000031322e30352e3233000000000000000000009d33");
    QTest::newRow("other server") << QStringList{read, received.arg("020302002a7d9b")} << Direction::Reply
                                  << Outcome::Foreign << 3 << -1 << -1 << QVector<quint16>{} << 0
                                  << QByteArray("020302002a7d9b");
    QTest::newRow("time-out") << QStringList{read, "(RTU client) Send successful: 0x032000000f", Timeout}
                              << Direction::Reply << Outcome::Timeout << 3 << 0x2000 << 15 << QVector<quint16>{}
                              << 0 << QByteArray();
    // Bytes of another speed: the client cuts a frame from them, drops it
    // for its CRC and keeps the rest until the time-out.
    QTest::newRow("time-out after noise")
        << QStringList{read, "(RTU client) Response buffer: \"fefce1f81afff8fdf8\"", received.arg("fefce1f81a"),
                       "(RTU client) Pending buffer: \"fff8fdf8\"",
                       "(RTU client) Discarding response with wrong CRC, received: 63514 , calculated CRC: 37240",
                       Timeout}
        << Direction::Reply << Outcome::Timeout << 3 << 0x2000 << 15 << QVector<quint16>{} << 0
        << QByteArray("fff8fdf8");
}

void tst_Traffic::readsLog()
{
    QFETCH(QStringList, messages);
    QFETCH(Direction, direction);
    QFETCH(Outcome, outcome);
    QFETCH(int, function);
    QFETCH(int, address);
    QFETCH(int, count);
    QFETCH(QVector<quint16>, values);
    QFETCH(int, exception);
    QFETCH(QByteArray, hex);

    zt::traffic::LogReader reader;
    std::optional<Event> last;
    for (const QString &message : messages)
        if (std::optional<Event> event = reader.read(message, QDateTime()))
            last = event;
    QVERIFY(last);
    QCOMPARE(last->direction, direction);
    QCOMPARE(last->outcome, outcome);
    QCOMPARE(last->frame.function, function);
    QCOMPARE(last->frame.address, address);
    QCOMPARE(last->frame.count, count);
    QCOMPARE(last->frame.values, values);
    QCOMPARE(last->frame.exceptionCode, exception);
    QCOMPARE(last->bytes.toHex(), hex);
}

// Capturing switches the categories on for itself only: what they say
// reaches the handler in place at the levels the rules had on, and the rules
// hold again once capturing stops.
void tst_Traffic::captureKeepsStderrQuiet()
{
    const QtMessageHandler testHandler = qInstallMessageHandler(recordMessage);
    TrafficCapture capture;
    QVector<Event> events;
    connect(&capture, &TrafficCapture::captured, this, [&](const Event &event) { events << event; });
    QVERIFY(!lcFake().isDebugEnabled());
    capture.setCapturing(true);
    QVERIFY(lcFake().isDebugEnabled());
    qCDebug(lcFake).noquote() << QString::fromLatin1(Sent) + ReadIdentification;
    qCWarning(lcFake) << "warned";
    QTRY_COMPARE(events.size(), 1);
    QCOMPARE(events.first().frame.address, 0x2000);
    QCOMPARE(forwarded, QStringList{"warned"});
    capture.setCapturing(false);
    QVERIFY(!lcFake().isDebugEnabled());
    qCWarning(lcFake) << "after";
    QCOMPARE(forwarded, (QStringList{"warned", "after"}));
    qInstallMessageHandler(testHandler);
}

QTEST_GUILESS_MAIN(tst_Traffic)
#include "tst_traffic.moc"
