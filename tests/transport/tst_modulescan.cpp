// The sweep of a line against a simulated line of modules: what it lists,
// and the port it lets go of when cancelled.

#include "line/modulescan.h"
#include "simfixture.h"

#include <QLoggingCategory>
#include <QSerialPort>
#include <QtTest>

using zt::line::ModuleScan;

class tst_ModuleScan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("ztconfig.*=false"); } // a warning per silent address
    void lists_data();
    void lists();
};

void tst_ModuleScan::lists_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("cancelAt"); // the address being asked when cancelled; 0: never
    QTest::addColumn<QStringList>("listed");

    const QStringList bus{"--bus", "3:PLB-2TI-4-20-M,5:PLB-2RTD-4-20-M,17:ZT-2TI-2AO", "--firmware", "01.02.24"};
    QTest::newRow("three") << bus << 0
                           << QStringList{"3 PLB-2TI-4-20-M 01.02.24", "5 PLB-2RTD-4-20-M 01.02.24", "17 ZT-2TI-2AO 01.02.24"};
    QTest::newRow("refusals") << bus + QStringList{"--exception", "0x2000:4"} << 0
                              << QStringList{"3 refused 4", "5 refused 4", "17 refused 4"};
    QTest::newRow("cancelled") << bus << 4 << QStringList{"3 PLB-2TI-4-20-M 01.02.24"};
}

void tst_ModuleScan::lists()
{
    QFETCH(QStringList, simArgs);
    QFETCH(int, cancelAt);
    QFETCH(QStringList, listed);
    SimFixture sim;
    QVERIFY2(sim.start(QString(), simArgs), qPrintable(sim.errorString()));
    ModuleScan scan;
    QStringList found;
    bool swept = false, cancelled = false;
    connect(&scan, &ModuleScan::found, this, [&found](const ModuleScan::Module &m) {
        found << QString("%1 %2").arg(m.address).arg(m.kind == ModuleScan::Module::Refused
                                                         ? QString("refused %1").arg(m.exceptionCode)
                                                         : m.type + ' ' + m.firmware);
    });
    connect(&scan, &ModuleScan::asking, this, [&](int address) {
        if (address == cancelAt) {
            scan.cancel();
            cancelled = true;
        }
    });
    connect(&scan, &ModuleScan::finished, this, [&swept] { swept = true; });
    zt::line::LineSettings line;
    line.port = sim.programPort();
    QVERIFY(scan.start(line, 1, 20));
    if (cancelAt) {
        QTRY_VERIFY(cancelled);
        QSerialPort other(sim.programPort());
        QVERIFY2(other.open(QIODevice::ReadWrite), qPrintable(other.errorString()));
        QTest::qWait(500); // long enough to reach address 5, were the sweep still running
    } else {
        QTRY_VERIFY_WITH_TIMEOUT(swept, 10000);
    }
    QCOMPARE(found, listed);
    QCOMPARE(swept, !cancelAt);
    QCOMPARE(sim.log().size(), listed.size()); // one request each, to the modules' own addresses
}

QTEST_GUILESS_MAIN(tst_ModuleScan)
#include "tst_modulescan.moc"
