// Reaching a module whose line settings are not the program's, and what the
// window says when a module cannot be reached, against the simulator.

#include "windowharness.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSerialPort>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>

class tst_LineSearch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void reach_data();
    void reach();

private:
    QTemporaryDir settingsDir;
};

void tst_LineSearch::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
}

void tst_LineSearch::init()
{
    QSettings("Morvane", "ZTConfig").clear(); // each row starts from 9600 8N1, address 1
}

void tst_LineSearch::reach_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("box");  // a part of the one box shown; empty: none
    QTest::addColumn<QString>("line"); // the line connected on; empty: idle at the end

    const QString ti = "ZT-2TI-2AO";
    QTest::newRow("module at address 17 found") << ti << QStringList{"--address", "17"} << "search" << "" << "9600 8N1, адрес 17";
    QTest::newRow("garbled answer") << ti << QStringList{"--garble"} << "connect" << "другую скорость или формат" << "";
    QTest::newRow("echoing adapter") << ti << QStringList{"--echo"} << "connect" << "(эхо)" << "";
    QTest::newRow("search behind an echoing adapter") << ti << QStringList{"--echo", "--address", "17"} << "search" << "(эхо)" << "";
    QTest::newRow("silent module") << ti << QStringList{"--silent"} << "connect" << "ни одного байта" << "";
    QTest::newRow("exception while connecting") << ti << QStringList{"--exception", "0x2000:4"} << "connect"
                                                << "Модуль ответил: сбой устройства (04)" << "";
    QTest::newRow("exception while polling") << ti << QStringList{"--exception", "0x0004:2"} << "poll"
                                             << "Модуль ответил: недопустимый адрес (02)" << "";
    QTest::newRow("cancelled search") << ti << QStringList{"--silent"} << "cancel" << "" << "";
    QTest::newRow("PLB speed followed") << "PLB-2TI-4-20-M" << QStringList() << "speed 19200"
                                        << "19200 8N1, адрес 1.\nПереподключиться" << "19200 8N1, адрес 1";
    QTest::newRow("second module on the line") << "" << QStringList{"--bus", "3:PLB-2TI-4-20-M,5:PLB-2RTD-4-20-M,17:ZT-2TI-2AO"}
                                               << "list" << "" << "9600 8N1, адрес 5";
}

void tst_LineSearch::reach()
{
    QFETCH(QString, type);
    QFETCH(QStringList, simArgs);
    QFETCH(QString, action);
    QFETCH(QString, box);
    QFETCH(QString, line);

    WindowHarness h;
    QVERIFY(h.start(type, simArgs));
    auto connected = [&h] { return h.connectButton()->text().remove('&') == "Отключиться"; };
    if (action == "connect" || action == "poll") {
        h.clickConnect();
    } else if (action.startsWith("speed")) {
        QVERIFY(h.connectAndPoll());
        h.widget<QComboBox>("CB_RS485Speed")->setCurrentText(action.section(' ', 1));
        QTRY_VERIFY_WITH_TIMEOUT(!h.prompts.boxes.isEmpty(), 5000);
    } else if (action == "list") {
        h.widget<QAction>("action_module_list")->trigger();
        auto *modules = h.widget<QTreeWidget>("TW_Modules");
        QTRY_COMPARE_WITH_TIMEOUT(modules->topLevelItemCount(), 3, 5000);
        QTest::mouseClick(h.widget<QPushButton>("BT_Copy"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text().section('\n', 1, 1), "5\tPLB-2RTD-4-20-M\t12.05.23");
        modules->setCurrentItem(modules->topLevelItem(1));
        QTest::mouseClick(h.widget<QPushButton>("BT_Connect"), Qt::LeftButton);
    } else {
        h.widget<QAction>("action_module_search")->trigger();
    }
    if (action == "cancel") {
        auto *progress = h.widget<QProgressDialog>("");
        QTRY_VERIFY(progress->findChild<QProgressBar *>()->value() >= 3);
        QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        QSerialPort other(h.sim.programPort());
        QVERIFY2(other.open(QIODevice::ReadWrite), qPrintable(other.errorString()));
        for (const QJsonObject &request : h.sim.log()) // a search only reads the identification
            QVERIFY(request["function"] == 3 && request["address"] == 0x2000);
    }
    QTRY_VERIFY_WITH_TIMEOUT(h.prompts.boxes.size() == int(!box.isEmpty()) && connected() == !line.isEmpty(), 15000);
    if (!box.isEmpty())
        QVERIFY2(h.prompts.texts().first().contains(box), qPrintable(h.prompts.texts().first()));
    QCOMPARE(h.window->statusBar()->findChild<QLabel *>()->text(), line);
    QVERIFY(connected() || h.isIdle());
}

QTEST_MAIN(tst_LineSearch)
#include "tst_linesearch.moc"
