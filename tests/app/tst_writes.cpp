// Writing a module from the window, through the simulator: a settings file
// step by step, commands and calibration with what the user is told, and
// offline mode, which sends nothing.

#include "settings/modulesettings.h"
#include "windowharness.h"
#include "../support/settingstext.h"

#include <QAction>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTextEdit>

using Writes = QVector<QPair<int, int>>;  // address, value
Q_DECLARE_METATYPE(zt::ModuleSettings)

static Writes writesSince(const SimFixture &sim, int first)
{
    Writes writes;
    const QVector<QJsonObject> all = sim.acceptedWrites();
    for (int i = first; i < all.size(); ++i)
        writes.append({all[i]["address"].toInt(), all[i]["values"].toArray().first().toInt()});
    return writes;
}

class tst_Writes : public QObject
{
    Q_OBJECT

private slots:
    void fileIsWrittenAndReadBack_data();
    void fileIsWrittenAndReadBack();
    void refusedFilesWriteNothing_data();
    void refusedFilesWriteNothing();
    void commandsReportOnlyConfirmedWrites_data();
    void commandsReportOnlyConfirmedWrites();
    void offlineSendsNothing();
    void settledModuleIsNotWritten();
    void closingWhileAFileIsWritten();

private:
    QTemporaryDir dir;
};

void tst_Writes::fileIsWrittenAndReadBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Writes>("expected");
    QTest::addColumn<QStringList>("simArgs");

    QTest::newRow("thermocouple")
        << settingsText("ZT-2TI-2AO", {{"CHANAL0/RANGE", "4"}, {"CHANAL0/MINVALUE", "-50"}, {"CHANAL0/MAXVALUE", "1768"},
                                       {"CHANAL1/RANGE", "11"}, {"CHANAL1/INVout", "true"}, {"CHANAL1/MAXVALUE", "1800"}})
        << Writes{{0x2400, 4}, {0x2401, 11}, {0x24E2, 2}, {0x24E5, 2}, {0x2474, 0}, {0x2520, 2},
                  {0x2470, 0}, {0x24E0, 0xFFCE}, {0x24E1, 1768}, {0x24E3, 0}, {0x24E4, 1800}} << QStringList();
    QTest::newRow("RTD")
        << settingsText("ZT-2RTD-2AO", {{"CHANAL0/RANGE", "5"}, {"CHANAL0/TI", "true"}, {"CHANAL0/MINVALUE", "-60"},
                                        {"CHANAL0/MAXVALUE", "180"}, {"CHANAL1/RANGE", "1"}, {"CHANAL1/RTDConnect", "2"},
                                        {"CHANAL1/MAXVALUE", "850"}})
        << Writes{{0x2400, 33}, {0x2401, 32}, {0x24E2, 2}, {0x24E5, 4}, {0x2474, 0}, {0x2520, 0},
                  {0x2470, 1}, {0x24E0, 0xFFC4}, {0x24E1, 180}, {0x24E3, 0}, {0x24E4, 850}} << QStringList();
    QTest::newRow("P") << settingsText("ZT-1P-1AO", {{"CHANAL0/INVout", "true"}})
                       << Writes{{0x24E2, 2}, {0x24E5, 2}, {0x2474, 0}, {0x2520, 1}, {0x2470, 0},
                                 {0x24E0, 0}, {0x24E1, 0}, {0x24E3, 0}, {0x24E4, 0}} << QStringList();
    QTest::newRow("module keeps what it has not")  // channel 1, wiring, fast conversion
        << settingsText("ZT-1TI-1AO", {{"CHANAL0/RANGE", "1"}, {"CHANAL0/RTDConnect", "2"}, {"CHANAL0/AIFAST", "true"}, {"CHANAL0/TI", "true"},
                                       {"CHANAL0/MINVALUE", "-50"}, {"CHANAL0/MAXVALUE", "1000"}, {"CHANAL1/RANGE", "3"},
                                       {"CHANAL1/MINVALUE", "-5"}, {"CHANAL1/MAXVALUE", "900"}})
        << Writes{{0x2400, 1}, {0x2401, 3}, {0x24E2, 4}, {0x24E5, 2}, {0x2474, 1}, {0x2520, 0}, {0x2470, 1},
                  {0x24E0, 0xFFCE}, {0x24E1, 1000}, {0x24E3, 0xFFFB}, {0x24E4, 900}}
        << QString("-2401 -24E2 -24E5 -2474 -24E3 -24E4").replace("-", "--drop-writes 0x").split(' ');
}

void tst_Writes::fileIsWrittenAndReadBack()
{
    QFETCH(QByteArray, file);
    QFETCH(Writes, expected);
    QFETCH(QStringList, simArgs);
    zt::ModuleSettings s;
    const QString path = dir.filePath(QTest::currentDataTag());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(file) > 0);
    f.close();
    zt::settingsfile::load(path, &s);

    WindowHarness h;
    QVERIFY(h.start(s.Name, simArgs));
    QVERIFY(h.connectAndPoll());
    const int before = h.sim.acceptedWrites().size();
    h.widget<QLineEdit>("ED_FileName")->setText(path);
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    QVERIFY(!h.widget("BT_Set_Settings")->isEnabled());  // no second start meanwhile
    QVERIFY(QTest::qWaitFor([&] { return !h.prompts.boxes.isEmpty(); }, 12000));
    QCOMPARE(h.prompts.texts(), QStringList{"Запись настроек завершена"});
    // The box waits for the re-read, whose values the form's controls may write back.
    QCOMPARE(writesSince(h.sim, before).mid(0, expected.size()), expected);

    // The re-read shows what the module now holds, and polling goes on.
    QVERIFY(h.waitForLiveValues());
    QVERIFY(h.widget("BT_Set_Settings")->isEnabled());
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MIN_CH0")->text(), QString::number(s.MinValue_CH0));
    QCOMPARE(h.widget<QCheckBox>("CHB_INV_CH0")->isChecked(), s.INVout_CH0);
}

void tst_Writes::refusedFilesWriteNothing_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    const QString otherType = "Выбранный файл не соответствует подключенному модулю!";
    QTest::newRow("other type") << QByteArray("[MODUL]\nName=ZT-2RTD-2AO\n") << otherType;
    QTest::newRow("no type") << QByteArray("[CHANAL0]\nRANGE=1\n") << otherType;
    QTest::newRow("limit beyond K") << settingsText("ZT-2TI-2AO", {{"CHANAL1/RANGE", "1"}, {"CHANAL1/MAXVALUE", "1373"}})
                                    << "Недопустимое значение в файле настроек: CHANAL1/MAXVALUE = 1373.\n"
                                       "В модуль ничего не записано.";
    // Read as 0 it would have been written as 0.
    QTest::newRow("typo") << settingsText("ZT-2TI-2AO", {{"CHANAL0/MINVALUE", "-5O"}})
                          << "Файл настроек %1, раздел [CHANAL0], строка 8: недопустимое значение MINVALUE=-5O; нужно целое "
                             "десятичное число от -32768 до 32767";
    QTest::newRow("missing limit") << settingsText("ZT-2TI-2AO", {{"CHANAL1/MAXVALUE", QString()}})
                                   << "В файле настроек %1 нет ключа CHANAL1/MAXVALUE.\nВ модуль ничего не записано.";
}

void tst_Writes::refusedFilesWriteNothing()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const QString path = dir.filePath(QTest::currentDataTag());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    f.close();

    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());
    const int before = h.sim.acceptedWrites().size();
    h.widget<QLineEdit>("ED_FileName")->setText(path);
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    QCOMPARE(h.prompts.texts(), QStringList{message.contains("%1") ? message.arg(path) : message});
    QVERIFY(h.waitForLiveValues());  // polling goes on
    QCOMPARE(writesSince(h.sim, before), Writes());
}

void tst_Writes::commandsReportOnlyConfirmedWrites_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<Writes>("expected");
    QTest::addColumn<QStringList>("boxes");  // after a question, if any

    QTest::newRow("reboot") << "BT_MODUL_RESET" << QStringList() << Writes{{0x2046, 0x524D}}
                            << QStringList{"Модуль пререзагружен!"};
    QTest::newRow("reset") << "BT_MODUL_DEFAULT" << QStringList() << Writes{{0x2047, 0x5253}}
                           << QStringList{"Модуль сброшен до заводских настроек!"};
    QTest::newRow("refused") << "BT_MODUL_RESET" << QStringList{"--exception", "0x2046:4"} << Writes()
                             << QStringList{"Модуль ответил: сбой устройства (04)"};
    QTest::newRow("gain 1") << "BT_CAL_MAX_1" << QStringList() << Writes{{0x24A2, 0}}
                            << QStringList{"Юстировка выполнена!"};
    QTest::newRow("offset 0, no") << "BT_CAL_MIN_0" << QStringList() << Writes() << QStringList();
}

void tst_Writes::commandsReportOnlyConfirmedWrites()
{
    QFETCH(QString, button);
    QFETCH(QStringList, simArgs);
    QFETCH(Writes, expected);
    QFETCH(QStringList, boxes);

    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO", simArgs << "--firmware" << "15.02.23"));
    QVERIFY(h.connectAndPoll());
    h.widget<QAction>("action_cal_show")->trigger();  // "Да"
    QVERIFY(h.widget<QTextEdit>("TE_HINT")->toPlainText().contains("напряжении 54,886 мВ"));  // K, older firmware
    const int before = h.sim.acceptedWrites().size();
    h.prompts.boxes.clear();
    h.prompts.answers << !boxes.isEmpty();
    QTest::mouseClick(h.widget<QPushButton>(button), Qt::LeftButton);
    if (!button.startsWith("BT_CAL"))
        h.prompts.answers.clear();
    QTest::qWait(500);
    QStringList shown = h.prompts.texts();
    if (button.startsWith("BT_CAL"))
        shown.removeFirst();  // the question
    QCOMPARE(shown, boxes);
    QCOMPARE(writesSince(h.sim, before), expected);
    // A reboot's silence is over by the re-read 3 s later; "Нет" polls at once.
    if (expected.isEmpty() == boxes.isEmpty())
        QVERIFY(QTest::qWaitFor([&] { return h.waitForLiveValues(); }, 8000));
    QCOMPARE(h.isIdle(), boxes.value(0).startsWith("Модуль ответил"));
}

void tst_Writes::offlineSendsNothing()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2RTD-2AO"));
    QVERIFY(h.connectAndPoll());
    auto *offline = h.widget<QAction>("action_demo");
    h.prompts.answers << false;
    offline->trigger();  // "Нет" leaves everything as it was, live values included
    QVERIFY(!offline->isChecked());
    QVERIFY(h.waitForLiveValues());

    offline->trigger();  // "Да"
    QTest::qWait(1000);  // the next poll tick finds offline mode on
    const int requests = h.sim.log().size();
    h.widget<QComboBox>("CB_Modul_range_CH0_2")->setCurrentIndex(3);
    h.widget<QCheckBox>("CHB_INV_CH1")->setChecked(true);
    h.widget<QComboBox>("CB_Modul_name")->setCurrentText("ZT-2TI-2AO");
    h.widget<QCheckBox>("CHB_TI_CH0")->setChecked(true);
    QTest::qWait(1500);
    QCOMPARE(h.sim.log().size(), requests);

    // Back online, the module still on the line is shown and polled again.
    offline->trigger();
    QVERIFY(QTest::qWaitFor([&] { return h.widget<QComboBox>("CB_Modul_name")->currentText() == "ZT-2RTD-2AO"; }, 3000));
    QVERIFY(h.waitForLiveValues());
}

// Echo writes end once the form shows what the module holds: a re-read that
// changes nothing writes nothing, so no write and re-read loop wears the
// module's memory.
void tst_Writes::settledModuleIsNotWritten()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());
    QTest::qWait(4000);  // the re-read after the first echo writes
    const int writes = h.sim.acceptedWrites().size();
    QTest::qWait(7000);
    QCOMPARE(h.sim.acceptedWrites().size(), writes);
}

// "Нет" keeps the window and the sequence; "Да" lets the write in flight end,
// sends nothing more, and the log tells what the module took.
void tst_Writes::closingWhileAFileIsWritten()
{
    QFile f(dir.filePath("closing"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(settingsText("ZT-2TI-2AO", {{"CHANAL0/RANGE", "3"}, {"CHANAL1/RANGE", "4"}})) > 0);
    f.close();
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(h.connectAndPoll());
    const int before = h.sim.acceptedWrites().size();
    h.widget<QLineEdit>("ED_FileName")->setText(f.fileName());
    QTest::mouseClick(h.widget<QPushButton>("BT_Set_Settings"), Qt::LeftButton);
    h.prompts.answers << false << true;
    QVERIFY(!h.window->close() && h.window->isVisible());
    QVERIFY(QTest::qWaitFor([&] { return writesSince(h.sim, before).size() == 2; }, 5000));
    QTest::ignoreMessage(QtWarningMsg, "Settings file write stopped as the window closed. Taken by the module: 0x2400 = 3, 0x2401 = 4. "
                                       "Not written: 0x24E2, 0x24E5, 0x2474, 0x2520, 0x2470, 0x24E0, 0x24E1, 0x24E3, 0x24E4.");
    h.window->close();
    QVERIFY(QTest::qWaitFor([&] { return !h.window->isVisible(); }, 4000));
    QTest::qWait(1500);  // past the next step's time
    QCOMPARE(writesSince(h.sim, before), (Writes{{0x2400, 3}, {0x2401, 4}}));
    const QString question = "Идёт запись настроек в модуль. Прервать запись и выйти?";
    QCOMPARE(h.prompts.texts(), QStringList({question, question}));
}

QTEST_MAIN(tst_Writes)
#include "tst_writes.moc"
