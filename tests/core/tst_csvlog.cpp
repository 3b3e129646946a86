// The CSV log of live values: its two dialects, the hourly files and failed writes.

#include "livelog/csvlog.h"
#include "module/catalogue.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

using namespace zt::livelog;

Q_DECLARE_METATYPE(Dialect)

static QDateTime at(int hour, int minute, int second, int ms)  // Moscow time, whatever the test machine's
{
    return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second, ms), Qt::OffsetFromUTC, 3 * 3600);
}

static QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

class tst_CsvLog : public QObject
{
    Q_OBJECT

private slots:
    void dialects_data();
    void dialects();
    void hourlyFiles_data();
    void hourlyFiles();
    void failedWritesAreReported_data();
    void failedWritesAreReported();

private:
    const LogHeader header{"ZT-2TI-2AO", "1\"2", "/dev/ttyUSB0", "9600 8N1, адрес 1",
                           zt::catalogue::positionOfName("ZT-2TI-2AO")};
    QTemporaryDir dir;
};

void tst_CsvLog::dialects_data()
{
    QTest::addColumn<Dialect>("dialect");
    QTest::addColumn<int>("utcOffset");  // seconds
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("port");
    QTest::newRow("spreadsheet") << Dialect::Spreadsheet << 3 * 3600 << QString::fromUtf8(
        "\xEF\xBB\xBFТип модуля;ZT-2TI-2AO\r\n"
        "Прошивка;\"1\"\"2\"\r\n"
        "Порт;/dev/ttyUSB0\r\n"
        "Параметры связи;9600 8N1, адрес 1\r\n"
        "Время;Канал 0: вход, мВ;Канал 0: температура, °C;Канал 0: выход, мА;Канал 0: холодный спай, °C;"
        "Канал 1: вход, мВ;Канал 1: температура, °C;Канал 1: выход, мА;Канал 1: холодный спай, °C\r\n"
        "2026-12-07T17:05:09.250+03:00;-1,5;;12,25;21,5;;-40;4;21,5\r\n") << header.port;
    const QString rfc = QString::fromUtf8(
        "Тип модуля,ZT-2TI-2AO\r\n"
        "Прошивка,\"1\"\"2\"\r\n"
        "Порт,/dev/ttyUSB0\r\n"
        "Параметры связи,\"9600 8N1, адрес 1\"\r\n"
        "Время,\"Канал 0: вход, мВ\",\"Канал 0: температура, °C\",\"Канал 0: выход, мА\",\"Канал 0: холодный спай, °C\","
        "\"Канал 1: вход, мВ\",\"Канал 1: температура, °C\",\"Канал 1: выход, мА\",\"Канал 1: холодный спай, °C\"\r\n"
        "2026-12-07T17:05:09.250-05:30,-1.5,,12.25,21.5,,-40,4,21.5\r\n");
    QTest::newRow("rfc4180") << Dialect::Rfc4180 << -(5 * 3600 + 30 * 60) << rfc << header.port;
    QTest::newRow("a formula for a port") << Dialect::Rfc4180 << -(5 * 3600 + 30 * 60)
                                          << QString(rfc).replace("/dev/ttyUSB0", "\"'=1+2\"") << "=1+2";
}

void tst_CsvLog::dialects()
{
    QFETCH(Dialect, dialect);
    QFETCH(int, utcOffset);
    QFETCH(QString, expected);
    QFETCH(QString, port);
    const QString path = dir.filePath(QString(QTest::currentDataTag()) + ".csv");
    CsvLog log({header.typeName, header.firmware, port, header.line, header.position}, dialect);
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    QVERIFY(log.startFile(path, false, at(17, 5, 9, 0)));
    const QDateTime time(QDate(2026, 12, 7), QTime(17, 5, 9, 250), Qt::OffsetFromUTC, utcOffset);
    QVERIFY(log.append(time, {{-1.5f, inf}, {nan, -40}, {12.25f, 4}, {21.5f, 21.5f}}));
    QCOMPARE(QString::fromUtf8(contents(path)), expected);
}

void tst_CsvLog::hourlyFiles_data()
{
    QTest::addColumn<QVector<QDateTime>>("rows");  // the log starts at the first
    QTest::addColumn<QStringList>("files");        // with the rows each holds
    QTest::addColumn<QVector<int>>("rowCounts");
    QTest::newRow("within the hour") << QVector<QDateTime>{at(17, 0, 0, 0), at(17, 59, 59, 999)}
                                     << QStringList{"log_2026-12-07_17-00-00.csv"} << QVector<int>{2};
    QTest::newRow("across the hour") << QVector<QDateTime>{at(17, 59, 59, 500), at(18, 0, 0, 100), at(18, 0, 0, 800)}
                                     << QStringList{"log_2026-12-07_17-59-59.csv", "log_2026-12-07_18-00-00.csv"}
                                     << QVector<int>{1, 2};
}

void tst_CsvLog::hourlyFiles()
{
    QFETCH(QVector<QDateTime>, rows);
    QFETCH(QStringList, files);
    QFETCH(QVector<int>, rowCounts);
    QTemporaryDir folder;
    CsvLog log(header, Dialect::Rfc4180);
    QVERIFY(log.startFile(folder.filePath("log.csv"), true, rows.first()));
    for (const QDateTime &t : rows)
        QVERIFY2(log.append(t, {}), qPrintable(log.errorString()));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), files);
    const QByteArray head = headerText(header, Dialect::Rfc4180);
    for (int i = 0; i < files.size(); ++i) {
        const QByteArray text = contents(folder.filePath(files[i]));
        QVERIFY(text.startsWith(head));
        QCOMPARE(text.count('\n') - head.count('\n'), rowCounts[i]);
    }
}

void tst_CsvLog::failedWritesAreReported_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("removeFolder");  // after the start
    QTest::addColumn<QString>("said");
    QTest::newRow("no folder") << dir.filePath("none/log.csv") << false << "не удалось открыть файл";
    QTest::newRow("disk full") << "/dev/full" << false << "не удалось записать в /dev/full";
    QTest::newRow("folder removed") << dir.filePath("gone/log.csv") << true << "удалён";
}

void tst_CsvLog::failedWritesAreReported()
{
    QFETCH(QString, path);
    QFETCH(bool, removeFolder);
    QFETCH(QString, said);
    QDir().mkpath(dir.filePath("gone"));
    CsvLog log(header, Dialect::Rfc4180);
    const bool started = log.startFile(path, false, at(17, 0, 0, 0));
    QCOMPARE(started, removeFolder);
    if (removeFolder) {
        QVERIFY(QDir(dir.filePath("gone")).removeRecursively());
        QVERIFY(!log.append(at(17, 0, 1, 0), {}));
    }
    QVERIFY2(log.errorString().contains(said), qPrintable(log.errorString()));
}

QTEST_GUILESS_MAIN(tst_CsvLog)
#include "tst_csvlog.moc"
