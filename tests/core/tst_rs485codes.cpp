#include "channels/rs485codes.h"

#include <QtTest>

using namespace zt;

class TstRs485Codes : public QObject
{
    Q_OBJECT

private slots:
    void speeds_data();
    void speeds();
    void formats_data();
    void formats();
    void unknownFormatCodes_data();
    void unknownFormatCodes();
    void unknownFormatRows_data();
    void unknownFormatRows();
};

void TstRs485Codes::speeds_data()
{
    QTest::addColumn<quint16>("code");
    QTest::addColumn<int>("row");  // -1: the list shows no selection

    QTest::newRow("2400") << quint16(0x0204) << 0;
    QTest::newRow("4800") << quint16(0x0205) << 1;
    QTest::newRow("9600") << quint16(0x0206) << 2;
    QTest::newRow("19200") << quint16(0x0207) << 3;
    QTest::newRow("38400") << quint16(0x0208) << 4;
    QTest::newRow("57600") << quint16(0x0209) << 5;
    QTest::newRow("115200") << quint16(0x020A) << 6;
    QTest::newRow("below the list") << quint16(0x0203) << -1;
    QTest::newRow("above the list") << quint16(0x020B) << -1;
    QTest::newRow("zero") << quint16(0) << -1;
    QTest::newRow("low byte only") << quint16(0x0004) << -1;
}

void TstRs485Codes::speeds()
{
    QFETCH(quint16, code);
    QFETCH(int, row);

    QCOMPARE(rs485::speedRowOfCode(code), row);
    if (row >= 0)
        QCOMPARE(rs485::speedCodeOfRow(row), code);
}

void TstRs485Codes::formats_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<quint16>("code");

    QTest::newRow("8N1") << 0 << quint16(0x0001);
    QTest::newRow("8N2") << 1 << quint16(0x0002);
    QTest::newRow("8O1") << 2 << quint16(0x0101);
    QTest::newRow("8E1") << 3 << quint16(0x0201);
}

void TstRs485Codes::formats()
{
    QFETCH(int, row);
    QFETCH(quint16, code);

    QCOMPARE(rs485::formatCodeOfRow(row), code);
    QCOMPARE(rs485::formatRowOfCode(code), row);
}

void TstRs485Codes::unknownFormatCodes_data()
{
    QTest::addColumn<quint16>("code");
    QTest::newRow("even parity, 2 stop bits") << quint16(0x0202);
    QTest::newRow("0xFFFF") << quint16(0xFFFF);
    QTest::newRow("zero") << quint16(0);
}

void TstRs485Codes::unknownFormatCodes()
{
    QFETCH(quint16, code);
    QCOMPARE(rs485::formatRowOfCode(code), -1);  // no row, so never written back as 8N1
}

void TstRs485Codes::unknownFormatRows_data()
{
    QTest::addColumn<int>("row");
    QTest::newRow("no selection") << -1;
    QTest::newRow("past the list") << 4;
}

void TstRs485Codes::unknownFormatRows()
{
    QFETCH(int, row);
    QCOMPARE(rs485::formatCodeOfRow(row), quint16(0x0001));  // written as 8N1
}

QTEST_GUILESS_MAIN(TstRs485Codes)
#include "tst_rs485codes.moc"
