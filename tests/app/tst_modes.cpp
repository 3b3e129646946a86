// Offline and calibration modes with a module on the line.

#include "windowharness.h"

#include <QAction>
#include <QCheckBox>
#include <QTextEdit>

class tst_Modes : public QObject
{
    Q_OBJECT

private slots:
    void calibration_data();
    void calibration();
    void offlineSendsNothing();
};

void tst_Modes::calibration_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("address");  // -1: nothing written

    QTest::newRow("gain 1, yes") << "BT_CAL_MAX_1" << true << 0x24A2;
    QTest::newRow("offset 0, yes") << "BT_CAL_MIN_0" << true << 0x2480;
    QTest::newRow("offset 0, no") << "BT_CAL_MIN_0" << false << -1;
}

void tst_Modes::calibration()
{
    QFETCH(QString, button);
    QFETCH(bool, yes);
    QFETCH(int, address);

    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO", {"--firmware", "15.02.23"}));
    QVERIFY(h.connectAndPoll());
    h.widget<QAction>("action_cal_show")->trigger();  // "Да"
    QVERIFY(h.widget<QTextEdit>("TE_HINT")->toPlainText().contains("напряжении 54,886 мВ"));  // K, older firmware
    QVERIFY(!h.widget(button)->isHidden());

    const int writesBefore = h.sim.acceptedWrites().size();
    h.prompts.boxes.clear();
    h.prompts.answers << yes;
    QTest::mouseClick(h.widget<QPushButton>(button), Qt::LeftButton);
    if (yes) {
        QVERIFY(QTest::qWaitFor([&] { return h.prompts.boxes.size() == 2; }, 5000));
        QCOMPARE(h.prompts.boxes[1].text, QString("Юстировка выполнена!"));
        const QVector<QJsonObject> writes = h.sim.acceptedWrites();
        QCOMPARE(writes.size(), writesBefore + 1);
        QCOMPARE(writes.last()["address"].toInt(), address);
        QCOMPARE(writes.last()["values"].toArray().first().toInt(), 0);
    }
    // Polling resumes: at once after "Нет", after the re-read after "Да".
    QVERIFY(QTest::qWaitFor([&] { return h.waitForLiveValues(); }, 8000));
    QCOMPARE(h.sim.acceptedWrites().size(), writesBefore + (yes ? 1 : 0));
}

void tst_Modes::offlineSendsNothing()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2RTD-2AO"));
    QVERIFY(h.connectAndPoll());
    auto *offline = h.widget<QAction>("action_demo");

    // "Нет" leaves everything as it was, live values included.
    h.prompts.answers << false;
    offline->trigger();
    QVERIFY(!offline->isChecked());
    QVERIFY(h.waitForLiveValues());

    offline->trigger();  // "Да"
    QTest::qWait(1000);  // the next poll tick finds offline mode on
    const int requests = h.sim.log().size();
    h.widget<QComboBox>("CB_Modul_range_CH0_2")->setCurrentIndex(3);
    h.widget<QComboBox>("CB_RTD_CONNECT_CH1")->setCurrentIndex(2);
    h.widget<QCheckBox>("CHB_INV_CH1")->setChecked(true);
    h.widget<QComboBox>("CB_Modul_name")->setCurrentText("ZT-2TI-2AO");
    h.widget<QCheckBox>("CHB_TI_CH0")->setChecked(true);
    QTest::qWait(1500);
    QCOMPARE(h.sim.log().size(), requests);

    // Back online, the module on the line is shown and polled again.
    offline->trigger();
    QVERIFY(QTest::qWaitFor([&] { return h.widget<QComboBox>("CB_Modul_name")->currentText() == "ZT-2RTD-2AO"; }, 3000));
    QVERIFY(h.waitForLiveValues());
}

QTEST_MAIN(tst_Modes)
#include "tst_modes.moc"
