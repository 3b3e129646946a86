// The window as it starts: the form untouched by any handler, the port list,
// and the time stamp kept from the previous start.

#include "app/mainwindow.h"
#include "fakes.h"
#include "modbus/rtuprovider.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

QStringList appLog;

void captureAppLog(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    if (qstrcmp(context.category, "ztconfig.app") == 0)
        appLog << text;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startTimeIsKeptForTheNextStart();
    void startUpRunsNoHandler();
    void portsAppearInEnumerationOrder();
    void actionsOutsideMenus();
    void trendEntryOfTheBuild();
    void offlineSelectionShowsTheType_data();
    void offlineSelectionShowsTheType();
    void screenReadersNameEveryControl();

private:
    QTemporaryDir settingsDir;
};

void tst_MainWindow::initTestCase()
{
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
}

void tst_MainWindow::startTimeIsKeptForTheNextStart()
{
    FakePrompts prompts;
    FakePorts ports;
    const MainWindowOptions options = fakeOptions(&prompts, &ports);

    QLoggingCategory::setFilterRules(QStringLiteral("ztconfig.app.debug=true"));
    const QtMessageHandler previous = qInstallMessageHandler(captureAppLog);
    appLog.clear();
    const QDateTime beforeFirst = QDateTime::currentDateTime();
    { MainWindow first(options); }
    const QStringList firstLog = appLog;
    appLog.clear();
    { MainWindow second(options); }
    const QStringList secondLog = appLog;
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());

    QCOMPARE(firstLog, QStringList{QString()}); // nothing stored yet
    QCOMPARE(secondLog.size(), 1);
    const QDateTime firstStart = QDateTime::fromString(secondLog.first(), "yyyy-MM-dd HH:mm:ss:zzz");
    QVERIFY2(firstStart.isValid(), qPrintable(secondLog.first()));
    QVERIFY(firstStart >= beforeFirst.addMSecs(-1));
    QVERIFY(firstStart <= QDateTime::currentDateTime());

    const QDateTime stored = QSettings("Morvane", "ZTConfig").value("DateLastUpdata").toDateTime();
    QVERIFY(stored >= firstStart);
}

void tst_MainWindow::startUpRunsNoHandler()
{
    FakePrompts prompts;
    FakePorts ports;
    const MainWindowOptions options = fakeOptions(&prompts, &ports);
    MainWindow window(options);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The form's size: the controls hidden for "no module" take no room.
    QCOMPARE(window.size(), QSize(733, 766));

    QVERIFY(prompts.boxes.isEmpty());
    QVERIFY(window.findChildren<RtuProvider *>().isEmpty());
    for (const char *name : {"ED_VALUE_MIN_CH0", "ED_VALUE_MAX_CH0", "ED_VALUE_MIN_CH1", "ED_VALUE_MAX_CH1"})
        QVERIFY2(window.findChild<QLineEdit *>(name)->styleSheet().isEmpty(), name);
    QVERIFY(window.findChild<QTextEdit *>("TE_HINT")->toPlainText().isEmpty());
    QVERIFY(window.findChild<QTextEdit *>("TE_HINT")->isHidden());

    auto *connect = window.findChild<QPushButton *>("BT_Open_Connect");
    QCOMPARE(connect->text().remove('&'), QStringLiteral("Соединиться"));
    QVERIFY(connect->isEnabled());
    QCOMPARE(window.findChild<QComboBox *>("CB_Modul_name")->currentIndex(), 0);
    QVERIFY(!window.findChild<QComboBox *>("CB_Modul_name")->isEnabled());

    // No module yet: only the first channel tab, and none of its panels.
    auto *tabs = window.findChild<QTabWidget *>("tabWidget");
    QVERIFY(!tabs->isTabVisible(1));
    QVERIFY(!tabs->isTabVisible(2));
    QCOMPARE(tabs->currentIndex(), 0);
    for (const char *name : {"ED_VALUE_0", "CB_Modul_range_CH0", "CHB_INV_CH0", "BT_MODUL_RESET", "BT_CAL_MIN_0"})
        QVERIFY2(window.findChild<QWidget *>(name)->isHidden(), name);
    QVERIFY(!window.findChild<QWidget *>("BT_Set_Settings")->isHidden());
    QVERIFY(window.findChild<QWidget *>("BT_Show_Settings")->isHidden());
}

void tst_MainWindow::portsAppearInEnumerationOrder()
{
    FakePrompts prompts;
    FakePorts ports;
    ports.listed = QStringList{"ttyUSB1", "ttyS0", "ttyACM0"};
    MainWindow window(fakeOptions(&prompts, &ports));
    QCoreApplication::processEvents(); // the list is filled once the window can be shown

    auto *box = window.findChild<QComboBox *>("cbPorts");
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    QCOMPARE(items, ports.listed);
    QCOMPARE(box->currentText(), QStringLiteral("ttyUSB1"));
}

void tst_MainWindow::actionsOutsideMenus()
{
    FakePrompts prompts;
    FakePorts ports;
    MainWindow window(fakeOptions(&prompts, &ports));
    QStringList inMenus;
    for (QMenu *menu : window.findChildren<QMenu *>()) {
        for (QAction *action : menu->actions())
            inMenus << action->text().remove('&');
    }
    QVERIFY(inMenus.contains(QStringLiteral("Офлайн режим")));
    QVERIFY(!inMenus.contains(QStringLiteral("Сохранить как...")));
    QVERIFY(!inMenus.contains(QStringLiteral("Разрешить калибровку")));
}

// A build without Qwt keeps the entry, disabled, and says why.
void tst_MainWindow::trendEntryOfTheBuild()
{
    FakePrompts prompts;
    FakePorts ports;
    MainWindow window(fakeOptions(&prompts, &ports));
    auto *entry = window.findChild<QAction *>(QStringLiteral("action_trend"));
    QVERIFY(entry);
    QCOMPARE(entry->isEnabled(), bool(ZT_TREND_WINDOW));
    QCOMPARE(entry->toolTip().startsWith(QStringLiteral("В этой сборке")), !ZT_TREND_WINDOW);
}

void tst_MainWindow::offlineSelectionShowsTheType_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("unit0");
    QTest::addColumn<QString>("unit1");
    QTest::addColumn<bool>("channel1Tab");
    QTest::addColumn<bool>("rs485Tab");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QStringList>("hidden");

    QTest::newRow("PLB RTD") << "PLB-2RTD-4-20-M" << "Ом" << "Ом" << true << true
                             << QStringList{"CB_Modul_range_CH0_2", "CB_RTD_CONNECT_CH1", "BT_MODUL_RESET"}
                             << QStringList{"CB_Modul_range_CH0", "CHB_TI_CH1", "CHB_AI_FAST_CH0"};
    // Channel 1 keeps the unit of the type selected before.
    QTest::newRow("one current input") << "ZT-1AI-2AO" << "мА" << "Ом" << true << false
                                       << QStringList{"CHB_AI_FAST_CH0", "ED_VALUE_OUT_CH1", "CHB_INV_CH1"}
                                       << QStringList{"ED_VALUE_1", "ED_VALUE_T_CH0", "CB_Modul_range_CH0"};
    QTest::newRow("thermocouple, one output") << "ZT-1TI-1AO" << "мВ" << "мВ" << false << false
                                              << QStringList{"CB_Modul_range_CH0", "CHB_TI_CH0", "ED_VALUE_T_XC_CH0"}
                                              << QStringList{"CB_Modul_range_CH0_2", "ED_VALUE_P_MIN_CH0"};
    QTest::newRow("empty entry") << "" << "Ом" << "Ом" << false << false << QStringList{}
                                 << QStringList{"ED_VALUE_0", "CHB_INV_CH0", "BT_MODUL_RESET", "BT_MODUL_DEFAULT"};
}

void tst_MainWindow::offlineSelectionShowsTheType()
{
    QFETCH(QString, type);
    QFETCH(QString, unit0);
    QFETCH(QString, unit1);
    QFETCH(bool, channel1Tab);
    QFETCH(bool, rs485Tab);
    QFETCH(QStringList, visible);
    QFETCH(QStringList, hidden);

    FakePrompts prompts;
    FakePorts ports;
    MainWindow window(fakeOptions(&prompts, &ports));
    auto *unitLabel0 = window.findChild<QLabel *>("LB_TypeValue0_CH0");
    auto *unitLabel1 = window.findChild<QLabel *>("LB_TypeValue0_CH1");
    unitLabel1->setText("?");

    window.findChild<QAction *>("action_demo")->setChecked(true);
    auto *names = window.findChild<QComboBox *>("CB_Modul_name");
    names->setCurrentText("ZT-2P-2AO"); // a type first, so that the empty entry is a change
    names->setCurrentText(type);

    QCOMPARE(unitLabel0->text(), unit0);
    QCOMPARE(unitLabel1->text(), unit1);
    auto *tabs = window.findChild<QTabWidget *>("tabWidget");
    QCOMPARE(tabs->isTabVisible(1), channel1Tab);
    QCOMPARE(tabs->isTabVisible(2), rs485Tab);
    for (const QString &name : visible)
        QVERIFY2(!window.findChild<QWidget *>(name)->isHidden(), qPrintable(name));
    for (const QString &name : hidden)
        QVERIFY2(window.findChild<QWidget *>(name)->isHidden(), qPrintable(name));

    // Offline, nothing reaches a module: the commands that would are off.
    for (const char *name : {"BT_Open_Connect", "BT_Open_Connect_2", "cbPorts", "BT_MODUL_RESET", "BT_Set_MIN_CH0"})
        QVERIFY2(!window.findChild<QWidget *>(name)->isEnabled(), name);
    QVERIFY(!window.findChild<QWidget *>("BT_Show_Settings")->isHidden());
    QVERIFY(window.findChild<QWidget *>("BT_Set_Settings")->isHidden());
    QVERIFY(prompts.boxes.isEmpty());
}

void tst_MainWindow::screenReadersNameEveryControl()
{
    FakePrompts prompts;
    FakePorts ports;
    MainWindow window(fakeOptions(&prompts, &ports));
    window.show();
    QSet<QString> names;
    for (QWidget *w : window.centralWidget()->findChildren<QWidget *>()) {
        if (!qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w) && !qobject_cast<QAbstractButton *>(w)
            && !qobject_cast<QAbstractSpinBox *>(w) && !qobject_cast<QTextEdit *>(w))
            continue;
        if (w->objectName().startsWith("qt_"))  // a spin box's own line edit
            continue;
        // On Linux a combo box says its current item as its name; its caption
        // is the name set on the widget.
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(w);
        const QString name = face->role() == QAccessible::ComboBox ? w->accessibleName() : face->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && !names.contains(name), qPrintable(w->objectName() + ": " + name));
        names.insert(name);
    }
    QVERIFY(names.contains("Нижняя граница преобразования, канал 0"));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
