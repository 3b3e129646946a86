// Every way a connection attempt or a connection can end, seen as the user
// sees it: the boxes shown, the button, the status bar, and a retry.

#include "windowharness.h"

#include <QAction>
#include <QApplication>
#include <QSerialPort>

class tst_Connection : public QObject
{
    Q_OBJECT

private slots:
    void emptyPortListAsksForAPort();
    void vanishedPortIsReported_data();
    void vanishedPortIsReported();
    void busyPortIsReported();
    void portHeldByAnotherProgramIsReported();
    void silentModuleTimesOutThenRetryWorks();
    void moduleStoppingDuringPollingEndsQuietly();
    void pollDoesNotQueueBehindASlowModule();
    void vanishingDeviceShowsOneBox();
    void vanishingDeviceShowsOneRealModalBox();
    void disconnectWithReadOutstanding();
    void unrecognisedDeviceEndsTheAttempt();
    void shortReplyEndsTheAttempt();
    void refreshKeepsNamedDevice();
    void quittingWhileConnectedReleasesThePort();
};

void tst_Connection::emptyPortListAsksForAPort()
{
    WindowHarness h;
    h.open();
    QCOMPARE(h.widget<QComboBox>("cbPorts")->count(), 0);
    h.clickConnect();
    QCOMPARE(h.prompts.texts(), QStringList{"Отсутствует имя порта"});
    QCOMPARE(h.prompts.boxes.first().kind, ShownBox::Critical);
    QCOMPARE(h.prompts.boxes.first().title, QStringLiteral("Ошибка"));
    QVERIFY(h.isIdle());
}

void tst_Connection::vanishedPortIsReported_data()
{
    QTest::addColumn<bool>("named");
    QTest::newRow("listed port unplugged") << false;
    QTest::newRow("named device removed") << true;
}

void tst_Connection::vanishedPortIsReported()
{
    QFETCH(bool, named);
    QTemporaryDir dir;
    const QString device = dir.filePath("ttyGONE");
    WindowHarness h;
    if (named) {
        QFile(device).open(QIODevice::WriteOnly);
        h.open({device});
        QFile::remove(device);
    } else {
        h.ports.listed = QStringList{"ttyS9"};
        h.open();
        h.ports.listed.clear();
    }
    h.clickConnect();
    QCOMPARE(h.prompts.texts(),
             QStringList{"Порт больше не доступен, проверте подключение и обновите список портов"});
    QVERIFY(h.isIdle());
}

void tst_Connection::busyPortIsReported()
{
    WindowHarness h;
    h.ports.listed = QStringList{"ttyS9"};
    h.ports.busy = QSet<QString>{"ttyS9"};
    h.open();
    h.clickConnect();
    QCOMPARE(h.prompts.texts(), QStringList{"Порт занят"});
    QVERIFY(h.isIdle());
    QVERIFY(h.window->findChildren<RtuProvider *>().isEmpty());
}

void tst_Connection::portHeldByAnotherProgramIsReported()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1TI-1AO"));
    QSerialPort other(h.sim.programPort());
    QVERIFY(other.open(QIODevice::ReadWrite));

    h.clickConnect();
    QCOMPARE(h.prompts.texts(), QStringList{"Порт занят"});
    QVERIFY(h.isIdle());

    other.close();
    QVERIFY(h.connectAndPoll());
}

void tst_Connection::silentModuleTimesOutThenRetryWorks()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1TI-1AO", {"--silent"}));
    h.clickConnect();
    QVERIFY(!h.connectButton()->isEnabled());
    QTest::qWait(2000);
    QVERIFY(h.prompts.boxes.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(h.prompts.boxes.size(), 1, 3000);
    QVERIFY(h.prompts.texts().first().startsWith("Ошибка соединения: модуль не отвечает (9600 8N1, адрес 1)"));
    QVERIFY(h.isIdle());

    // The same port at once: released, not "Порт занят".
    QVERIFY(h.sim.restartSimulator());
    QVERIFY(h.connectAndPoll());
    QTest::qWait(3500); // the abandoned read must not come back as an error
    QCOMPARE(h.prompts.boxes.size(), 1);
    QCOMPARE(h.connectButton()->text().remove('&'), QStringLiteral("Отключиться"));
}

void tst_Connection::moduleStoppingDuringPollingEndsQuietly()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2RTD-2AO"));
    QVERIFY(h.connectAndPoll());
    h.sim.stopSimulator();
    QTRY_VERIFY_WITH_TIMEOUT(h.isIdle(), 6000);
    QVERIFY(h.prompts.boxes.isEmpty());
    QCOMPARE(h.status(), QStringLiteral("Ошибка связи модулем"));
    QCOMPARE(h.widget<QComboBox>("CB_Modul_name")->currentIndex(), 0);
    QVERIFY(h.widget("BT_MODUL_RESET")->isHidden());
}

void tst_Connection::pollDoesNotQueueBehindASlowModule()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1P-1AO", {"--delay", "900"}));
    h.clickConnect();
    QTRY_VERIFY_WITH_TIMEOUT(h.liveReadsReceived() > 0, 10000);
    // A live read takes 0.9 s, longer than a tick: one goes out every second
    // tick, three at most in 4 s (five if they queued up behind each other).
    const int before = h.liveReadsReceived();
    QTest::qWait(4000);
    const int reads = h.liveReadsReceived() - before;
    QVERIFY2(reads >= 1 && reads <= 3, qPrintable(QString::number(reads)));
    QVERIFY(h.prompts.boxes.isEmpty());
    QCOMPARE(h.connectButton()->text().remove('&'), QStringLiteral("Отключиться"));
}

void tst_Connection::vanishingDeviceShowsOneBox()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1AI-2AO"));
    QVERIFY(h.connectAndPoll());
    h.sim.cutLine();
    QTRY_COMPARE_WITH_TIMEOUT(h.prompts.texts(), QStringList{"Ошибка связи"}, 5000);
    QTest::qWait(1500);
    QCOMPARE(h.prompts.boxes.size(), 1);
    QCOMPARE(h.prompts.boxes.first().title, QStringLiteral("Ошибка"));
    QVERIFY(h.isIdle());
}

// A real modal box runs a nested event loop: the line must be closed before
// it opens, or every error queued behind the first would open a box of its own.
void tst_Connection::vanishingDeviceShowsOneRealModalBox()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());
    h.prompts.showRealBoxes = true;
    int closed = 0;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&closed] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            box->close();
            ++closed;
        }
    });
    closer.start(300);
    h.sim.cutLine();
    QTRY_COMPARE_WITH_TIMEOUT(closed, 1, 5000);
    QTest::qWait(1500);
    QCOMPARE(closed, 1);
    QCOMPARE(h.prompts.texts(), QStringList{"Ошибка связи"});
    QVERIFY(h.isIdle());
}

void tst_Connection::disconnectWithReadOutstanding()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO", {"--delay", "400"}));
    QVERIFY(h.connectAndPoll());
    // A live read goes out every 700 ms and takes 400 ms: wait for one.
    const int liveReads = h.liveReadsReceived();
    QTRY_VERIFY(h.liveReadsReceived() > liveReads);
    QElapsedTimer clock;
    clock.start();
    h.clickConnect();
    QVERIFY(clock.elapsed() < 500);
    QVERIFY(h.isIdle());
    QCOMPARE(h.widget<QComboBox>("CB_Modul_name")->currentIndex(), 0);
    QTest::qWait(3500);
    QVERIFY(h.prompts.boxes.isEmpty());
    QVERIFY(h.isIdle());
}

void tst_Connection::unrecognisedDeviceEndsTheAttempt()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1TI-1AO", {"--silent"}));
    h.clickConnect();
    // Another device on the line answers with a block that is no module's.
    QVector<quint16> block(15, 0);
    block[0] = 1234;
    block[1] = 7;
    h.window->onSetReadStendData(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, block));
    QCOMPARE(h.prompts.texts(), QStringList{"Подключенное устройство не опознано"});
    QCOMPARE(h.prompts.boxes.first().title, QStringLiteral("Ошибка"));
    QVERIFY(h.isIdle());

    QTest::qWait(3500); // no watchdog box follows
    QCOMPARE(h.prompts.boxes.size(), 1);
    QVERIFY(h.sim.restartSimulator());
    QVERIFY(h.connectAndPoll());
}

void tst_Connection::shortReplyEndsTheAttempt()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1TI-1AO", {"--silent"}));
    h.clickConnect();
    QVector<quint16> block{2021, 7, 0x0107};
    h.window->onSetReadStendData(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, block));
    QTRY_VERIFY(h.isIdle()); // once the line has been listened to
    QCOMPARE(h.widget<QComboBox>("CB_Modul_name")->currentIndex(), 0);
    QCOMPARE(h.prompts.boxes.size(), 1);
    QVERIFY(h.prompts.texts().first().startsWith("Ошибка соединения"));
}

void tst_Connection::refreshKeepsNamedDevice()
{
    WindowHarness h;
    h.ports.listed = QStringList{"ttyS0", "ttyUSB0"};
    h.open({"/tmp/zt-named"});
    auto *ports = h.widget<QComboBox>("cbPorts");
    QCOMPARE(ports->currentText(), QStringLiteral("/tmp/zt-named"));

    h.ports.listed = QStringList{"ttyUSB1", "ttyS0"};
    QTest::mouseClick(h.widget<QPushButton>("BT_Open_Connect_2"), Qt::LeftButton);
    QStringList items;
    for (int i = 0; i < ports->count(); ++i)
        items << ports->itemText(i);
    QCOMPARE(items, QStringList({"ttyUSB1", "ttyS0", "/tmp/zt-named"}));
    QCOMPARE(ports->currentIndex(), 0);
    QCOMPARE(h.status(), QStringLiteral("Порты обновлены"));
}

void tst_Connection::quittingWhileConnectedReleasesThePort()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1RTD-1AO"));
    QVERIFY(h.connectAndPoll());
    h.window->findChild<QAction *>("action_exit")->trigger();
    QVERIFY(!h.window->isVisible());
    h.window.reset();

    QSerialPort next(h.sim.programPort());
    QVERIFY2(next.open(QIODevice::ReadWrite), qPrintable(next.errorString()));
    QVERIFY(h.prompts.boxes.isEmpty());
}

QTEST_MAIN(tst_Connection)
#include "tst_connection.moc"
