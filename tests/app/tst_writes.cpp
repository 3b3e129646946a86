// Writing a module from the window, through the simulator: a settings file
// step by step, the reboot and reset commands, and what the user is told.

#include "settings/modulesettings.h"
#include "windowharness.h"

#include <QCheckBox>
#include <QTemporaryDir>

Q_DECLARE_METATYPE(zt::ModuleSettings)

namespace {

using Writes = QVector<QPair<int, int>>;  // address, value

Writes writesSince(const SimFixture &sim, int first)
{
    Writes writes;
    const QVector<QJsonObject> all = sim.acceptedWrites();
    for (int i = first; i < all.size(); ++i)
        writes.append({all[i]["address"].toInt(), all[i]["values"].toArray().first().toInt()});
    return writes;
}

bool hasBox(const FakePrompts &prompts, const QString &text)
{
    return prompts.texts().contains(text);
}

} // namespace

class tst_Writes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void fileIsWrittenAndReadBack_data();
    void fileIsWrittenAndReadBack();
    void refusedFilesWriteNothing_data();
    void refusedFilesWriteNothing();
    void commandsReportOnlyConfirmedWrites_data();
    void commandsReportOnlyConfirmedWrites();

private:
    QString saveFile(const zt::ModuleSettings &s)
    {
        const QString path = dir.filePath(QStringLiteral("%1.ztset").arg(QTest::currentDataTag()));
        zt::settingsfile::save(path, s);
        return path;
    }
    QTemporaryDir dir;
};

void tst_Writes::fileIsWrittenAndReadBack_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<zt::ModuleSettings>("file");
    QTest::addColumn<Writes>("expected");

    zt::ModuleSettings ti;
    ti.Name = "ZT-2TI-2AO";
    ti.Range_CH0 = 4;
    ti.Range_CH1 = 11;
    ti.INVout_CH1 = true;
    ti.MinValue_CH0 = -50;
    ti.MaxValue_CH0 = 1768;
    ti.MaxValue_CH1 = 1800;
    QTest::newRow("thermocouple") << "ZT-2TI-2AO" << ti
        << Writes{{0x2400, 4}, {0x2401, 11}, {0x24E2, 2}, {0x24E5, 2}, {0x2474, 0}, {0x2520, 2},
                  {0x2470, 0}, {0x24E0, 0xFFCE}, {0x24E1, 1768}, {0x24E3, 0}, {0x24E4, 1800}};

    zt::ModuleSettings rtd;
    rtd.Name = "ZT-2RTD-2AO";
    rtd.Range_CH0 = 5;
    rtd.Range_CH1 = 1;
    rtd.RTDConnect_CH1 = 2;
    rtd.TI_CH0 = rtd.TI_CH1 = true;
    rtd.MinValue_CH0 = -60;
    rtd.MaxValue_CH0 = 180;
    rtd.MaxValue_CH1 = 850;
    QTest::newRow("RTD") << "ZT-2RTD-2AO" << rtd
        << Writes{{0x2400, 33}, {0x2401, 32}, {0x24E2, 2}, {0x24E5, 4}, {0x2474, 0}, {0x2520, 0},
                  {0x2470, 1}, {0x24E0, 0xFFC4}, {0x24E1, 180}, {0x24E3, 0}, {0x24E4, 850}};

    zt::ModuleSettings p;
    p.Name = "ZT-1P-1AO";
    p.INVout_CH0 = true;
    QTest::newRow("P") << "ZT-1P-1AO" << p
        << Writes{{0x24E2, 2}, {0x24E5, 2}, {0x2474, 0}, {0x2520, 1}, {0x2470, 0},
                  {0x24E0, 0}, {0x24E1, 0}, {0x24E3, 0}, {0x24E4, 0}};
}

void tst_Writes::fileIsWrittenAndReadBack()
{
    QFETCH(QString, type);
    QFETCH(zt::ModuleSettings, file);
    QFETCH(Writes, expected);

    WindowHarness h;
    QVERIFY(h.start(type));
    QVERIFY(h.connectAndPoll());
    const int before = h.sim.acceptedWrites().size();
    h.widget<QLineEdit>("ED_FileName")->setText(saveFile(file));
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    QVERIFY(!h.widget("BT_Set_Settings")->isEnabled());  // no second start meanwhile
    QVERIFY(QTest::qWaitFor([&] { return hasBox(h.prompts, "Запись настроек завершена"); }, 12000));
    QCOMPARE(h.prompts.texts(), QStringList{"Запись настроек завершена"});
    QCOMPARE(writesSince(h.sim, before), expected);

    // The re-read shows what the module now holds, and polling goes on.
    QVERIFY(h.waitForLiveValues());
    QVERIFY(h.widget("BT_Set_Settings")->isEnabled());
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MIN_CH0")->text(), QString::number(file.MinValue_CH0));
    QCOMPARE(h.widget<QCheckBox>("CHB_INV_CH0")->isChecked(), file.INVout_CH0);
}

void tst_Writes::refusedFilesWriteNothing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("other type") << QByteArray("[MODUL]\nName=ZT-2RTD-2AO\n")
                                << "Выбранный файл не соответствует подключенному модулю!";
    QTest::newRow("no type") << QByteArray("[CHANAL0]\nRANGE=1\n")
                             << "Выбранный файл не соответствует подключенному модулю!";
    QTest::newRow("limit beyond K") << QByteArray("[MODUL]\nName=ZT-2TI-2AO\n[CHANAL1]\nRANGE=1\nMAXVALUE=1373\n")
                                    << "Недопустимое значение в файле настроек: CHANAL1/MAXVALUE = 1373.\n"
                                       "В модуль ничего не записано.";
    QTest::newRow("not a settings file") << QByteArray("[MODUL\nName=ZT-2TI-2AO\n") << "";
}

void tst_Writes::refusedFilesWriteNothing()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);

    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());
    const QString path = dir.filePath(QStringLiteral("bad-%1.ztset").arg(QTest::currentDataTag()));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    f.close();
    const int before = h.sim.acceptedWrites().size();
    h.widget<QLineEdit>("ED_FileName")->setText(path);
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    QCOMPARE(h.prompts.boxes.size(), 1);
    QCOMPARE(h.prompts.boxes[0].title, QString("Ошибка"));
    if (!message.isEmpty())
        QCOMPARE(h.prompts.boxes[0].text, message);
    QVERIFY(h.waitForLiveValues());  // polling goes on
    QCOMPARE(writesSince(h.sim, before), Writes());
}

void tst_Writes::commandsReportOnlyConfirmedWrites_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("connected");

    QTest::newRow("reboot") << "BT_MODUL_RESET" << QStringList() << QStringList{"Модуль пререзагружен!"} << true;
    QTest::newRow("reset") << "BT_MODUL_DEFAULT" << QStringList() << QStringList{"Модуль сброшен до заводских настроек!"}
                           << true;
    QTest::newRow("refused") << "BT_MODUL_RESET" << QStringList{"--exception", "0x2046:4"}
                             << QStringList{"Ошибка связи"} << false;
}

void tst_Writes::commandsReportOnlyConfirmedWrites()
{
    QFETCH(QString, button);
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, boxes);
    QFETCH(bool, connected);

    WindowHarness h;
    QVERIFY(h.start("ZT-1TI-2AO", simArgs));
    QVERIFY(h.connectAndPoll());
    QTest::mouseClick(h.widget<QPushButton>(button), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&] { return !h.prompts.boxes.isEmpty(); }, 5000));
    QCOMPARE(h.prompts.texts(), boxes);
    // A reboot's silence is over by the re-read 3 s later: polling resumes.
    if (connected)
        QVERIFY(QTest::qWaitFor([&] { return h.waitForLiveValues(); }, 8000));
    QCOMPARE(h.isIdle(), !connected);
    QCOMPARE(h.prompts.texts(), boxes);
}

QTEST_MAIN(tst_Writes)
#include "tst_writes.moc"
