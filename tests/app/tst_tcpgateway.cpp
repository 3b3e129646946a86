// The window behind a Modbus TCP gateway (the simulator on 127.0.0.1):
// chosen in "Параметры связи…" and kept, connected, a file written, and each
// failure in words.

#include "windowharness.h"
#include "../support/settingstext.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

class tst_TcpGateway : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void connectsAndWritesAFile();
    void reach_data();
    void reach();

private:
    QTemporaryDir dir;
};

// Through the dialog, as a user chooses it; a short time-out makes a search
// quick where the simulator leaves other addresses unanswered.
static void chooseGateway(WindowHarness &h, int port)
{
    QTimer::singleShot(0, [port] {
        QWidget *dialog = QApplication::activeModalWidget();
        dialog->findChild<QComboBox *>("CB_Link")->setCurrentIndex(1);
        dialog->findChild<QLineEdit *>("ED_Host")->setText("127.0.0.1");
        dialog->findChild<QSpinBox *>("NumB_TcpPort")->setValue(port);
        dialog->findChild<QSpinBox *>("NumB_Timeout")->setValue(200);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    h.widget<QAction>("action_line_settings")->trigger();
}

void tst_TcpGateway::initTestCase()
{
    QVERIFY(dir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
}

void tst_TcpGateway::connectsAndWritesAFile()
{
    WindowHarness h;
    QVERIFY2(h.sim.startTcp("ZT-2TI-2AO"), qPrintable(h.sim.errorString()));
    h.open();
    chooseGateway(h, h.sim.tcpPort());
    const QString gateway = QString("127.0.0.1:%1").arg(h.sim.tcpPort());
    QCOMPARE(h.widget<QComboBox>("cbPorts")->currentText(), gateway);
    QVERIFY(h.connectAndPoll());
    QCOMPARE(h.window->statusBar()->findChild<QLabel *>()->text(), "Modbus TCP " + gateway + ", адрес 1");

    const QString path = dir.filePath("thermocouple.ztset");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly)
            && f.write(settingsText("ZT-2TI-2AO", {{"CHANAL0/RANGE", "4"}, {"CHANAL0/MINVALUE", "-50"},
                                                   {"CHANAL0/MAXVALUE", "1768"}, {"CHANAL1/RANGE", "11"}, {"CHANAL1/MAXVALUE", "1800"}})) > 0);
    f.close();
    h.widget<QLineEdit>("ED_FileName")->setText(path);
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !h.prompts.boxes.isEmpty(); }, 15000));
    QCOMPARE(h.prompts.texts(), QStringList{"Запись настроек завершена"});
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MIN_CH0")->text(), "-50");

    WindowHarness again; // the gateway was kept
    again.open();
    QTRY_COMPARE(again.widget<QComboBox>("cbPorts")->currentText(), gateway);
}

void tst_TcpGateway::reach_data()
{
    QTest::addColumn<QStringList>("simArgs"); // empty: nothing listens
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("box");  // a part of the one box shown; empty: none
    QTest::addColumn<QString>("line"); // the end of the line connected on; empty: idle at the end
    QTest::newRow("refused") << QStringList() << "connect" << "отказал в соединении" << "";
    QTest::newRow("gateway exception 0B") << QStringList{"--gateway-silent"} << "connect"
                                           << "Нет связи с модулем: шлюз: устройство не ответило (0B)" << "";
    QTest::newRow("search finds address 17") << QStringList{"--address", "17"} << "search" << "" << ", адрес 17";
}

void tst_TcpGateway::reach()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QString, action);
    QFETCH(QString, box);
    QFETCH(QString, line);
    WindowHarness h;
    QVERIFY2(h.sim.startTcp("ZT-2TI-2AO", simArgs), qPrintable(h.sim.errorString()));
    if (simArgs.isEmpty())
        h.sim.stopSimulator(); // the port closes
    h.open();
    chooseGateway(h, h.sim.tcpPort());
    if (action == "connect")
        h.clickConnect();
    else
        h.widget<QAction>("action_module_search")->trigger();
    auto connected = [&h] { return h.connectButton()->text() == msg::Disconnect.text(); };
    QTRY_VERIFY_WITH_TIMEOUT(h.prompts.boxes.size() == int(!box.isEmpty()) && connected() == !line.isEmpty(), 30000);
    if (!box.isEmpty())
        QVERIFY2(h.prompts.texts().first().contains(box), qPrintable(h.prompts.texts().first()));
    QCOMPARE(h.window->statusBar()->findChild<QLabel *>()->text().right(line.size()), line);
    QVERIFY(connected() || h.isIdle());
}

QTEST_MAIN(tst_TcpGateway)
#include "tst_tcpgateway.moc"
