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

// A window in offline mode ("Да"), or started with a settings file.
struct OfflineWindow
{
    explicit OfflineWindow(const QString &file = QString())
    {
        MainWindowOptions options = fakeOptions(&prompts, &ports);
        options.settingsFile = file;
        window = std::make_unique<MainWindow>(options);
        if (file.isEmpty())
            w<QAction>("action_demo")->trigger();
        prompts.boxes.clear();
    }
    template<class T = QWidget>
    T *w(const QString &name) const { return window->findChild<T *>(name); }

    // What a settings file carries, as the form shows it; `lists` are the
    // type's range lists (or any other pair).
    QStringList state(const QString &lists) const
    {
        QStringList s{w<QComboBox>("CB_Modul_name")->currentText()};
        for (int ch = 0; ch < 2; ++ch)
            s << QString::number(w<QComboBox>(lists.arg(ch))->currentIndex())
              << QString::number(w<QComboBox>(QString("CB_RTD_CONNECT_CH%1").arg(ch))->currentIndex());
        for (const char *box : {"CHB_AI_FAST_CH0", "CHB_INV_CH0", "CHB_INV_CH1", "CHB_TI_CH0", "CHB_TI_CH1"})
            s << QString::number(w<QCheckBox>(box)->isChecked());
        for (const char *edit : {"ED_VALUE_MIN_CH0", "ED_VALUE_MAX_CH0", "ED_VALUE_MIN_CH1", "ED_VALUE_MAX_CH1"})
            s << w<QLineEdit>(edit)->text();
        return s;
    }

    FakePrompts prompts;
    FakePorts ports;
    std::unique_ptr<MainWindow> window;
};

class tst_Files : public QObject
{
    Q_OBJECT

private slots:
    void saveAndOpen_data();
    void saveAndOpen();
    void withoutAType();
    void hintFollowsTheTab();

private:
    QTemporaryDir dir;
};

void tst_Files::saveAndOpen_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("lists");  // the range lists of the type
    QTest::addColumn<QString>("typo");   // a limit field the type shows, or one it does not ("-")

    QTest::newRow("thermocouple") << "ZT-2TI-2AO" << "CB_Modul_range_CH%1" << "ED_VALUE_MAX_CH0";
    QTest::newRow("RTD") << "PLB-2RTD-4-20-M" << "CB_Modul_range_CH%1_2" << "ED_VALUE_MAX_CH0";
    QTest::newRow("P") << "ZT-2P-2AO" << "CB_RTD_CONNECT_CH%1" << "-ED_VALUE_MAX_CH0";
    QTest::newRow("current") << "ZT-1AI-2AO" << "CB_RTD_CONNECT_CH%1" << "-ED_VALUE_MAX_CH0";
    QTest::newRow("one input") << "ZT-1TI-1AO" << "CB_Modul_range_CH%1" << "-ED_VALUE_MAX_CH1";
}

void tst_Files::saveAndOpen()
{
    QFETCH(QString, type);
    QFETCH(QString, lists);
    QFETCH(QString, typo);
    const QString path = dir.filePath(type);

    OfflineWindow prepared;
    prepared.w<QComboBox>("CB_Modul_name")->setCurrentText(type);
    prepared.w<QComboBox>(lists.arg(0))->setCurrentIndex(1);
    prepared.w<QComboBox>(lists.arg(1))->setCurrentIndex(2);
    for (const char *box : {"CHB_INV_CH1", "CHB_TI_CH0", "CHB_AI_FAST_CH0"})
        prepared.w<QCheckBox>(box)->setChecked(true);
    prepared.w<QLineEdit>("ED_VALUE_MIN_CH0")->setText("-40");
    prepared.w<QLineEdit>("ED_VALUE_MAX_CH1")->setText("150");
    prepared.prompts.files << path;
    QTest::mouseClick(prepared.w<QPushButton>("BT_FileSaveas"), Qt::LeftButton);

    // Started with the file: offline, without the question, the file shown.
    OfflineWindow started(path);
    QVERIFY(started.w<QAction>("action_demo")->isChecked());
    QCOMPARE(started.w<QLineEdit>("ED_FileName")->text(), path);
    QVERIFY(!started.w("BT_Show_Settings")->isHidden());
    QCOMPARE(started.state(lists), prepared.state(lists));

    // Opened from the menu while another tab is current.
    OfflineWindow opened;
    opened.w<QComboBox>("CB_Modul_name")->setCurrentText(type);
    opened.w<QTabWidget>("tabWidget")->setCurrentIndex(1);
    opened.prompts.files << path;
    opened.w<QAction>("action_file_open")->trigger();
    QCOMPARE(opened.state(lists), prepared.state(lists));

    // A limit that is no number is not saved as 0; a field the type does not show is not judged.
    const bool shown = !typo.startsWith('-');
    prepared.w<QLineEdit>(typo.remove('-'))->setText("12,5");
    prepared.prompts.files << path + "2";
    prepared.w<QAction>("action_file_save")->trigger();
    QCOMPARE(QFile::exists(path + "2"), !shown);
    QCOMPARE(prepared.prompts.texts() + started.prompts.texts() + opened.prompts.texts(),
             !shown ? QStringList() : QStringList{"Введено некорректное значение: Верхняя граница преобразования, канал 0.\nФайл не сохранён."});
}

void tst_Files::withoutAType()
{
    OfflineWindow w;
    QTest::mouseClick(w.w<QPushButton>("BT_FileSaveas"), Qt::LeftButton);
    QCOMPARE(w.prompts.texts(), QStringList{"Модуль не выбран"});
    w.prompts.files << dir.filePath("untyped");
    w.w<QAction>("action_file_save")->trigger();  // the menu asks for a name all the same
    QVERIFY(QFile::exists(dir.filePath("untyped")));

    // Leaving offline mode clears the type; outside it "Открыть" only chooses.
    w.w<QComboBox>("CB_Modul_name")->setCurrentText("ZT-2RTD-2AO");
    w.w<QAction>("action_demo")->trigger();
    QCOMPARE(w.w<QComboBox>("CB_Modul_name")->currentIndex(), 0);
    QVERIFY(w.w("CB_Modul_range_CH0_2")->isHidden());
    const QStringList before = w.state("CB_Modul_range_CH%1_2");
    w.prompts.files << dir.filePath("ZT-2P-2AO");
    w.w<QAction>("action_file_open")->trigger();
    QCOMPARE(w.w<QLineEdit>("ED_FileName")->text(), dir.filePath("ZT-2P-2AO"));
    QCOMPARE(w.state("CB_Modul_range_CH%1_2"), before);
}

void tst_Files::hintFollowsTheTab()
{
    OfflineWindow w;
    w.w<QAction>("action_cal_show")->trigger();
    w.w<QComboBox>("CB_Modul_name")->setCurrentText("ZT-2TI-2AO");
    w.w<QComboBox>("CB_Modul_range_CH1")->setCurrentIndex(2);  // T
    auto *hint = w.w<QTextEdit>("TE_HINT");
    QVERIFY(hint->toPlainText().contains("напряжении 77 мВ"));  // J on channel 0
    w.w<QTabWidget>("tabWidget")->setCurrentIndex(1);
    QVERIFY(hint->toPlainText().contains("напряжении 34 мВ"));
}

QTEST_MAIN(tst_Files)
#include "tst_files.moc"
