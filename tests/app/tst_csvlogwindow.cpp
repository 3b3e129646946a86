// The window's CSV log against the simulator: started from the menu, a row
// per live block, stopped by a disconnect that the status bar names.

#include "windowharness.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTemporaryDir>

class tst_CsvLogWindow : public QObject
{
    Q_OBJECT

private slots:
    void logsUntilDisconnected();
};

static int lines(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().count('\n') : -1;
}

void tst_CsvLogWindow::logsUntilDisconnected()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.csv");
    QSettings settings("Morvane", "ZTConfig");
    settings.setValue("csvlog/path", path);
    settings.setValue("csvlog/dialect", "rfc4180");
    settings.setValue("csvlog/hourly", false);
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());

    auto *action = h.window->findChild<QAction *>("action_csv_log");
    QTimer::singleShot(0, [] {
        QApplication::activeModalWidget()->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    action->trigger();
    QVERIFY(action->isChecked());
    QVERIFY(QTest::qWaitFor([&] { return lines(path) >= 5 + 2; }, 5000));  // header, then two rows

    h.clickConnect();
    QVERIFY(!action->isChecked());
    const int logged = lines(path);
    QTest::qWait(1500);
    QCOMPARE(lines(path), logged);
    QVERIFY(h.prompts.boxes.isEmpty());
    const QStringList labels = [&] {
        QStringList texts;
        for (QLabel *l : h.window->statusBar()->findChildren<QLabel *>())
            texts << l->text();
        return texts;
    }();
    QVERIFY2(labels.contains("Запись в CSV остановлена: связь с модулем прекращена"), qPrintable(labels.join('|')));
}

QTEST_MAIN(tst_CsvLogWindow)
#include "tst_csvlogwindow.moc"
