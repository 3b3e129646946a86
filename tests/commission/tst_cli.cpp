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

static Run run(const QStringList &args)
{
    QProcess p;
    p.start(ZTCONFIG_CLI, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

static Run cli(const SimFixture &sim, QStringList args)
{
    return run(args << "--port" << sim.programPort());
}

class tst_Cli : public QObject
{
    Q_OBJECT

private slots:
    void writeVerifiesTheFile_data();
    void writeVerifiesTheFile();
    void readJsonNamesTheType();
    void typeNotInTheCatalogue_data();
    void typeNotInTheCatalogue();
    void reportIsAPdf();
    void commandLine_data();
    void commandLine();
    void scanListsTheBus_data();
    void scanListsTheBus();
    void writeToEachOnTheBus();
    void gateway_data();
    void gateway();

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

// A module of the family reporting a type code no catalogue lists (0x0207):
// it connects, as in the window, but nothing that needs its type is done.
void tst_Cli::typeNotInTheCatalogue_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said");
    QTest::newRow("identify") << QStringList{"identify"} << 0 << "Тип модуля: не из каталога, код 0x0207";
    QTest::newRow("save") << QStringList{"save", dir.filePath("unknown.ztset")} << 3 << "Подключенное устройство не опознано";
    QTest::newRow("watch") << QStringList{"watch", "--count", "1"} << 3 << "Подключенное устройство не опознано";
}

void tst_Cli::typeNotInTheCatalogue()
{
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, said);
    SimFixture sim;
    QVERIFY2(sim.start("ZT-2TI-2AO", {"--output-marker", "0"}), qPrintable(sim.errorString()));
    const Run r = cli(sim, args);
    QCOMPARE(r.code, code);
    QVERIFY2(QString::fromUtf8(r.out + r.err).contains(said), (r.out + r.err).constData());
    QVERIFY(!QFile::exists(dir.filePath("unknown.ztset")));
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

// Refused before any port is opened: exit 2 and the reason.
void tst_Cli::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("said");

    QTest::newRow("scan from 0") << QStringList{"scan", "--from", "0"} << "Недопустимый адрес модуля: 0";
    QTest::newRow("scan downwards") << QStringList{"scan", "--from", "9", "--to", "3"} << "больше последнего: 9 > 3";
    QTest::newRow("scan one address") << QStringList{"scan", "--address", "3"} << "--address не относится к команде scan";
    QTest::newRow("--to for report") << QStringList{"report", "r.pdf", "--to", "3"} << "--to не относится к команде report";
    QTest::newRow("address twice") << QStringList{"write", "f", "--addresses", "3,5,2-4"} << "Адрес 3 в списке дважды";
    QTest::newRow("range downwards") << QStringList{"write", "f", "--addresses", "20-17"} << "не по возрастанию: 20-17";
    QTest::newRow("empty item") << QStringList{"write", "f", "--addresses", "3,,5"} << "в списке: \"\"";
    QTest::newRow("address 248") << QStringList{"write", "f", "--addresses", "1,248"} << "в списке: \"248\"";
    QTest::newRow("leading zeros") << QStringList{"write", "f", "--addresses", "0003"} << "в списке: \"0003\"";
    QTest::newRow("too long") << QStringList{"write", "f", "--addresses", QString("1,").repeated(500) + "1"} << "длиннее 1000";
    QTest::newRow("list and address") << QStringList{"write", "f", "--addresses", "3", "--address", "3"} << "вместе не";
    QTest::newRow("records of one") << QStringList{"write", "f", "--report-dir", "d"} << "вместе с --addresses";
    QTest::newRow("list for read") << QStringList{"read", "--addresses", "3"} << "--addresses не относится к команде read";
    QTest::newRow("--tcp and --port") << QStringList{"identify", "--tcp", "gw", "--port", "/dev/null"} << "вместе не";
    QTest::newRow("gateway name") << QStringList{"identify", "--tcp", "gw_1"} << "Недопустимый шлюз: gw_1";
    QTest::newRow("--baud behind a gateway") << QStringList{"identify", "--tcp", "gw", "--baud", "9600"}
                                             << "--baud не указывается с --tcp";
    QTest::newRow("--timeout 99") << QStringList{"identify", "--tcp", "gw", "--timeout", "99"} << "тайм-аут: 99";
    QTest::newRow("--timeout on a port") << QStringList{"identify", "--timeout", "500"} << "вместе с --tcp";
}

void tst_Cli::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, said);
    QProcess p;
    p.start(ZTCONFIG_CLI, args.contains("--tcp") ? args : args << "--port" << "/dev/null");
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY2(QString::fromUtf8(p.readAllStandardError()).contains(said), qPrintable(said));
}

static const QStringList bus{"--bus", "3:PLB-2TI-4-20-M,5:PLB-2RTD-4-20-M,17:PLB-2TI-4-20-M"};

void tst_Cli::scanListsTheBus_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out");

    QTest::newRow("three") << bus << QStringList{"--to", "20"} << 0
                           << "3 PLB-2TI-4-20-M 12.05.23\n5 PLB-2RTD-4-20-M 12.05.23\n17 PLB-2TI-4-20-M 12.05.23\n";
    QTest::newRow("json") << bus << QStringList{"--from", "4", "--to", "5", "--json"} << 0
                          << "{\"address\":5,\"firmware\":\"12.05.23\",\"type\":\"PLB-2RTD-4-20-M\"}\n";
    QTest::newRow("none") << bus << QStringList{"--from", "6", "--to", "16"} << 3 << "";
    QTest::newRow("refusing") << bus + QStringList{"--exception", "0x2000:2"} << QStringList{"--to", "3"} << 0
                              << "3 ответил: недопустимый адрес (02)\n";
}

void tst_Cli::scanListsTheBus()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, out);
    SimFixture sim;
    QVERIFY2(sim.start(QString(), simArgs), qPrintable(sim.errorString()));
    const Run run = cli(sim, QStringList{"scan"} + args);
    QCOMPARE(run.code, code);
    QCOMPARE(QString::fromUtf8(run.out), out);
    for (const QJsonObject &r : sim.log())  // read-only
        QVERIFY(r["function"] == 3 && r["address"] == 0x2000);
}

// The file to three modules of one type, the last of which refuses a write
// only it needs: it differs from the file in the output inversion.
void tst_Cli::writeToEachOnTheBus()
{
    SimFixture sim;
    QVERIFY2(sim.start(QString(), {"--bus", "3:PLB-2TI-4-20-M,5:PLB-2TI-4-20-M,17:PLB-2TI-4-20-M"}),
             qPrintable(sim.errorString()));
    const QString file = dir.filePath("bus.ztset"), inverted = dir.filePath("inverted.ztset");
    QCOMPARE(cli(sim, {"save", file, "--address", "3"}).code, 0);
    QFile::copy(file, inverted);
    QSettings(inverted, QSettings::IniFormat).setValue("CHANAL1/INVout", true);
    QCOMPARE(cli(sim, {"write", inverted, "--address", "17"}).code, 0);
    QSettings(file, QSettings::IniFormat).setValue("CHANAL0/MINVALUE", -50);  // all three need this
    QVERIFY(sim.restartSimulator({"--refuse-writes", "0x2520:4"}));

    const QString records = dir.filePath("records");
    const Run run = cli(sim, {"write", file, "--addresses", "3,17,5", "--report-dir", records});
    QCOMPARE(run.code, 6);
    QCOMPARE(QString::fromUtf8(run.out).section('\n', -4),
             "3 выполнено (код 0)\n17 не принял запись (код 6)\n5 выполнено (код 0)\n");
    QStringList written;
    for (const QJsonObject &w : sim.acceptedWrites())
        written << QString("%1:%2").arg(w["server"].toInt()).arg(w["address"].toInt(), 0, 16);
    QCOMPARE(written, QStringList({"17:2520", "3:24e0", "5:24e0"}));  // 17 refuses what it needs first
    QCOMPARE(QDir(records).entryList(QDir::Files), QStringList({"003.pdf", "005.pdf", "017.pdf"}));
}

void tst_Cli::gateway_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<bool>("listening");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("said"); // on stdout or stderr

    QTest::newRow("identify") << QStringList() << true << "identify" << 0 << "Тип модуля: ZT-2TI-2AO";
    QTest::newRow("write") << QStringList() << true << "write" << 0 << "Записано и проверено: 1";
    QTest::newRow("refused") << QStringList() << false << "identify" << 3 << "127.0.0.1:%1 отказал в соединении";
    QTest::newRow("exception 0B") << QStringList{"--gateway-silent"} << true << "identify" << 3
                                  << "Нет связи с модулем: шлюз: устройство не ответило (0B)";
}

void tst_Cli::gateway()
{
    QFETCH(QStringList, simArgs);
    QFETCH(bool, listening);
    QFETCH(QString, command);
    QFETCH(QString, said);
    SimFixture sim;
    QVERIFY2(sim.startTcp("ZT-2TI-2AO", simArgs), qPrintable(sim.errorString()));
    if (!listening)
        sim.stopSimulator(); // the port closes
    const QStringList tcp{"--tcp", QString("127.0.0.1:%1").arg(sim.tcpPort())};
    QStringList args{command};
    if (command == "write") {
        args << dir.filePath("gateway.ztset");
        QCOMPARE(run(QStringList{"save", args.last()} + tcp).code, 0);
        QSettings(args.last(), QSettings::IniFormat).setValue("CHANAL0/MINVALUE", -50);
    }
    const Run r = run(args + tcp);
    QTEST(r.code, "code");
    QVERIFY2((r.out + r.err).contains(said.arg(sim.tcpPort()).toUtf8()), r.err.constData());
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
