// The English catalogue: complete, and a window that reads it changes
// nothing that reaches the settings files.

#include "fakes.h"

#include "app/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context, source, translation, type;
};

QVector<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QVector<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            messages.append({context, {}, {}, {}});
        else if (xml.name() == QLatin1String("source"))  // <byte value="xd"/> inside: a carriage return
            messages.last().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else if (xml.name() == QLatin1String("translation")) {
            messages.last().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return messages;
}

// What a translation must keep: its arguments, and a mnemonic when the source has one.
QStringList kept(const QString &text)
{
    QStringList marks;
    for (auto m = QRegularExpression(QStringLiteral("%\\d|&")).globalMatch(text); m.hasNext();)
        marks << m.next().captured();
    marks.sort();
    marks.removeDuplicates();
    return marks;
}

void useEnglish()
{
    if (qApp->findChildren<QTranslator *>().isEmpty())
        language::install(qApp, QString::fromLatin1(language::English));
}

// The .ztset the form saves in offline mode after a few choices.
QByteArray savedFile(const QString &path)
{
    FakePrompts prompts;
    FakePorts ports;
    MainWindow window(fakeOptions(&prompts, &ports));
    window.findChild<QAction *>("action_demo")->trigger();
    window.findChild<QComboBox *>("CB_Modul_name")->setCurrentText("ZT-2RTD-2AO");
    window.findChild<QComboBox *>("CB_Modul_range_CH0_2")->setCurrentIndex(4);  // 50П
    window.findChild<QComboBox *>("CB_Modul_range_CH1_2")->setCurrentIndex(16);  // 100М
    window.findChild<QComboBox *>("CB_RTD_CONNECT_CH1")->setCurrentIndex(1);
    prompts.files << path;
    window.findChild<QAction *>("action_file_save")->trigger();
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_Language : public QObject
{
    Q_OBJECT

private slots:
    void catalogue_data();
    void catalogue();
    void lupdateFindsNothingNew();
    void savedFileIsTheSame();
    void windowInEnglish_data();
    void windowInEnglish();
    void messageInEnglish();
};

void tst_Language::catalogue_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<QString>("type");
    const QVector<Message> messages = readCatalogue(QStringLiteral(ZT_CATALOGUE));
    QVERIFY(messages.size() > 250);
    for (const Message &m : messages)
        QTest::addRow("%s: %s", qPrintable(m.context), qPrintable(m.source)) << m.source << m.translation << m.type;
}

void tst_Language::catalogue()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(QString, type);
    QCOMPARE(type, QString());  // not unfinished, vanished or obsolete
    QVERIFY(!translation.isEmpty());
    QCOMPARE(kept(translation), kept(source));
}

// Every text the sources pass to translation is already in the catalogue.
void tst_Language::lupdateFindsNothingNew()
{
    if (!QFile::exists(QStringLiteral(ZT_LUPDATE)))
        QSKIP("lupdate is not installed");
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(QStringLiteral(ZT_CATALOGUE), copy));
    QCOMPARE(QProcess::execute(QStringLiteral(ZT_LUPDATE), {"-silent", "-locations", "none", "-no-obsolete",
                                                            QStringLiteral(ZT_SOURCES), "-ts", copy}),
             0);
    QStringList untranslated;
    for (const Message &m : readCatalogue(copy))
        if (!m.type.isEmpty())
            untranslated << m.context + ": " + m.source;
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join('\n')));
}

// The lists' rows, not their texts, go into the file.
void tst_Language::savedFileIsTheSame()
{
    QTemporaryDir dir;
    const QByteArray russian = savedFile(dir.filePath("ru.ztset"));
    useEnglish();
    QVERIFY(russian.contains("RANGE"));
    QCOMPARE(savedFile(dir.filePath("en.ztset")), russian);
}

void tst_Language::windowInEnglish_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("english");

    QTest::newRow("connect") << "BT_Open_Connect" << "text" << "&Connect";
    QTest::newRow("menu") << "menu" << "title" << "&File";
    QTest::newRow("caption") << "LB_INFO_VALUE_MIN_CH1" << "text" << "Lower conversion limit";
    QTest::newRow("screen reader") << "ED_VALUE_MIN_CH1" << "accessibleName" << "Lower conversion limit, channel 1";
    QTest::newRow("RTD item") << "CB_Modul_range_CH0_2" << "currentText" << "Pt50 α=0.00385 °C⁻¹ from -200 to 850 °C";
    QTest::newRow("unit") << "LB_TypeValue_PMIN_CH0" << "text" << "Ω";
    QTest::newRow("language menu") << "menu_language" << "title" << "Lan&guage";
}

void tst_Language::windowInEnglish()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QString, english);
    useEnglish();
    FakePrompts prompts;
    FakePorts ports;
    MainWindow window(fakeOptions(&prompts, &ports));
    QObject *shown = window.findChild<QObject *>(name);
    QVERIFY(shown);
    QCOMPARE(shown->property(qPrintable(property)).toString(), english);
}

void tst_Language::messageInEnglish()
{
    useEnglish();
    FakePrompts prompts;
    FakePorts ports;
    MainWindow window(fakeOptions(&prompts, &ports));
    window.findChild<QAbstractButton *>("BT_Open_Connect")->click();  // no port to connect on
    QCOMPARE(prompts.boxes.size(), 1);
    QCOMPARE(prompts.boxes.first().title, QStringLiteral("Error"));
    QCOMPARE(prompts.boxes.first().text, QStringLiteral("No port name"));
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
