// Settings files from literal INI text, and the check and steps of writing
// one to a module.

#include "settings/filewrite.h"
#include "settings/modulesettings.h"

#include <QtTest>

using namespace zt;
namespace sf = zt::settingsfile;
using Problem = filewrite::Problem;
Q_DECLARE_METATYPE(zt::ModuleSettings)
Q_DECLARE_METATYPE(zt::filewrite::Problem::Kind)
Q_DECLARE_METATYPE(zt::settingsfile::Status)

class TstSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void saveKeepsWhatItDoesNotKnow();
    void check_data();
    void check();
    void plan();

private:
    QString write(const QByteArray &text)
    {
        const QString path = dir.filePath(QString::number(files++));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(text);
        return path;
    }
    QTemporaryDir dir;
    int files = 0;
};

void TstSettingsFile::load_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ModuleSettings>("expected");
    QTest::addColumn<sf::Status>("status");

    ModuleSettings nameOnly;
    nameOnly.Name = "ZT-1TI-1AO";
    ModuleSettings converted;
    converted.MinValue_CH0 = -50;
    converted.TI_CH0 = converted.INVout_CH0 = converted.AIFast_CH0 = true;
    converted.RTDConnect_CH1 = 2;
    converted.MaxValue_CH1 = 1200;
    const ModuleSettings defaults;
    QTest::newRow("only the name") << QByteArray("[MODUL]\nName=ZT-1TI-1AO\n") << nameOnly << sf::Status::Ok;
    QTest::newRow("conversions")
        << QByteArray("[CHANAL0]\nRANGE=abc\nMINVALUE=-50\nTI=1\nINVout=yes\nAIFAST=True\n"
                      "[CHANAL1]\nTI=0\nINVout=FALSE\nRTDConnect=2\nMAXVALUE=1200\n")
        << converted << sf::Status::Ok;
    QTest::newRow("empty switch") << QByteArray("[CHANAL0]\nTI=\n") << defaults << sf::Status::Ok;
    QTest::newRow("other spellings")
        << QByteArray("[CHANNEL0]\nRANGE=3\n[CHANAL0]\nrange=4\nINVOUT=true\nRtdConnect=1\n[CHANAL1]\nAIFAST=true\n")
        << defaults << sf::Status::Ok;
    QTest::newRow("not INI") << QByteArray("[MODUL\nName=ZT-1TI-1AO\n") << defaults << sf::Status::FormatError;
}

void TstSettingsFile::load()
{
    QFETCH(QByteArray, text);
    QFETCH(ModuleSettings, expected);
    QFETCH(sf::Status, status);
    ModuleSettings loaded;
    loaded.Name = "left over";
    QCOMPARE(sf::load(write(text), &loaded), status);
    QVERIFY(loaded == expected);
    QCOMPARE(sf::load(dir.filePath("missing"), &loaded), sf::Status::NotFound);
}

void TstSettingsFile::saveKeepsWhatItDoesNotKnow()
{
    const QString path = write("[CHANAL1]\nAIFAST=true\n[OTHER]\nx=1\n");
    ModuleSettings s;
    s.Name = "ZT-2RTD-2AO";
    s.Range_CH0 = 5;
    s.MinValue_CH1 = -40;
    s.INVout_CH1 = true;
    QCOMPARE(sf::save(path, s), sf::Status::Ok);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts),
             QString("[CHANAL0]|AIFAST=false|INVout=false|MAXVALUE=0|MINVALUE=0|RANGE=5|RTDConnect=0|TI=false|"
                     "[CHANAL1]|AIFAST=true|INVout=true|MAXVALUE=0|MINVALUE=-40|RANGE=0|RTDConnect=0|TI=false|"
                     "[MODUL]|Name=ZT-2RTD-2AO|[OTHER]|x=1").split('|'));
    // A folder that cannot hold the file (root may write anywhere else).
    QCOMPARE(sf::save(path + "/sub", s), sf::Status::AccessError);
}

void TstSettingsFile::check_data()
{
    QTest::addColumn<QString>("moduleType");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Problem::Kind>("kind");
    QTest::addColumn<QString>("key");

    const QByteArray k = "[MODUL]\nName=ZT-2TI-2AO\n[CHANAL0]\nRANGE=1\n";
    QTest::newRow("fits") << "ZT-2TI-2AO" << k + "MINVALUE=-200\nMAXVALUE=1372\n" << Problem::None << "";
    QTest::newRow("other type") << "ZT-2RTD-2AO" << k << Problem::WrongType << "";
    QTest::newRow("no type known") << "" << QByteArray("[MODUL]\nName=\n") << Problem::WrongType << "";
    QTest::newRow("unknown type") << "ZT-9" << QByteArray("[MODUL]\nName=ZT-9\n") << Problem::WrongType << "";
    QTest::newRow("range beyond list") << "ZT-2TI-2AO" << k + "[CHANAL1]\nRANGE=12\n" << Problem::BadValue << "CHANAL1/RANGE";
    QTest::newRow("wiring") << "ZT-2TI-2AO" << k + "RTDConnect=3\n" << Problem::BadValue << "CHANAL0/RTDConnect";
    QTest::newRow("below K") << "ZT-2TI-2AO" << k + "MINVALUE=-201\n" << Problem::BadValue << "CHANAL0/MINVALUE";
    QTest::newRow("above K") << "ZT-2TI-2AO" << k + "MAXVALUE=1373\n" << Problem::BadValue << "CHANAL0/MAXVALUE";
    QTest::newRow("RTD row 18") << "PLB-2RTD-4-20-M" << QByteArray("[MODUL]\nName=PLB-2RTD-4-20-M\n[CHANAL1]\nRANGE=18\n")
                                << Problem::None << "";
    QTest::newRow("P: 16 bits") << "ZT-1P-1AO" << QByteArray("[MODUL]\nName=ZT-1P-1AO\n[CHANAL1]\nMAXVALUE=40000\n")
                                << Problem::BadValue << "CHANAL1/MAXVALUE";
}

void TstSettingsFile::check()
{
    QFETCH(QString, moduleType);
    QFETCH(QByteArray, text);
    QFETCH(Problem::Kind, kind);
    QFETCH(QString, key);
    ModuleSettings s;
    sf::load(write(text), &s);
    const Problem problem = filewrite::check(s, moduleType);
    QCOMPARE(problem.kind, kind);
    QCOMPARE(problem.key, key);
}

void TstSettingsFile::plan()
{
    ModuleSettings p;
    p.Name = "ZT-1P-1AO";
    p.MinValue_CH0 = -50;
    QList<QPair<int, int>> writes;
    int totalMs = 0;
    for (const filewrite::Step &step : filewrite::plan(p)) {
        totalMs += step.nextAfterMs;
        if (step.write)
            writes.append({step.address, step.value});
    }
    QCOMPARE(writes, (QList<QPair<int, int>>{{0x24E2, 2}, {0x24E5, 2}, {0x2474, 0}, {0x2520, 0}, {0x2470, 0},
                                              {0x24E0, 0xFFCE}, {0x24E1, 0}, {0x24E3, 0}, {0x24E4, 0}}));
    QCOMPARE(totalMs, 6500);
}

QTEST_GUILESS_MAIN(TstSettingsFile)
#include "tst_settingsfile.moc"
