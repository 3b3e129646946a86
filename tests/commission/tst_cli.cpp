// ztconfig-cli run as a production line runs it, against the simulator.

#include "simfixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <signal.h>

using Edits = QVariantMap;  // settings-file key -> value
using Addresses = QVector<int>;
using Signals = QVector<int>;

struct Run {
    int code = -1;
    QByteArray out, err;
};

static Run cli(const SimFixture &sim, QStringList args)
{
    QProcess p;
    p.start(ZTCONFIG_CLI, args << "--port" << sim.programPort());
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

class tst_Cli : public QObject
{
    Q_OBJECT

private slots:
    void writeVerifiesTheFile_data();
    void writeVerifiesTheFile();
    void readJsonNamesTheType();
    void reportIsAPdf();

private:
    QTemporaryDir dir;
};

void tst_Cli::writeVerifiesTheFile_data()
{
    QTest::addColumn<Edits>("edits");        // to the file that `save` wrote
    QTest::addColumn<QStringList>("simArgs");  // the module the file is then written to
    QTest::addColumn<int>("code");
    QTest::addColumn<Addresses>("written");
    QTest::addColumn<QString>("said");         // lines of stderr, each somewhere in it
    QTest::addColumn<QStringList>("options");  // of the write
    QTest::addColumn<Signals>("interrupts");   // sent, one after the other, once a write is on the line

    const Edits two{{"CHANAL0/MINVALUE", -50}, {"CHANAL1/INVout", true}};
    const Edits lower{{"CHANAL0/MINVALUE", -50}};
    const QStringList none;
    QTest::newRow("same file") << Edits() << QStringList() << 0 << Addresses() << "совпадают с файлом" << none << Signals();
    QTest::newRow("two settings") << two << QStringList() << 0 << Addresses{0x2520, 0x24E0} << "проверено: 2" << none << Signals();
    QTest::newRow("refused") << lower << QStringList{"--refuse-writes", "0x24E0:4"} << 6 << Addresses()
                             << "не принял запись: Канал 0: нижняя граница. Модуль ответил: сбой устройства (04)"
                             << none << Signals();
    QTest::newRow("not kept") << lower << QStringList{"--drop-writes", "0x24E0"} << 7 << Addresses{0x24E0}
                              << "не сохранил записанное: Канал 0: нижняя граница" << none << Signals();
    QTest::newRow("other type") << Edits{{"MODUL/Name", "ZT-2RTD-2AO"}} << QStringList() << 4 << Addresses()
                                << "ничего не записано" << none << Signals();
    QTest::newRow("bad value") << Edits{{"CHANAL1/MAXVALUE", 1373}} << QStringList() << 5 << Addresses()
                               << "CHANAL1/MAXVALUE = 1373" << none << Signals();
    // Read as 0, each would have been written as 0 and verified against 0.
    QTest::newRow("typo") << Edits{{"CHANAL0/MINVALUE", "-5O"}} << QStringList() << 5 << Addresses()
                          << "недопустимое значение MINVALUE=-5O" << none << Signals();
    QTest::newRow("missing key") << Edits{{"CHANAL0/MINVALUE", QVariant()}} << QStringList() << 5 << Addresses()
                                 << "нет ключа CHANAL0/MINVALUE" << none << Signals();
    QTest::newRow("silent") << lower << QStringList{"--silent"} << 3 << Addresses() << "не отвечает" << none << Signals();
    QTest::newRow("unanswered") << lower << QStringList{"--unanswered-writes", "0x24E0"} << 3 << Addresses()
                                << "не подтверждена: Канал 0: нижняя граница\nнижняя граница: в модуле -50" << none
                                << Signals();
    QTest::newRow("SIGHUP") << two << QStringList{"--delay", "600"} << 130 << Addresses{0x2520}
                            << "Не записаны: Канал 0: нижняя граница" << none << Signals{SIGHUP};
    QTest::newRow("second Ctrl+C") << lower << QStringList{"--unanswered-writes", "0x24E0"} << 130 << Addresses()
                                   << "Выход сразу" << none << Signals{SIGINT, SIGINT};
    QTest::newRow("1200 baud") << lower << QStringList() << 2 << Addresses() << "Недопустимая скорость: 1200 (2400,"
                               << QStringList{"--baud", "1200"} << Signals();
    QTest::newRow("7E1") << lower << QStringList() << 2 << Addresses() << "Недопустимый формат: 7E1"
                         << QStringList{"--format", "7E1"} << Signals();
}

void tst_Cli::writeVerifiesTheFile()
{
    QFETCH(Edits, edits);
    QFETCH(QStringList, simArgs);
    QFETCH(int, code);
    QFETCH(Addresses, written);
    QFETCH(QString, said);
    QFETCH(QStringList, options);
    QFETCH(Signals, interrupts);

    SimFixture sim;
    QVERIFY2(sim.start("ZT-2TI-2AO"), qPrintable(sim.errorString()));
    const QString file = dir.filePath(QString(QTest::currentDataTag()) + ".ztset");
    QCOMPARE(cli(sim, {"save", file}).code, 0);
    QSettings ini(file, QSettings::IniFormat);
    for (auto e = edits.cbegin(); e != edits.cend(); ++e)
        e.value().isValid() ? ini.setValue(e.key(), e.value()) : ini.remove(e.key());
    ini.sync();
    if (!simArgs.isEmpty())
        QVERIFY(sim.restartSimulator(simArgs));

    const int before = sim.acceptedWrites().size(), logged = sim.log().size();
    QProcess p;
    p.start(ZTCONFIG_CLI, QStringList{"write", file, "--port", sim.programPort()} + options);
    const auto writing = [&] {
        for (const QJsonObject &r : sim.log().mid(logged))
            if (r["function"].toInt() == 6 || r["function"].toInt() == 16)
                return true;
        return false;
    };
    QByteArray err;
    for (int i = 0; i < interrupts.size(); ++i) {
        QTRY_VERIFY_WITH_TIMEOUT(writing(), 30000);
        ::kill(pid_t(p.processId()), interrupts[i]);
        if (i + 1 < interrupts.size())  // two signals at once would be one
            QTRY_VERIFY((err += p.readAllStandardError()).contains("ещё раз Ctrl+C"));
    }
    QVERIFY(p.waitForFinished(60000));
    err += p.readAllStandardError();
    QCOMPARE(p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, code);
    for (const QString &line : said.split('\n'))
        QVERIFY2(QString::fromUtf8(err).contains(line), err.constData());
    Addresses addresses;
    for (const QJsonObject &w : sim.acceptedWrites().mid(before))
        addresses << w["address"].toInt();
    QCOMPARE(addresses, written);
}

void tst_Cli::readJsonNamesTheType()
{
    SimFixture sim;
    QVERIFY2(sim.start("ZT-1TI-2AO"), qPrintable(sim.errorString()));
    const Run run = cli(sim, {"read", "--json"});
    QCOMPARE(run.code, 0);
    const QJsonObject module = QJsonDocument::fromJson(run.out).object();
    QCOMPARE(module["type"].toString(), "ZT-1TI-2AO");
    const QJsonArray channels = module["channels"].toArray();
    QCOMPARE(channels.size(), 2);
    QCOMPARE(channels[0]["sensor"].toString(), "K от -200 до 1372 °С");
    QVERIFY(channels[1]["sensor"].isUndefined());  // the second output only
    QVERIFY(channels[1]["live"]["output"].isDouble());
}

void tst_Cli::reportIsAPdf()
{
    SimFixture sim;
    QVERIFY2(sim.start("PLB-2RTD-4-20-M"), qPrintable(sim.errorString()));
    const QString pdf = dir.filePath("record.pdf");
    QCOMPARE(cli(sim, {"report", pdf}).code, 0);
    QFile f(pdf);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.read(5) == "%PDF-");
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
