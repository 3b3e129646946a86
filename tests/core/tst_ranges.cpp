#include "channels/ranges.h"

#include <QtTest>

using namespace zt;
using ranges::RangeList;

Q_DECLARE_METATYPE(ranges::RangeList)
Q_DECLARE_METATYPE(ranges::LimitVerdict)

class TstRanges : public QObject
{
    Q_OBJECT

private slots:
    void thermocouples_data();
    void thermocouples();
    void rtdSensors_data();
    void rtdSensors();
    void rtdTextsThatAreNotKeys_data();
    void rtdTextsThatAreNotKeys();
    void codesOutsideTheLists_data();
    void codesOutsideTheLists();
    void rowsOutsideTheTables_data();
    void rowsOutsideTheTables();
    void wiring_data();
    void wiring();
    void limitCheck_data();
    void limitCheck();
};

void TstRanges::thermocouples_data()
{
    QTest::addColumn<int>("row");  // also the code
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");

    QTest::newRow("J") << 0 << -210 << 1200;
    QTest::newRow("K") << 1 << -200 << 1372;
    QTest::newRow("T") << 2 << -200 << 400;
    QTest::newRow("E") << 3 << -200 << 1000;
    QTest::newRow("R") << 4 << -50 << 1768;
    QTest::newRow("S") << 5 << -50 << 1768;
    QTest::newRow("B") << 6 << 250 << 1820;
    QTest::newRow("N") << 7 << -200 << 1300;
    QTest::newRow("L") << 8 << -200 << 800;
    QTest::newRow("A1") << 9 << 0 << 2500;
    QTest::newRow("A2") << 10 << 0 << 1800;
    QTest::newRow("A3") << 11 << 0 << 1800;
}

void TstRanges::thermocouples()
{
    QFETCH(int, row);
    QFETCH(int, lower);
    QFETCH(int, upper);

    QCOMPARE(ranges::thermocoupleBounds(row).lower, lower);
    QCOMPARE(ranges::thermocoupleBounds(row).upper, upper);
    QCOMPARE(ranges::thermocoupleRowOfCode(row), row);
    QVERIFY(!ranges::isRtdCode(row));
    const auto selection = ranges::rangeSelectionForCode(row);
    QCOMPARE(selection.list, RangeList::Thermocouple);
    QCOMPARE(selection.row, row);
}

void TstRanges::rtdSensors_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");  // the list item
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");

    const auto add = [](int row, const char *text, int code, int lower, int upper) {
        QTest::addRow("row %d", row) << row << QString::fromUtf8(text) << code << lower << upper;
    };
    add(0, "Pt50 α=0.00385 °С⁻¹ от -200 до 850 °С", 16, -200, 850);
    add(1, "Pt100 α=0.00385 °С⁻¹ от -200 до 850 °С", 32, -200, 850);
    add(2, "Pt500 α=0.00385 °С⁻¹ от -200 до 850 °С", 48, -200, 850);
    add(3, "Pt1000 α=0.00385 °С⁻¹ от -200 до 850 °С", 64, -200, 850);
    add(4, "50П α=0.00391 °С⁻¹ от -200 до 850 °С", 17, -200, 850);
    add(5, "100П α=0.00391 °С⁻¹ от -200 до 850 °С", 33, -200, 850);
    add(6, "500П α=0.00391 °С⁻¹ от -200 до 850 °С", 49, -200, 850);
    add(7, "1000П α=0.00391 °С⁻¹ от -200 до 850 °С", 65, -200, 850);
    add(8, "100H α=0.00617 °С⁻¹ от -60 до 180 °С", 36, -60, 180);
    add(9, "500H α=0.00617 °С⁻¹ от -60 до 180 °С", 52, -60, 180);
    add(10, "1000H α=0.00617 °С⁻¹ от -60 до 180 °С", 68, -60, 180);
    add(11, "Cu50 α=0.00426 °С⁻¹ от -50 до 200 °С", 18, -50, 200);
    add(12, "Cu100 α=0.00426 °С⁻¹ от -50 до 200 °С", 34, -50, 200);
    add(13, "Cu500 α=0.00426 °С⁻¹ от -50 до 200 °С", 50, -50, 200);
    add(14, "Cu1000 α=0.00426 °С⁻¹ от -50 до 200 °С", 66, -50, 200);
    add(15, "50М α=0.00428 °С⁻¹ от -180 до 200 °С", 19, -180, 200);
    add(16, "100М α=0.00428 °С⁻¹ от -180 до 200 °С", 35, -180, 200);
    add(17, "500М α=0.00428 °С⁻¹ от -180 до 200 °С", 51, -180, 200);
    add(18, "1000М α=0.00428 °С⁻¹ от -180 до 200 °С", 67, -180, 200);
}

void TstRanges::rtdSensors()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, code);
    QFETCH(int, lower);
    QFETCH(int, upper);

    QCOMPARE(ranges::rtdCodeFromText(text), code);
    QCOMPARE(ranges::rtdCodeOfRow(row), code);
    QCOMPARE(ranges::rtdRowOfCode(code), row);
    QVERIFY(ranges::isRtdCode(code));
    QCOMPARE(ranges::thermocoupleRowOfCode(code), -1);
    QCOMPARE(ranges::rtdBounds(row).lower, lower);
    QCOMPARE(ranges::rtdBounds(row).upper, upper);
    const auto selection = ranges::rangeSelectionForCode(code);
    QCOMPARE(selection.list, RangeList::Rtd);
    QCOMPARE(selection.row, row);
}

void TstRanges::rtdTextsThatAreNotKeys_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");

    // The shorter key is found inside the longer name: the longer must win.
    QTest::newRow("Pt1000 bare") << "Pt1000" << 64;
    QTest::newRow("Cu500 bare") << "Cu500" << 50;
    QTest::newRow("1000H bare") << "1000H" << 68;
    QTest::newRow("100H bare") << "100H" << 36;
    // Letters that look alike but are not the key's.
    QTest::newRow("Latin M") << "100M" << 0;
    QTest::newRow("Latin P for П") << "50P" << 0;
    QTest::newRow("Cyrillic Н for H") << QString::fromUtf8("100Н") << 0;
    QTest::newRow("Cyrillic С in Cu") << QString::fromUtf8("Сu50") << 0;
    QTest::newRow("lower case") << "pt100" << 0;
    QTest::newRow("thermocouple text") << QString::fromUtf8("J от -210 до 1200 °С") << 0;
    QTest::newRow("empty") << "" << 0;
}

void TstRanges::rtdTextsThatAreNotKeys()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(ranges::rtdCodeFromText(text), code);
}

void TstRanges::codesOutsideTheLists_data()
{
    QTest::addColumn<int>("code");

    QTest::newRow("0xFFFF") << 0xFFFF;
    QTest::newRow("50 ohm H does not exist") << 20;
    QTest::newRow("past the thermocouples") << 12;
    QTest::newRow("gap below the RTD codes") << 15;
    QTest::newRow("characteristic 5") << 0x25;
    QTest::newRow("nominal 5") << 0x50;
    QTest::newRow("negative") << -1;
}

void TstRanges::codesOutsideTheLists()
{
    QFETCH(int, code);

    const auto selection = ranges::rangeSelectionForCode(code);
    QCOMPARE(selection.list, RangeList::None);
    QCOMPARE(selection.row, -1);
    QVERIFY(!ranges::isRtdCode(code));
    QCOMPARE(ranges::rtdRowOfCode(code), -1);
    QCOMPARE(ranges::thermocoupleRowOfCode(code), -1);
}

void TstRanges::rowsOutsideTheTables_data()
{
    QTest::addColumn<bool>("thermocouple");
    QTest::addColumn<int>("row");

    QTest::newRow("thermocouple -1") << true << -1;
    QTest::newRow("thermocouple 12") << true << 12;
    QTest::newRow("RTD -1") << false << -1;
    QTest::newRow("RTD 19") << false << 19;
}

void TstRanges::rowsOutsideTheTables()
{
    QFETCH(bool, thermocouple);
    QFETCH(int, row);

    // The widest thermocouple bounds.
    const auto bounds = thermocouple ? ranges::thermocoupleBounds(row) : ranges::rtdBounds(row);
    QCOMPARE(bounds.lower, -210);
    QCOMPARE(bounds.upper, 2500);
    if (!thermocouple)
        QCOMPARE(ranges::rtdCodeOfRow(row), -1);
}

void TstRanges::wiring_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("row");

    QTest::newRow("2 wires") << 2 << 0;
    QTest::newRow("3 wires") << 3 << 1;
    QTest::newRow("4 wires") << 4 << 2;
    QTest::newRow("1 wire") << 1 << -1;
    QTest::newRow("5 wires") << 5 << -1;
    QTest::newRow("0") << 0 << -1;
    QTest::newRow("0xFFFF") << 0xFFFF << -1;
}

void TstRanges::wiring()
{
    QFETCH(int, code);
    QFETCH(int, row);

    QCOMPARE(ranges::wiringRowOfCode(code), row);
    if (row >= 0)
        QCOMPARE(int(ranges::wiringCodeOfRow(row)), code);
}

void TstRanges::limitCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ranges::LimitVerdict>("verdict");

    using V = ranges::LimitVerdict;  // against thermocouple K, -200..1372
    QTest::newRow("upper bound") << "1372" << V::Ok;
    QTest::newRow("above") << "1373" << V::AboveMax;
    QTest::newRow("lower bound") << "-200" << V::Ok;
    QTest::newRow("below") << "-201" << V::BelowMin;
    for (const char *text : {" 12", "12 ", "+12", "1e3", "12.5", "12,5", "", "-", "0x10", "32768", "-32769", "١٢", "１２"})
        QTest::newRow(text) << QString::fromUtf8(text) << V::Incorrect;  // the last two: digits of other scripts
}

void TstRanges::limitCheck()
{
    QFETCH(QString, text);
    QFETCH(ranges::LimitVerdict, verdict);

    QCOMPARE(ranges::checkLimit(text, ranges::thermocoupleBounds(1)).verdict, verdict);
}

QTEST_GUILESS_MAIN(TstRanges)
#include "tst_ranges.moc"
