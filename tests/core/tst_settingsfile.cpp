// Settings files from literal INI text, and the check and steps of writing
// one to a module.

#include "settings/filewrite.h"
#include "settings/modulesettings.h"

#include <QtTest>

using namespace zt;
namespace sf = zt::settingsfile;
Q_DECLARE_METATYPE(zt::ModuleSettings)
Q_DECLARE_METATYPE(zt::filewrite::Problem::Kind)

class TstSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void saveKeepsWhatItDoesNotKnow();
    void failuresAreReported();
    void check_data();
    void check();
    void plan();

private:
    QString write(const QByteArray &text);
    QTemporaryDir dir;
};

QString TstSettingsFile::write(const QByteArray &text)
{
    static int n = 0;
    const QString path = dir.filePath(QStringLiteral("f%1.ztset").arg(n++));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(text);
    return path;
}

void TstSettingsFile::load_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<ModuleSettings>("expected");

    ModuleSettings nameOnly;
    nameOnly.Name = "ZT-1TI-1AO";
    QTest::newRow("only the name") << QByteArray("[MODUL]\nName=ZT-1TI-1AO\n") << nameOnly;

    ModuleSettings converted;
    converted.MinValue_CH0 = -50;
    converted.TI_CH0 = converted.INVout_CH0 = converted.AIFast_CH0 = true;
    converted.RTDConnect_CH1 = 2;
    converted.MaxValue_CH1 = 1200;
    QTest::newRow("conversions")
        << QByteArray("[CHANAL0]\nRANGE=abc\nMINVALUE=-50\nTI=1\nINVout=yes\nAIFAST=True\n"
                      "[CHANAL1]\nTI=0\nINVout=FALSE\nRTDConnect=2\nMAXVALUE=1200\n")
        << converted;
    QTest::newRow("empty switch") << QByteArray("[CHANAL0]\nTI=\n") << ModuleSettings();
    QTest::newRow("other spellings are other keys")
        << QByteArray("[CHANNEL0]\nRANGE=3\n[CHANAL0]\nrange=4\nINVOUT=true\nRtdConnect=1\n[CHANAL1]\nAIFAST=true\n")
        << ModuleSettings();
}

void TstSettingsFile::load()
{
    QFETCH(QByteArray, text);
    QFETCH(ModuleSettings, expected);
    ModuleSettings loaded;
    QCOMPARE(sf::load(write(text), &loaded), sf::Status::Ok);
    QVERIFY(loaded == expected);
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
    const QString text = QString::fromUtf8(f.readAll());
    for (const char *section : {"[CHANAL0]", "[CHANAL1]", "[MODUL]", "[OTHER]", "x=1", "AIFAST=true",
                                "Name=ZT-2RTD-2AO", "RANGE=5", "RANGE=0", "RTDConnect=0", "AIFAST=false",
                                "INVout=false", "INVout=true", "TI=false", "MINVALUE=-40", "MAXVALUE=0"})
        QVERIFY2(text.contains(QLatin1String(section)), section);

    ModuleSettings back;
    QCOMPARE(sf::load(path, &back), sf::Status::Ok);
    QVERIFY(back == s);
}

void TstSettingsFile::failuresAreReported()
{
    ModuleSettings s;
    s.Name = "left over";
    QCOMPARE(sf::load(write("[MODUL\nName=x\n"), &s), sf::Status::FormatError);
    QVERIFY(s == ModuleSettings());
    QCOMPARE(sf::load(dir.filePath("missing.ztset"), &s), sf::Status::NotFound);
    QCOMPARE(sf::load(QString(), &s), sf::Status::NotFound);
    // A folder that cannot hold the file (root may write anywhere else).
    QCOMPARE(sf::save(write("") + "/sub.ztset", s), sf::Status::AccessError);
    QCOMPARE(sf::save(QString(), s), sf::Status::NotFound);
}

void TstSettingsFile::check_data()
{
    QTest::addColumn<QString>("moduleType");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<filewrite::Problem::Kind>("kind");
    QTest::addColumn<QString>("key");

    using P = filewrite::Problem;
    const QByteArray k = "[MODUL]\nName=ZT-2TI-2AO\n[CHANAL0]\nRANGE=1\n";
    QTest::newRow("fits") << "ZT-2TI-2AO" << k + "MINVALUE=-200\nMAXVALUE=1372\n" << P::None << "";
    QTest::newRow("other type") << "ZT-2RTD-2AO" << k << P::WrongType << "";
    QTest::newRow("no type known") << "" << QByteArray("[MODUL]\nName=\n") << P::WrongType << "";
    QTest::newRow("unknown type") << "ZT-9" << QByteArray("[MODUL]\nName=ZT-9\n") << P::WrongType << "";
    QTest::newRow("range beyond list") << "ZT-2TI-2AO" << k + "[CHANAL1]\nRANGE=12\n" << P::BadValue << "CHANAL1/RANGE";
    QTest::newRow("wiring") << "ZT-2TI-2AO" << k + "RTDConnect=3\n" << P::BadValue << "CHANAL0/RTDConnect";
    QTest::newRow("below K") << "ZT-2TI-2AO" << k + "MINVALUE=-201\n" << P::BadValue << "CHANAL0/MINVALUE";
    QTest::newRow("above K") << "ZT-2TI-2AO" << k + "MAXVALUE=1373\n" << P::BadValue << "CHANAL0/MAXVALUE";
    QTest::newRow("RTD row 18") << "PLB-2RTD-4-20-M" << QByteArray("[MODUL]\nName=PLB-2RTD-4-20-M\n[CHANAL1]\nRANGE=18\n")
                                << P::None << "";
    QTest::newRow("P: 16 bits") << "ZT-1P-1AO" << QByteArray("[MODUL]\nName=ZT-1P-1AO\n[CHANAL1]\nMAXVALUE=40000\n")
                                << P::BadValue << "CHANAL1/MAXVALUE";
}

void TstSettingsFile::check()
{
    QFETCH(QString, moduleType);
    QFETCH(QByteArray, text);
    QFETCH(filewrite::Problem::Kind, kind);
    QFETCH(QString, key);
    ModuleSettings s;
    sf::load(write(text), &s);
    const filewrite::Problem problem = filewrite::check(s, moduleType);
    QCOMPARE(problem.kind, kind);
    QCOMPARE(problem.key, key);
}

void TstSettingsFile::plan()
{
    ModuleSettings p;
    p.Name = "ZT-1P-1AO";
    p.MinValue_CH0 = -50;
    QList<int> addresses;
    int totalMs = 0;
    for (const filewrite::Step &step : filewrite::plan(p)) {
        totalMs += step.nextAfterMs;
        if (step.write)
            addresses << step.address;
        if (step.address == 0x24E0)
            QCOMPARE(step.value, quint16(0xFFCE));
    }
    QCOMPARE(addresses, (QList<int>{0x24E2, 0x24E5, 0x2474, 0x2520, 0x2470, 0x24E0, 0x24E1, 0x24E3, 0x24E4}));
    QCOMPARE(totalMs, 6500);

    ModuleSettings rtd;
    rtd.Name = "ZT-2RTD-2AO";
    rtd.Range_CH0 = 5;
    rtd.Range_CH1 = 1;
    QCOMPARE(filewrite::plan(rtd).at(0).value, quint16(33));  // 100П
    QCOMPARE(filewrite::plan(rtd).at(1).value, quint16(32));  // Pt100, not Pt1000
}

QTEST_GUILESS_MAIN(TstSettingsFile)
#include "tst_settingsfile.moc"
