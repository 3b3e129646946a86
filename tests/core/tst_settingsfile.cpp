// Settings files from literal INI text, and the check and steps of writing
// one to a module.

#include "settings/filewrite.h"
#include "settings/modulesettings.h"
#include "../support/settingstext.h"

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
    QTest::addColumn<QString>("where");  // the key of a bad value, the line of a bad line

    ModuleSettings nameOnly;
    nameOnly.Name = "ZT-1TI-1AO";
    ModuleSettings converted;
    converted.MinValue_CH0 = -50;
    converted.TI_CH0 = converted.INVout_CH0 = converted.AIFast_CH0 = true;
    converted.RTDConnect_CH1 = 2;
    converted.MaxValue_CH1 = 1200;
    const ModuleSettings defaults;
    QTest::newRow("only the name") << QByteArray("[MODUL]\nName=ZT-1TI-1AO\n") << nameOnly << sf::Status::Ok << "";
    QTest::newRow("as written, and by hand")
        << QByteArray("[CHANAL0]\nMINVALUE=-50\nTI=1\nINVout=true\nAIFAST=True\n"
                      "[CHANAL1]\nTI=0\nINVout=FALSE\nRTDConnect=2\nMAXVALUE=1200\n")
        << converted << sf::Status::Ok << "";
    QTest::newRow("escapes, quotes, CRLF") << QByteArray("\xEF\xBB\xBF[MODUL]\r\nName=\"ZT-1TI-1AO\"\r\n[CHANAL%30]\r\n; note\r\n")
                                           << nameOnly << sf::Status::Ok << "";
    QTest::newRow("other spellings")
        << QByteArray("[CHANNEL0]\nRANGE=3\n[CHANAL0]\nrange=4\nINVOUT=true\nRtdConnect=1\n[CHANAL1]\nAIFAST=true\n")
        << defaults << sf::Status::Ok << "";
    QTest::newRow("not INI") << QByteArray("[MODUL\nName=ZT-1TI-1AO\n") << defaults << sf::Status::FormatError << "1";
    QTest::newRow("twice") << QByteArray("[CHANAL0]\nTI=true\n[CHANAL0]\nTI=false\n") << defaults << sf::Status::FormatError << "4";
    // A value the settings store would turn into an object: never read as one.
    static const char variant[] = "[MODUL]\nName=@Variant(\0\0\0\t\x7f\xff\xff\xff)\n";
    QTest::newRow("@Variant name") << QByteArray(variant, sizeof variant - 1)
                                   << defaults << sf::Status::FormatError << "2";
    QTest::newRow("@ByteArray") << QByteArray("[CHANAL0]\nMINVALUE=@ByteArray(5)\n") << defaults << sf::Status::BadValue
                                << "CHANAL0/MINVALUE";
    QTest::newRow("too large") << QByteArray("[MODUL]\n") + QByteArray(64 * 1024, ';') << defaults
                               << sf::Status::TooLarge << "";
    // Typed wrongly, each would have read as 0 or true and been written so.
    const QByteArray bad[][2] = {{"MINVALUE", "abc"}, {"MINVALUE", "1e3"}, {"MINVALUE", "0x10"}, {"MINVALUE", "4294967296"},
                                 {"MINVALUE", "-5O"}, {"MINVALUE", "+5"}, {"MINVALUE", "32768"}, {"MINVALUE", ""},
                                 {"RANGE", "-1"}, {"TI", "no"}, {"TI", "off"}, {"TI", ""}, {"INVout", "1,0"}};
    for (const auto &b : bad)
        QTest::newRow(b[0] + "=" + b[1]) << "[CHANAL0]\n" + b[0] + "=" + b[1] + "\n" << defaults << sf::Status::BadValue
                                         << "CHANAL0/" + QString(b[0]);
    QTest::newRow("unknown type") << QByteArray("[MODUL]\nName=ZT-9\n") << defaults << sf::Status::BadValue << "MODUL/Name";
}

void TstSettingsFile::load()
{
    QFETCH(QByteArray, text);
    QFETCH(ModuleSettings, expected);
    QFETCH(sf::Status, status);
    QFETCH(QString, where);
    ModuleSettings loaded;
    loaded.Name = "left over";
    sf::LoadError error;
    QCOMPARE(sf::load(write(text), &loaded, &error), status);
    QVERIFY(loaded == expected);
    QCOMPARE(error.status, status);
    if (status == sf::Status::BadValue)
        QCOMPARE(error.section + '/' + error.key, where);
    if (status == sf::Status::FormatError)
        QCOMPARE(QString::number(error.line), where);
    QCOMPARE(sf::load(dir.filePath("missing"), &loaded), sf::Status::NotFound);
}

void TstSettingsFile::saveKeepsWhatItDoesNotKnow()
{
    const QString path = write("[CHANAL1]\nAIFAST=true\n[OTHER]\nx=1\ny=@Variant(\\0)\n");
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
                     "[MODUL]|Name=ZT-2RTD-2AO|[OTHER]|x=1|y=@Variant(\\0)").split('|'));
    // A kept key that begins with a byte-order mark stays a key.
    const QString marked = write("[]\n\xEF\xBB\xBF[MODUL]=x\n");
    QCOMPARE(sf::save(marked, s), sf::Status::Ok);
    ModuleSettings back;
    QCOMPARE(sf::load(marked, &back), sf::Status::Ok);
    QCOMPARE(back, s);
    // A folder that cannot hold the file (root may write anywhere else).
    QCOMPARE(sf::save(path + "/sub", s), sf::Status::AccessError);
    // Nothing that is no settings file is replaced by the keys alone.
    const QString large = write(QByteArray(64 * 1024 + 1, ';'));
    QCOMPARE(sf::save(large, s), sf::Status::TooLarge);
    QCOMPARE(QFileInfo(large).size(), 64 * 1024 + 1);
}

void TstSettingsFile::check_data()
{
    QTest::addColumn<QString>("moduleType");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Problem::Kind>("kind");
    QTest::addColumn<QString>("key");

    const QString t = "ZT-2TI-2AO";
    QTest::newRow("fits") << t << settingsText(t, {{"CHANAL0/RANGE", "1"}, {"CHANAL0/MINVALUE", "-200"}, {"CHANAL0/MAXVALUE", "1372"}})
                          << Problem::None << "";
    QTest::newRow("other type") << "ZT-2RTD-2AO" << settingsText(t) << Problem::WrongType << "";
    QTest::newRow("no type known") << "" << QByteArray("[MODUL]\nName=\n") << Problem::WrongType << "";
    QTest::newRow("range beyond list") << t << settingsText(t, {{"CHANAL1/RANGE", "12"}}) << Problem::BadValue << "CHANAL1/RANGE";
    QTest::newRow("wiring") << t << settingsText(t, {{"CHANAL0/RTDConnect", "3"}}) << Problem::BadValue << "CHANAL0/RTDConnect";
    QTest::newRow("below K") << t << settingsText(t, {{"CHANAL0/RANGE", "1"}, {"CHANAL0/MINVALUE", "-201"}}) << Problem::BadValue
                             << "CHANAL0/MINVALUE";
    QTest::newRow("above K") << t << settingsText(t, {{"CHANAL0/RANGE", "1"}, {"CHANAL0/MAXVALUE", "1373"}}) << Problem::BadValue
                             << "CHANAL0/MAXVALUE";
    QTest::newRow("RTD row 18") << "PLB-2RTD-4-20-M" << settingsText("PLB-2RTD-4-20-M", {{"CHANAL1/RANGE", "18"}}) << Problem::None << "";
    // Only what the type has is required, and judged by its range.
    QTest::newRow("missing limit") << t << settingsText(t, {{"CHANAL1/MINVALUE", QString()}}) << Problem::MissingKey << "CHANAL1/MINVALUE";
    QTest::newRow("missing name") << t << settingsText(t, {{"MODUL/Name", QString()}}) << Problem::WrongType << "";
    QTest::newRow("1TI: channel 1 lacks limits") << "ZT-1TI-1AO"
        << settingsText("ZT-1TI-1AO", {{"CHANAL1/MINVALUE", QString()}, {"CHANAL1/MAXVALUE", QString()}, {"CHANAL0/RTDConnect", QString()}, {"CHANAL1/TI", QString()}})
        << Problem::None << "";
    QTest::newRow("1TI: channel 1 not judged by J") << "ZT-1TI-1AO" << settingsText("ZT-1TI-1AO", {{"CHANAL1/MINVALUE", "-300"}})
                                                   << Problem::None << "";
    QTest::newRow("AI: fast conversion missing") << "ZT-1AI-2AO" << settingsText("ZT-1AI-2AO", {{"CHANAL0/AIFAST", QString()}})
                                                 << Problem::MissingKey << "CHANAL0/AIFAST";
}

void TstSettingsFile::check()
{
    QFETCH(QString, moduleType);
    QFETCH(QByteArray, text);
    QFETCH(Problem::Kind, kind);
    QFETCH(QString, key);
    ModuleSettings s;
    sf::LoadError error;
    QVERIFY2(sf::load(write(text), &s, &error) == sf::Status::Ok, qPrintable(sf::errorText("", error)));
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
