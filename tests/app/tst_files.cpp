// Settings files through the form, offline: save and open again, start with a
// file, and the hint a prepared configuration shows.

#include "fakes.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

// Everything a settings file carries, as the form shows it; `rangeList` is
// the list of the type.
QStringList formState(const MainWindow &w, const QString &rangeList = "CB_RTD_CONNECT_CH%1")
{
    QStringList state{w.findChild<QComboBox *>("CB_Modul_name")->currentText()};
    for (const QString &box : {rangeList, QString("CB_RTD_CONNECT_CH%1")})
        for (int ch = 0; ch < 2; ++ch)
            state << QString::number(w.findChild<QComboBox *>(box.arg(ch))->currentIndex());
    for (const char *check : {"CHB_AI_FAST_CH0", "CHB_INV_CH0", "CHB_INV_CH1", "CHB_TI_CH0", "CHB_TI_CH1"})
        state << QString::number(w.findChild<QCheckBox *>(check)->isChecked());
    for (const char *edit : {"ED_VALUE_MIN_CH0", "ED_VALUE_MAX_CH0", "ED_VALUE_MIN_CH1", "ED_VALUE_MAX_CH1"})
        state << w.findChild<QLineEdit *>(edit)->text();
    return state;
}

struct OfflineWindow
{
    explicit OfflineWindow(const QString &file = QString())
    {
        MainWindowOptions options = fakeOptions(&prompts, &ports);
        options.settingsFile = file;
        window = std::make_unique<MainWindow>(options);
        if (file.isEmpty()) {
            window->findChild<QAction *>("action_demo")->trigger();  // "Да"
            prompts.boxes.clear();
        }
    }
    template<class T = QWidget>
    T *w(const char *name) const { return window->findChild<T *>(name); }

    FakePrompts prompts;
    FakePorts ports;
    std::unique_ptr<MainWindow> window;
};

} // namespace

class tst_Files : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void saveAndOpen_data();
    void saveAndOpen();
    void commandsWithoutAType();
    void leavingOfflineClearsTheType();
    void hintFollowsTheTab();

private:
    QTemporaryDir dir;
};

void tst_Files::saveAndOpen_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("rangeList");  // the list the type shows

    QTest::newRow("thermocouple") << "ZT-2TI-2AO" << "CB_Modul_range_CH%1";
    QTest::newRow("RTD") << "PLB-2RTD-4-20-M" << "CB_Modul_range_CH%1_2";
    QTest::newRow("P") << "ZT-2P-2AO" << "CB_RTD_CONNECT_CH%1";
    QTest::newRow("current") << "ZT-1AI-2AO" << "CB_RTD_CONNECT_CH%1";
}

void tst_Files::saveAndOpen()
{
    QFETCH(QString, type);
    QFETCH(QString, rangeList);
    const QString path = dir.filePath(QString("%1.ztset").arg(type));

    OfflineWindow prepared;
    prepared.w<QComboBox>("CB_Modul_name")->setCurrentText(type);
    prepared.w<QComboBox>(qPrintable(rangeList.arg(0)))->setCurrentIndex(1);
    prepared.w<QComboBox>(qPrintable(rangeList.arg(1)))->setCurrentIndex(2);
    prepared.w<QCheckBox>("CHB_INV_CH1")->setChecked(true);
    prepared.w<QCheckBox>("CHB_TI_CH0")->setChecked(true);
    prepared.w<QCheckBox>("CHB_AI_FAST_CH0")->setChecked(true);
    prepared.w<QLineEdit>("ED_VALUE_MIN_CH0")->setText("-40");
    prepared.w<QLineEdit>("ED_VALUE_MAX_CH1")->setText("150");
    prepared.prompts.files << path;
    QTest::mouseClick(prepared.w<QPushButton>("BT_FileSaveas"), Qt::LeftButton);
    QVERIFY(prepared.prompts.boxes.isEmpty());

    // Started with the file: offline, without the question, the file shown.
    OfflineWindow started(path);
    QVERIFY(started.w<QAction>("action_demo")->isChecked());
    QVERIFY(started.prompts.boxes.isEmpty());
    QCOMPARE(started.w<QLineEdit>("ED_FileName")->text(), path);
    QVERIFY(!started.w("BT_Show_Settings")->isHidden());
    QCOMPARE(formState(*started.window, rangeList), formState(*prepared.window, rangeList));

    // Opened from the menu, while another tab is current.
    OfflineWindow opened;
    opened.w<QComboBox>("CB_Modul_name")->setCurrentText(type);
    opened.w<QTabWidget>("tabWidget")->setCurrentIndex(1);
    opened.prompts.files << path;
    opened.w<QAction>("action_file_open")->trigger();
    QCOMPARE(formState(*opened.window, rangeList), formState(*prepared.window, rangeList));

    // A limit that is no number is not saved as 0.
    prepared.w<QLineEdit>("ED_VALUE_MAX_CH0")->setText("12,5");
    prepared.prompts.files << path + "2";
    prepared.w<QAction>("action_file_save")->trigger();
    QVERIFY(!QFile::exists(path + "2"));
    QCOMPARE(prepared.prompts.texts(),
             QStringList{"Введено некорректное значение: Верхняя граница преобразования, канал 0.\nФайл не сохранён."});
}

void tst_Files::commandsWithoutAType()
{
    OfflineWindow w;
    QTest::mouseClick(w.w<QPushButton>("BT_FileSaveas"), Qt::LeftButton);
    QCOMPARE(w.prompts.texts(), QStringList{"Модуль не выбран"});
    QVERIFY(w.prompts.files.isEmpty());

    // The menu's "Сохранить" asks for a name all the same.
    const QString path = dir.filePath("untyped.ztset");
    w.prompts.files << path;
    w.w<QAction>("action_file_save")->trigger();
    QVERIFY(QFile::exists(path));

    // Outside offline mode "Открыть" only chooses the file.
    w.w<QAction>("action_demo")->trigger();
    const QStringList before = formState(*w.window);
    w.prompts.files << dir.filePath("ZT-2TI-2AO.ztset");
    w.w<QAction>("action_file_open")->trigger();
    QCOMPARE(w.w<QLineEdit>("ED_FileName")->text(), dir.filePath("ZT-2TI-2AO.ztset"));
    QCOMPARE(formState(*w.window), before);
}

void tst_Files::leavingOfflineClearsTheType()
{
    OfflineWindow w;
    w.prompts.answers << false;
    w.w<QAction>("action_demo")->trigger();  // leaving asks nothing
    QVERIFY(!w.w<QAction>("action_demo")->isChecked());
    w.w<QAction>("action_demo")->trigger();  // "Нет"
    QVERIFY(!w.w<QAction>("action_demo")->isChecked());
    QVERIFY(!w.w("CB_Modul_name")->isEnabled());
    QCOMPARE(w.prompts.boxes.size(), 1);

    w.prompts.answers.clear();
    w.w<QAction>("action_demo")->trigger();
    w.w<QComboBox>("CB_Modul_name")->setCurrentText("ZT-2RTD-2AO");
    w.w<QAction>("action_demo")->trigger();
    QCOMPARE(w.w<QComboBox>("CB_Modul_name")->currentIndex(), 0);
    QVERIFY(w.w("CB_Modul_range_CH0_2")->isHidden());
    QVERIFY(w.w("BT_Open_Connect")->isEnabled());
}

void tst_Files::hintFollowsTheTab()
{
    OfflineWindow w;
    w.w<QAction>("action_cal_show")->trigger();
    w.w<QComboBox>("CB_Modul_name")->setCurrentText("ZT-2TI-2AO");
    w.w<QComboBox>("CB_Modul_range_CH1")->setCurrentIndex(2);  // T
    auto *hint = w.w<QTextEdit>("TE_HINT");
    QVERIFY(!hint->isHidden());
    QVERIFY(hint->toPlainText().contains("напряжении 77 мВ"));  // J on channel 0
    w.w<QTabWidget>("tabWidget")->setCurrentIndex(1);
    QVERIFY(hint->toPlainText().contains("напряжении 34 мВ"));
}

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
