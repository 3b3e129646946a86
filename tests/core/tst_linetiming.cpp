#include "line/linetiming.h"

#include <QtTest>

using namespace zt::line;

class TstLineTiming : public QObject
{
    Q_OBJECT

private slots:
    void responseTimeout_data();
    void responseTimeout();
};

// 1000 ms for the module to begin, plus request and reply on the line.
void TstLineTiming::responseTimeout_data()
{
    QTest::addColumn<int>("table"); // a QModbusDataUnit::RegisterType
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("baudRate");
    QTest::addColumn<int>("parity"); // a QSerialPort::Parity number
    QTest::addColumn<int>("timeoutMs");

    const int holding = QModbusDataUnit::HoldingRegisters;
    // 8 + 117 bytes of 10 bits: 130.2 ms, rounded up.
    QTest::newRow("56 registers") << holding << 56 << false << 9600 << 0 << 1131;
    QTest::newRow("live block") << int(QModbusDataUnit::InputRegisters) << 16 << false << 9600 << 0 << 1047;
    QTest::newRow("single write") << holding << 1 << true << 9600 << 0 << 1017;
    QTest::newRow("ten-register write") << holding << 10 << true << 9600 << 0 << 1039;
    QTest::newRow("eight coils") << int(QModbusDataUnit::Coils) << 8 << false << 9600 << 0 << 1015;
    QTest::newRow("slow line") << holding << 56 << false << 1200 << 0 << 2042;
    QTest::newRow("parity bit") << holding << 56 << false << 9600 << 2 << 1144;
}

void TstLineTiming::responseTimeout()
{
    QFETCH(int, table);
    QFETCH(int, count);
    QFETCH(bool, write);
    QFETCH(int, baudRate);
    QFETCH(int, parity);
    QFETCH(int, timeoutMs);
    const QModbusDataUnit unit(QModbusDataUnit::RegisterType(table), 0, quint16(count));
    const int bits = characterBits({8, QSerialPort::Parity(parity), QSerialPort::OneStop});
    QCOMPARE(responseTimeoutMs(unit, write ? Direction::Write : Direction::Read, baudRate, bits), timeoutMs);
}

QTEST_GUILESS_MAIN(TstLineTiming)
#include "tst_linetiming.moc"
