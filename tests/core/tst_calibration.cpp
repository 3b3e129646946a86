// The calibration hint: which template, which value, which firmware age.

#include "channels/calibration.h"

#include <QtTest>

using namespace zt;

class TstCalibration : public QObject
{
    Q_OBJECT

private slots:
    void hint_data();
    void hint();
    void steps();
};

void TstCalibration::hint_data()
{
    QTest::addColumn<int>("position");  // in the module catalogue
    QTest::addColumn<int>("thermocoupleRow");
    QTest::addColumn<int>("rtdRow");
    QTest::addColumn<QString>("firmware");
    QTest::addColumn<QString>("gainLine");  // the hint's second line

    const QString tc = "Юстировка усиления выполняется при входном напряжении %1 мВ";
    const QString rtd = "Юстировка усиления выполняется при входном сопротивлении %1";
    QTest::newRow("K, older firmware") << 1 << 1 << 0 << "15.02.23" << tc.arg("54,886");
    QTest::newRow("K, threshold is newer") << 3 << 1 << 0 << "23.04.23" << tc.arg("77");
    QTest::newRow("K, day before") << 11 << 1 << 0 << "22.04.23" << tc.arg("54,886");
    QTest::newRow("B, not read") << 2 << 6 << 0 << "" << tc.arg("19");
    QTest::newRow("garbage is newer") << 1 << 0 << 0 << "A12.05.2" << tc.arg("77");
    QTest::newRow("invalid day is newer") << 1 << 0 << 0 << "31.02.22" << tc.arg("77");
    QTest::newRow("year 99 is this century") << 1 << 0 << 0 << "01.01.99" << tc.arg("77");
    QTest::newRow("no row") << 1 << -1 << 0 << "" << tc.arg("—");
    QTest::newRow("Pt50") << 4 << 0 << 0 << "" << rtd.arg("200 Ом");
    QTest::newRow("100H") << 12 << 0 << 8 << "" << rtd.arg("400 Ом");
    QTest::newRow("Cu500") << 5 << 0 << 13 << "" << rtd.arg("2000 Ом");
    QTest::newRow("1000М") << 6 << 0 << 18 << "" << rtd.arg("4000 Ом");
    QTest::newRow("P") << 9 << 3 << 5 << "" << rtd.arg("10 000 Ом");
    QTest::newRow("current") << 10 << 0 << 0 << "" << "Юстировка усиления выполняется при входном токе 21 мА ";
}

void TstCalibration::hint()
{
    QFETCH(int, position);
    QFETCH(int, thermocoupleRow);
    QFETCH(int, rtdRow);
    QFETCH(QString, firmware);
    QFETCH(QString, gainLine);

    const QStringList lines = calibration::hintText(position, thermocoupleRow, rtdRow, firmware).split("\r\n");
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1], gainLine);
    QVERIFY(lines[0].startsWith("Юстировка смещения выполняется при входном"));
}

void TstCalibration::steps()
{
    QCOMPARE(calibration::hintText(0, 0, 0, ""), QString());
    QCOMPARE(calibration::hintText(10, 0, 0, "").split("\r\n").first(),
             QString("Юстировка смещения выполняется при входном токе 3 мА "));
    QCOMPARE(calibration::step(1, true).address, 0x24A2);
    QCOMPARE(calibration::step(1, true).number, 4);
    QCOMPARE(calibration::step(0, false).address, 0x2480);
}

QTEST_GUILESS_MAIN(TstCalibration)
#include "tst_calibration.moc"
