// The window tells the user when a module did not take a setting of the file
// it wrote, and compares a module with a file without writing.

#include "windowharness.h"
#include "../support/settingstext.h"

#include <QAction>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>

class tst_WindowCommission : public QObject
{
    Q_OBJECT

private slots:
    void fileWriteIsVerified();
    void compareWritesNothing();
    void saveIsTheCliSave_data();
    void saveIsTheCliSave();
    void refusalIsToldAlike();

private:
    QString file(const QByteArray &text)
    {
        const QString path = dir.filePath(QString::number(++files) + ".ztset");
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir dir;
    int files = 0;
};

void tst_WindowCommission::fileWriteIsVerified()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO", {"--drop-writes", "0x24E0"}));
    QVERIFY(h.connectAndPoll());
    h.widget<QLineEdit>("ED_FileName")
        ->setText(file(settingsText("ZT-2TI-2AO", {{"CHANAL0/RANGE", "1"}, {"CHANAL0/MINVALUE", "-50"},
                                                   {"CHANAL0/MAXVALUE", "1000"}, {"CHANAL1/RANGE", "1"},
                                                   {"CHANAL1/MAXVALUE", "1000"}})));
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !h.prompts.boxes.isEmpty(); }, 15000));
    QCOMPARE(h.prompts.boxes.size(), 1);
    QCOMPARE(h.prompts.boxes[0].kind, ShownBox::Critical);
    QCOMPARE(h.prompts.boxes[0].text, "Модуль не принял настройки:\nКанал 0: нижняя граница: в модуле 0, в файле -50");
}

void tst_WindowCommission::compareWritesNothing()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());
    const int writes = h.sim.acceptedWrites().size();
    h.prompts.files << file("[MODUL]\nName=ZT-2TI-2AO\n[CHANAL0]\nRANGE=2\nTI=true\nMAXVALUE=400\n"
                            "[CHANAL1]\nRANGE=1\nRTDConnect=1\nTI=true\nMAXVALUE=1000\n");
    h.widget<QAction>("action_file_compare")->trigger();
    QTableWidget *table = nullptr;
    QVERIFY(QTest::qWaitFor([&] { return (table = h.window->findChild<QTableWidget *>("TW_Differences")); }, 5000));
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->item(row, 0)->text() + " | " + table->item(row, 1)->text() + " | " + table->item(row, 2)->text();
    QCOMPARE(rows, (QStringList{"Канал 0: датчик | K от -200 до 1372 °С | T от -200 до 400 °С",
                                "Канал 0: верхняя граница | 1000 | 400"}));
    QCOMPARE(h.sim.acceptedWrites().size(), writes);
    QVERIFY(h.prompts.boxes.isEmpty());
}

void tst_WindowCommission::saveIsTheCliSave_data()
{
    QTest::addColumn<QString>("type");
    for (const char *type : {"ZT-2TI-2AO", "ZT-1TI-2AO", "ZT-1RTD-2AO", "ZT-2P-2AO", "ZT-1AI-2AO", "PLB-2RTD-4-20-M"})
        QTest::newRow(type) << type;
}

// The window's "Сохранить" and `ztconfig-cli save` write the same file for
// the same module.
void tst_WindowCommission::saveIsTheCliSave()
{
    QFETCH(QString, type);
    WindowHarness h;
    QVERIFY(h.start(type));
    QVERIFY(h.connectAndPoll());
    const QString fromWindow = dir.filePath(type + ".window.ztset");
    h.prompts.files << fromWindow;
    h.widget<QAction>("action_file_save")->trigger();
    h.clickConnect();  // the port goes back for the CLI
    QVERIFY(QTest::qWaitFor([&] { return h.isIdle(); }, 3000));

    const QString fromCli = dir.filePath(type + ".cli.ztset");
    QProcess cli;
    cli.start(ZTCONFIG_CLI, {"save", fromCli, "--port", h.sim.programPort()});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 0);
    QFile a(fromWindow), b(fromCli);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(a.readAll()), QString::fromUtf8(b.readAll()));
}

// A setting the module refuses: the window and `ztconfig-cli write` name the
// module's answer in the same words, and both stop.
void tst_WindowCommission::refusalIsToldAlike()
{
    const QString answer = "Модуль ответил: недопустимое значение (03)";
    const QString path = file(settingsText("ZT-2TI-2AO", {{"CHANAL0/RANGE", "1"}, {"CHANAL0/MAXVALUE", "900"}}));
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO", {"--refuse-writes", "0x24E1:3"}));
    QVERIFY(h.connectAndPoll());
    h.widget<QLineEdit>("ED_FileName")->setText(path);
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return h.prompts.texts().contains(answer); }, 15000));
    QVERIFY(h.isIdle());

    QProcess cli;
    cli.start(ZTCONFIG_CLI, {"write", path, "--port", h.sim.programPort()});
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitCode(), 6);
    QVERIFY2(QString::fromUtf8(cli.readAllStandardError()).contains(". " + answer), qPrintable(answer));
}

QTEST_MAIN(tst_WindowCommission)
#include "tst_window_commission.moc"
