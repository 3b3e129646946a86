// The live values as the window shows them: when the first ones come, and
// how readings that are no number look.

#include "windowharness.h"

class tst_LiveValues : public QObject
{
    Q_OBJECT

private slots:
    void liveReadFollowsTheChainAtOnce();
    void readingsThatAreNoNumber_data();
    void readingsThatAreNoNumber();
};

// The live block is asked for while the chain's last reply is handled, not
// a poll interval later.
void tst_LiveValues::liveReadFollowsTheChainAtOnce()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    h.clickConnect();
    auto *provider = h.window->findChild<RtuProvider *>();
    QVERIFY(provider);
    QString statusAfterChain;
    connect(provider, &RtuProvider::readCurUnit, this, [&](const QModbusDataUnit &unit) {
        if (unit.startAddress() == 0x2520 && statusAfterChain.isEmpty())
            statusAfterChain = h.status();
    });
    QVERIFY(h.waitForLiveValues());
    QCOMPARE(statusAfterChain, QStringLiteral("RQ ID:1 Addr: 0x0000"));
}

void tst_LiveValues::readingsThatAreNoNumber_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("toolTip");

    const QString none = QStringLiteral("Нет достоверного значения");
    QTest::newRow("NaN") << "ED_VALUE_0" << "—" << none;
    QTest::newRow("+Inf") << "ED_VALUE_T_CH0" << "—" << none;
    QTest::newRow("-Inf") << "ED_VALUE_OUT_CH0" << "—" << none;
    QTest::newRow("denormal") << "ED_VALUE_1" << "1.4013e-45" << "";
    QTest::newRow("1e30") << "ED_VALUE_T_CH1" << "1e+30" << "";
}

// The module first reports numbers, then, after a restart, forced values:
// no number shown before may stand for a reading that is none.
void tst_LiveValues::readingsThatAreNoNumber()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, toolTip);
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());
    QVERIFY(h.sim.restartSimulator({"--live-values", "nan,inf,-inf,1e-45,1e30"}));
    auto *shown = h.widget<QLineEdit>(field);
    QTRY_COMPARE(shown->text(), text);
    QCOMPARE(shown->toolTip(), toolTip);
}

QTEST_MAIN(tst_LiveValues)
#include "tst_livevalues.moc"
