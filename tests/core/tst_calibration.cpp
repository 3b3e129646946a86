// The calibration hint: which template, which value, which firmware age.

#include "channels/calibration.h"

#include <QtTest>

class TstCalibration : public QObject
{
    Q_OBJECT

private slots:
    void hint_data()
    {
        QTest::addColumn<int>("position");  // in the module catalogue
        QTest::addColumn<int>("thermocoupleRow");
        QTest::addColumn<int>("rtdRow");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<QString>("gain");  // the hint's second line ends in it

        QTest::newRow("K, older firmware") << 1 << 1 << 0 << "15.02.23" << "напряжении 54,886 мВ";
        QTest::newRow("K, threshold is newer") << 3 << 1 << 0 << "23.04.23" << "напряжении 77 мВ";
        QTest::newRow("K, day before") << 11 << 1 << 0 << "22.04.23" << "напряжении 54,886 мВ";
        QTest::newRow("B, not read") << 2 << 6 << 0 << "" << "напряжении 19 мВ";
        QTest::newRow("garbage is newer") << 1 << 0 << 0 << "A12.05.2" << "напряжении 77 мВ";
        QTest::newRow("invalid day is newer") << 1 << 0 << 0 << "31.02.22" << "напряжении 77 мВ";
        QTest::newRow("no row") << 1 << -1 << 0 << "" << "напряжении — мВ";
        QTest::newRow("100H") << 12 << 0 << 8 << "" << "сопротивлении 400 Ом";
        QTest::newRow("Cu500") << 5 << 0 << 13 << "" << "сопротивлении 2000 Ом";
        QTest::newRow("1000М") << 6 << 0 << 18 << "" << "сопротивлении 4000 Ом";
        QTest::newRow("P") << 9 << 3 << 5 << "" << "сопротивлении 10 000 Ом";
        QTest::newRow("current") << 10 << 0 << 0 << "" << "токе 21 мА ";
    }

    void hint()
    {
        QFETCH(int, position);
        QFETCH(int, thermocoupleRow);
        QFETCH(int, rtdRow);
        QFETCH(QString, firmware);
        QFETCH(QString, gain);
        const QStringList lines = zt::calibration::hintText(position, thermocoupleRow, rtdRow, firmware).split("\r\n");
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith("Юстировка смещения выполняется при входном"));
        QCOMPARE(lines[1], "Юстировка усиления выполняется при входном " + gain);
        QVERIFY(zt::calibration::hintText(0, 0, 0, firmware).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstCalibration)
#include "tst_calibration.moc"
