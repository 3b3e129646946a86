// The English catalogue: complete and current, read by the window, and
// without effect on the settings files.

#include "fakes.h"

#include "app/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context, source, translation;  // no translation while unfinished, vanished or obsolete
};

QVector<Message> readCatalogue(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QVector<Message> messages;
    QString context;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto text = [&xml] { return xml.readElementText(QXmlStreamReader::IncludeChildElements); };
        if (xml.name() == QLatin1String("name"))
            context = text();
        else if (xml.name() == QLatin1String("source"))
            messages.append({context, text(), {}});
        else if (xml.name() == QLatin1String("translation") && !xml.attributes().hasAttribute(QLatin1String("type")))
            messages.last().translation = text();
    }
    return messages;
}

// What a translation must keep of its source: the arguments and a mnemonic.
QStringList marks(const QString &text)
{
    QStringList found;
    for (auto m = QRegularExpression(QStringLiteral("%\\d|&")).globalMatch(text); m.hasNext();)
        found << m.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

void useEnglish()
{
    if (qApp->findChildren<QTranslator *>().isEmpty())
        language::install(qApp, QString::fromLatin1(language::English));
}

struct Window {
    FakePrompts prompts;
    FakePorts ports;
    MainWindow window{fakeOptions(&prompts, &ports)};
    template<class T = QObject>
    T *w(const char *name) { return window.findChild<T *>(name); }
};

// The .ztset the form saves in offline mode after a few choices.
QByteArray savedFile(const QString &path)
{
    Window f;
    f.w<QAction>("action_demo")->trigger();
    f.w<QComboBox>("CB_Modul_name")->setCurrentText("ZT-2RTD-2AO");
    f.w<QComboBox>("CB_Modul_range_CH0_2")->setCurrentIndex(4);   // 50П
    f.w<QComboBox>("CB_Modul_range_CH1_2")->setCurrentIndex(16);  // 100М
    f.w<QComboBox>("CB_RTD_CONNECT_CH1")->setCurrentIndex(1);
    f.prompts.files << path;
    f.w<QAction>("action_file_save")->trigger();
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
    void savedFileIsTheSame();
    void windowInEnglish_data();
    void windowInEnglish();
};

// The catalogue as lupdate leaves it after reading the sources (as it is when
// lupdate is not installed): every text they translate is in it, translated.
void tst_Language::catalogue_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    static QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copy.ts"));
    QVERIFY(QFile::copy(QStringLiteral(ZT_CATALOGUE), copy));
    if (QFile::exists(QStringLiteral(ZT_LUPDATE)))
        QCOMPARE(QProcess::execute(QStringLiteral(ZT_LUPDATE), {"-silent", "-locations", "none", "-no-obsolete",
                                                                QStringLiteral(ZT_SOURCES), "-ts", copy}),
                 0);
    for (const Message &m : readCatalogue(copy))
        QTest::addRow("%s: %s", qPrintable(m.context), qPrintable(m.source)) << m.source << m.translation;
}

void tst_Language::catalogue()
{
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QVERIFY(!translation.isEmpty());
    QCOMPARE(marks(translation), marks(source));
}

// The lists' rows, not their texts, go into the file.
void tst_Language::savedFileIsTheSame()
{
    QTemporaryDir dir;
    const QByteArray russian = savedFile(dir.filePath("ru.ztset"));
    QVERIFY(russian.contains("RANGE=4"));
    useEnglish();
    QCOMPARE(savedFile(dir.filePath("en.ztset")), russian);
}

void tst_Language::windowInEnglish_data()
{
    QTest::addColumn<QString>("name");  // "box": the box that connecting without a port shows
    QTest::addColumn<QString>("property");
    QTest::addColumn<QString>("english");

    QTest::newRow("connect") << "BT_Open_Connect" << "text" << "Connect";
    QTest::newRow("menu") << "menu" << "title" << "File";
    QTest::newRow("caption") << "LB_INFO_VALUE_MIN_CH1" << "text" << "Lower conversion limit";
    QTest::newRow("screen reader") << "ED_VALUE_MIN_CH1" << "accessibleName" << "Lower conversion limit, channel 1";
    QTest::newRow("RTD item") << "CB_Modul_range_CH0_2" << "currentText" << "Pt50 α=0.00385 °C⁻¹ from -200 to 850 °C";
    QTest::newRow("unit") << "LB_TypeValue_PMIN_CH0" << "text" << "Ω";
    QTest::newRow("language menu") << "menu_language" << "title" << "Lan&guage";
    QTest::newRow("message box") << "box" << "" << "Error: No port name";
}

void tst_Language::windowInEnglish()
{
    QFETCH(QString, name);
    QFETCH(QString, property);
    QFETCH(QString, english);
    useEnglish();
    Window f;
    if (name == "box") {
        f.w<QAbstractButton>("BT_Open_Connect")->click();
        QCOMPARE(f.prompts.boxes.value(0).title + ": " + f.prompts.boxes.value(0).text, english);
        return;
    }
    QVERIFY(f.w(qPrintable(name)));
    QCOMPARE(f.w(qPrintable(name))->property(qPrintable(property)).toString(), english);
}

QTEST_MAIN(tst_Language)
#include "tst_language.moc"
