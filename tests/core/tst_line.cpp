// Line formats, the order and pace of a module search, and what a raw
// answer on the line means.

#include "line/linetiming.h"
#include "line/rawanswer.h"
#include "line/rtuframe.h"
#include "line/searchplan.h"
#include "modbus/portenumerator.h"

#include <QSet>
#include <QtTest>

using namespace zt::line;

static LineSettings serial(int speed, int format, int address)
{
    LineSettings line;
    line.baudRate = speed;
    line.format = formats().at(format);
    line.address = address;
    return line;
}

class tst_Line : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void searchOrder_data();
    void searchOrder();
    void searchTriesEverySettingOnce();
    void gateway_data();
    void gateway();
    void tryWait_data();
    void tryWait();
    void classify_data();
    void classify();
    void portCheck_data();
    void portCheck();
};

// The system's port check under either naming, with the list a system would give.
class ListedPorts : public PortEnumerator
{
public:
    using PortEnumerator::PortEnumerator;
    QStringList availablePorts() const override { return {"COM3"}; }
};

void tst_Line::portCheck_data()
{
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device");
    QTest::addColumn<bool>("present");
    QTest::newRow("COM3") << true << "COM3" << "COM3" << true;
    QTest::newRow("com3, device namespace") << true << "\\\\.\\com3" << "\\\\.\\com3" << true;
    QTest::newRow("COM4 not listed") << true << "COM4" << "COM4" << false;
#ifdef Q_OS_UNIX  // a file of this system
    QTest::newRow("null under /dev") << false << "null" << "/dev/null" << true;
    QTest::newRow("COM3 is no POSIX device") << false << "COM3" << "/dev/COM3" << false;
#endif
}

void tst_Line::portCheck()
{
    QFETCH(bool, windows);
    QFETCH(QString, name);
    const ListedPorts ports(windows ? PortEnumerator::Naming::Windows : PortEnumerator::Naming::Posix);
    QTEST(ports.devicePath(name), "device");
    QTEST(ports.state(name) == PortEnumerator::PortState::Present, "present");
}

void tst_Line::format_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name"); // empty: not a format
    QTest::addColumn<bool>("valid");   // one a module can have

    QTest::newRow("8N1") << "8N1" << "8N1" << true;
    QTest::newRow("8e1") << "8e1" << "8E1" << true;
    QTest::newRow("8O1") << "8O1" << "8O1" << true;
    QTest::newRow("8N2") << "8N2" << "8N2" << true;
    QTest::newRow("7E1") << "7E1" << "7E1" << false;
    QTest::newRow("8O2") << "8O2" << "8O2" << false;
    QTest::newRow("8N3") << "8N3" << "" << false;
    QTest::newRow("empty") << "" << "" << false;
}

void tst_Line::format()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    Format format;
    QCOMPARE(parseFormat(text, &format), !name.isEmpty());
    if (!name.isEmpty())
        QCOMPARE(formatName(format), name);
    QTEST(isValidFormat(format) && !name.isEmpty(), "valid");
}

void tst_Line::searchOrder_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("candidate");

    QTest::newRow("factory first") << 19200 << 3 << 5 << 0 << "9600 8N1, адрес 1";
    QTest::newRow("then the current") << 19200 << 3 << 5 << 1 << "19200 8E1, адрес 5";
    QTest::newRow("then every address at the current") << 19200 << 3 << 5 << 2 << "19200 8E1, адрес 1";
    QTest::newRow("then 8N1 at the current speed") << 19200 << 3 << 5 << 248 << "19200 8N1, адрес 1";
    QTest::newRow("current is factory: address 2 next") << 9600 << 0 << 1 << 1 << "9600 8N1, адрес 2";
    QTest::newRow("19200 after every 9600 address") << 9600 << 0 << 1 << 247 << "19200 8N1, адрес 1";
    QTest::newRow("2400 8O1 last") << 9600 << 0 << 1 << 6915 << "2400 8O1, адрес 247";
}

void tst_Line::searchOrder()
{
    QFETCH(int, speed);
    QFETCH(int, format);
    QFETCH(int, address);
    QFETCH(int, index);
    QFETCH(QString, candidate);
    QCOMPARE(describe(zt::line::searchOrder(serial(speed, format, address)).at(index)), candidate);
}

void tst_Line::searchTriesEverySettingOnce()
{
    QSet<QString> seen;
    for (const LineSettings &candidate : zt::line::searchOrder(serial(57600, 2, 200))) {
        QVERIFY(isValid(candidate));
        seen.insert(describe(candidate));
    }
    QCOMPARE(seen.size(), 7 * 4 * 247);
}

void tst_Line::gateway_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line"); // described; empty: refused

    const QString label63(63, 'a');
    const QString name255 = QStringList{label63, label63, label63, label63}.join('.');
    QTest::newRow("IPv4") << "192.168.1.50" << "Modbus TCP 192.168.1.50:502, адрес 7";
    QTest::newRow("name and port") << "gw-cabinet.local:1502" << "Modbus TCP gw-cabinet.local:1502, адрес 7";
    QTest::newRow("IPv6 in brackets") << "[::1]:1502" << "Modbus TCP [::1]:1502, адрес 7";
    QTest::newRow("bare IPv6") << "fe80::1" << "Modbus TCP [fe80::1]:502, адрес 7";
    QTest::newRow("253 characters") << name255.left(253) << "Modbus TCP " + name255.left(253) + ":502, адрес 7";
    for (const char *bad : {"256.1.1.1", "1.2.3", "1.2.3.04", "gw:0", "gw:65536", "gw:+5", "gw:", "-gw", "gw_1",
                            "a..b", "[::1]x", "[1.2.3.4]:502", "гейт", "", "gw:1:2"})
        QTest::newRow(bad) << bad << "";
    QTest::newRow("longer than 253") << name255 << "";
}

void tst_Line::gateway()
{
    QFETCH(QString, text);
    QFETCH(QString, line);
    LineSettings gateway = serial(9600, 0, 7);
    gateway.link = Link::Tcp;
    QCOMPARE(parseHostAndPort(text, &gateway.host, &gateway.tcpPort), !line.isEmpty());
    if (line.isEmpty())
        return;
    QVERIFY(isValid(gateway));
    QCOMPARE(describe(gateway), line);
    QCOMPARE(describeWithPort(gateway), line);
    const QVector<LineSettings> order = zt::line::searchOrder(gateway); // addresses only, the current first
    QCOMPARE(order.size(), MaxAddress);
    QCOMPARE(describe(order.at(7)), QString(line).replace("адрес 7", "адрес 8"));
}

void tst_Line::tryWait_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("ms");

    QTest::newRow("2400 8N1") << 2400 << 0 << 266;
    QTest::newRow("9600 8N1") << 9600 << 0 << 89;
    QTest::newRow("9600 8E1: a parity bit more") << 9600 << 3 << 95;
    QTest::newRow("19200 8N2") << 19200 << 1 << 63;
    QTest::newRow("115200 8N1: mostly latency") << 115200 << 0 << 35;
}

void tst_Line::tryWait()
{
    QFETCH(int, speed);
    QFETCH(int, format);
    QFETCH(int, ms);
    QCOMPARE(tryWaitMs(serial(speed, format, 1)), ms);
}

void tst_Line::classify_data()
{
    QTest::addColumn<QByteArray>("received");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("code"); // exception code, or the first register of a reply

    const QByteArray request = QByteArray::fromHex("01032000000f0e0e");
    QCOMPARE(identificationRequest(1), request);
    const QByteArray reply = withCrc(QByteArray::fromHex("01031e07e5") + QByteArray(28, '\0'));
    QByteArray inverted = reply;
    for (char &byte : inverted)
        byte = char(~byte);

    QTest::newRow("nothing") << QByteArray() << int(Answer::Nothing) << 0 << 0;
    QTest::newRow("echo") << request << int(Answer::Echo) << 0 << 0;
    QTest::newRow("echo, then the reply") << request + reply << int(Answer::Echo) << 0 << 0;
    QTest::newRow("inverted bytes") << inverted << int(Answer::Garbage) << 0 << 0;
    QTest::newRow("cut short") << reply.left(34) << int(Answer::Garbage) << 0 << 0;
    QTest::newRow("bad CRC") << reply.left(34) + 'x' << int(Answer::Garbage) << 0 << 0;
    QTest::newRow("reply") << reply << int(Answer::Reply) << 1 << 2021;
    QTest::newRow("noise, then the reply") << QByteArray("\x00\xff", 2) + reply << int(Answer::Reply) << 1 << 2021;
    QTest::newRow("another address") << withCrc(QByteArray::fromHex("11031e07e5") + QByteArray(28, '\0'))
                                     << int(Answer::OtherAddress) << 17 << 2021;
    QTest::newRow("exception 02") << QByteArray::fromHex("018302c0f1") << int(Answer::Exception) << 1 << 2;
}

void tst_Line::classify()
{
    QFETCH(QByteArray, received);
    QFETCH(int, kind);
    QFETCH(int, address);
    QFETCH(int, code);
    const Answer answer = zt::line::classify(identificationRequest(1), received);
    QCOMPARE(int(answer.kind), kind);
    QCOMPARE(answer.address, address);
    QCOMPARE(answer.kind == Answer::Exception ? answer.exceptionCode : answer.registers.value(0), code);
}

QTEST_MAIN(tst_Line)
#include "tst_line.moc"
