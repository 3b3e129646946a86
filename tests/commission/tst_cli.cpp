// ztconfig-cli run as a production line runs it, against the simulator.

#include "simfixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using Edits = QVariantMap;  // settings-file key -> value
using Addresses = QVector<int>;

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
    QTest::addColumn<QString>("said");

    const Edits two{{"CHANAL0/MINVALUE", -50}, {"CHANAL1/INVout", true}};
    const Edits lower{{"CHANAL0/MINVALUE", -50}};
    QTest::newRow("same file") << Edits() << QStringList() << 0 << Addresses() << "совпадают с файлом";
    QTest::newRow("two settings") << two << QStringList() << 0 << Addresses{0x2520, 0x24E0} << "проверено: 2";
    QTest::newRow("refused") << lower << QStringList{"--refuse-writes", "0x24E0:4"} << 6 << Addresses()
                             << "не принял запись: Канал 0: нижняя граница";
    QTest::newRow("not kept") << lower << QStringList{"--drop-writes", "0x24E0"} << 7 << Addresses{0x24E0}
                              << "не сохранил записанное: Канал 0: нижняя граница";
    QTest::newRow("other type") << Edits{{"MODUL/Name", "ZT-2RTD-2AO"}} << QStringList() << 4 << Addresses()
                                << "ничего не записано";
    QTest::newRow("bad value") << Edits{{"CHANAL1/MAXVALUE", 1373}} << QStringList() << 5 << Addresses()
                               << "CHANAL1/MAXVALUE = 1373";
    QTest::newRow("silent") << lower << QStringList{"--silent"} << 3 << Addresses() << "не отвечает";
}

void tst_Cli::writeVerifiesTheFile()
{
    QFETCH(Edits, edits);
    QFETCH(QStringList, simArgs);
    QFETCH(int, code);
    QFETCH(Addresses, written);
    QFETCH(QString, said);

    SimFixture sim;
    QVERIFY2(sim.start("ZT-2TI-2AO"), qPrintable(sim.errorString()));
    const QString file = dir.filePath(QString(QTest::currentDataTag()) + ".ztset");
    QCOMPARE(cli(sim, {"save", file}).code, 0);
    QSettings ini(file, QSettings::IniFormat);
    for (auto e = edits.cbegin(); e != edits.cend(); ++e)
        ini.setValue(e.key(), e.value());
    ini.sync();
    if (!simArgs.isEmpty())
        QVERIFY(sim.restartSimulator(simArgs));

    const int before = sim.acceptedWrites().size();
    const Run run = cli(sim, {"write", file});
    QCOMPARE(run.code, code);
    QVERIFY2(QString::fromUtf8(run.err).contains(said), run.err.constData());
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
