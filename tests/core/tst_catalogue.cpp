#include "module/catalogue.h"

#include <QtTest>

using namespace zt;

namespace {

// The flags that are set, sorted, so that a failure names them.
QStringList setFlags(const ModuleLayout &l)
{
    const std::pair<const char *, bool> flags[] = {
        {"modulePresent", l.modulePresent}, {"ch0Input", l.ch0Input},
        {"ch1Input", l.ch1Input}, {"secondOutput", l.secondOutput},
        {"ch0P", l.ch0P}, {"ch1P", l.ch1P}, {"ch0TI", l.ch0TI}, {"ch1TI", l.ch1TI},
        {"ch0RTD", l.ch0RTD}, {"ch1RTD", l.ch1RTD}, {"ch0AI", l.ch0AI},
        {"plbModule", l.plbModule},
    };
    QStringList names;
    for (const auto &[name, on] : flags)
        if (on)
            names << QLatin1String(name);
    names.sort();
    return names;
}

QStringList sorted(const QString &spaceSeparated)
{
    QStringList names = spaceSeparated.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    names.sort();
    return names;
}

QVector<quint16> identBlock(quint16 family, quint16 type, quint16 marker)
{
    QVector<quint16> block(15, 0);
    block[0] = 2021;
    block[1] = family;
    block[2] = type;
    block[3] = marker;
    return block;
}

const QString mV = QStringLiteral("мВ");
const QString ohm = QStringLiteral("Ом");
const QString mA = QStringLiteral("мА");
const QString unchanged;  // null: the label keeps its text

} // namespace

class TstCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void moduleTypes_data();
    void moduleTypes();
    void noModuleEntry();
    void unknownCodes_data();
    void unknownCodes();
    void identification_data();
    void identification();
    void plbSettings_data();
    void plbSettings();
    void rejectedIdentification_data();
    void rejectedIdentification();
    void firmwareDateExample();
    void unitLabelsOnline_data();
    void unitLabelsOnline();
    void unitLabelsOffline_data();
    void unitLabelsOffline();
};

void TstCatalogue::moduleTypes_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint16>("code");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("flags");  // besides modulePresent and ch0Input

    QTest::newRow("ZT-1TI-1AO") << 1 << "ZT-1TI-1AO" << quint16(0x0107) << mV << "ch0TI";
    QTest::newRow("ZT-1TI-2AO") << 2 << "ZT-1TI-2AO" << quint16(0x8107) << mV << "ch0TI secondOutput";
    QTest::newRow("ZT-2TI-2AO") << 3 << "ZT-2TI-2AO" << quint16(0x8207) << mV << "ch0TI ch1TI ch1Input";
    QTest::newRow("ZT-1RTD-1AO") << 4 << "ZT-1RTD-1AO" << quint16(0x0108) << ohm << "ch0RTD";
    QTest::newRow("ZT-1RTD-2AO") << 5 << "ZT-1RTD-2AO" << quint16(0x8108) << ohm << "ch0RTD secondOutput";
    QTest::newRow("ZT-2RTD-2AO") << 6 << "ZT-2RTD-2AO" << quint16(0x8208) << ohm << "ch0RTD ch1RTD ch1Input";
    QTest::newRow("ZT-1P-1AO") << 7 << "ZT-1P-1AO" << quint16(0x0115) << ohm << "ch0P";
    QTest::newRow("ZT-1P-2AO") << 8 << "ZT-1P-2AO" << quint16(0x8115) << ohm << "ch0P secondOutput";
    QTest::newRow("ZT-2P-2AO") << 9 << "ZT-2P-2AO" << quint16(0x8215) << ohm << "ch0P ch1P ch1Input";
    QTest::newRow("ZT-1AI-2AO") << 10 << "ZT-1AI-2AO" << quint16(0x8103) << mA << "ch0AI secondOutput";
    QTest::newRow("PLB-2TI-4-20-M") << 11 << "PLB-2TI-4-20-M" << quint16(0xC207) << mV
                                    << "ch0TI ch1TI ch1Input plbModule";
    QTest::newRow("PLB-2RTD-4-20-M") << 12 << "PLB-2RTD-4-20-M" << quint16(0xC208) << ohm
                                     << "ch0RTD ch1RTD ch1Input plbModule";
}

void TstCatalogue::moduleTypes()
{
    QFETCH(int, position);
    QFETCH(QString, name);
    QFETCH(quint16, code);
    QFETCH(QString, unit);
    QFETCH(QString, flags);

    QCOMPARE(catalogue::name(position), name);
    QCOMPARE(catalogue::code(position), code);
    QCOMPARE(catalogue::positionOfCode(code), position);
    QCOMPARE(catalogue::positionOfName(name), position);
    QCOMPARE(catalogue::inputUnit(position), unit);

    const QStringList expected = sorted(flags + QLatin1String(" modulePresent ch0Input"));
    QCOMPARE(setFlags(catalogue::layout(position)), expected);
    QCOMPARE(setFlags(catalogue::layoutForCode(code)), expected);
}

void TstCatalogue::noModuleEntry()
{
    QCOMPARE(catalogue::count(), 13);
    for (int position : {0, 13, -1}) {
        QVERIFY(catalogue::name(position).isEmpty());
        QCOMPARE(catalogue::code(position), quint16(0));
        QVERIFY(catalogue::inputUnit(position).isEmpty());
        QVERIFY(catalogue::layout(position) == ModuleLayout());
    }
    QCOMPARE(catalogue::positionOfName(QString()), 0);
    QCOMPARE(catalogue::positionOfName(QStringLiteral("ZT-3TI-2AO")), -1);
    QCOMPARE(catalogue::positionOfName(QStringLiteral("zt-1ti-1ao")), -1);
}

void TstCatalogue::unknownCodes_data()
{
    QTest::addColumn<quint16>("code");
    QTest::newRow("two inputs without the second-output bit") << quint16(0x0207);
    QTest::newRow("no module") << quint16(0x0000);
    QTest::newRow("current input with one output") << quint16(0x0103);
    QTest::newRow("PLB bit without the second-output bit") << quint16(0x4207);
    QTest::newRow("all bits") << quint16(0xFFFF);
}

void TstCatalogue::unknownCodes()
{
    QFETCH(quint16, code);
    QCOMPARE(catalogue::positionOfCode(code), -1);
    QCOMPARE(setFlags(catalogue::layoutForCode(code)), QStringList());
    const auto labels = catalogue::unitLabelsForCode(code);
    QVERIFY(labels.ch0.isNull());
    QVERIFY(labels.ch1.isNull());
}

void TstCatalogue::identification_data()
{
    QTest::addColumn<quint16>("family");
    QTest::addColumn<quint16>("type");
    QTest::addColumn<quint16>("marker");
    QTest::addColumn<quint16>("moduleCode");
    QTest::addColumn<QString>("name");  // "" when the code is not in the catalogue
    QTest::addColumn<bool>("plb");

    QTest::newRow("one output") << quint16(7) << quint16(0x0107) << quint16(0x0000)
                                << quint16(0x0107) << "ZT-1TI-1AO" << false;
    QTest::newRow("second output") << quint16(7) << quint16(0x0107) << quint16(0x0204)
                                   << quint16(0x8107) << "ZT-1TI-2AO" << false;
    QTest::newRow("other marker is one output") << quint16(7) << quint16(0x0108) << quint16(0x0205)
                                                << quint16(0x0108) << "ZT-1RTD-1AO" << false;
    QTest::newRow("current input") << quint16(7) << quint16(0x0103) << quint16(0x0204)
                                   << quint16(0x8103) << "ZT-1AI-2AO" << false;
    QTest::newRow("2P") << quint16(7) << quint16(0x0215) << quint16(0x0204)
                        << quint16(0x8215) << "ZT-2P-2AO" << false;
    QTest::newRow("2TI family 7") << quint16(7) << quint16(0x0207) << quint16(0x0204)
                                  << quint16(0x8207) << "ZT-2TI-2AO" << false;
    QTest::newRow("2TI family 3") << quint16(3) << quint16(0x0207) << quint16(0x0204)
                                  << quint16(0xC207) << "PLB-2TI-4-20-M" << true;
    QTest::newRow("2RTD family 7") << quint16(7) << quint16(0x0208) << quint16(0x0204)
                                   << quint16(0x8208) << "ZT-2RTD-2AO" << false;
    QTest::newRow("2RTD family 3") << quint16(3) << quint16(0x0208) << quint16(0x0204)
                                   << quint16(0xC208) << "PLB-2RTD-4-20-M" << true;
    QTest::newRow("2TI without marker") << quint16(7) << quint16(0x0207) << quint16(0x0000)
                                        << quint16(0x0207) << "" << false;
    QTest::newRow("2TI without marker family 3") << quint16(3) << quint16(0x0207) << quint16(0x0100)
                                                 << quint16(0x0207) << "" << false;
    QTest::newRow("family 3, one input") << quint16(3) << quint16(0x0107) << quint16(0x0000)
                                         << quint16(0x0107) << "ZT-1TI-1AO" << false;
}

void TstCatalogue::identification()
{
    QFETCH(quint16, family);
    QFETCH(quint16, type);
    QFETCH(quint16, marker);
    QFETCH(quint16, moduleCode);
    QFETCH(QString, name);
    QFETCH(bool, plb);

    const Identification id = decodeIdentification(identBlock(family, type, marker));
    QVERIFY(id.valid);
    QCOMPARE(id.moduleCode, moduleCode);
    QCOMPARE(catalogue::name(catalogue::positionOfCode(id.moduleCode)), name);
    QCOMPARE(id.plb, plb);
    QCOMPARE(catalogue::layoutForCode(id.moduleCode).plbModule, plb);
}

void TstCatalogue::plbSettings_data()
{
    QTest::addColumn<quint16>("family");
    QTest::addColumn<int>("address");
    QTest::addColumn<quint16>("speedCode");
    QTest::addColumn<quint16>("formatCode");
    QTest::addColumn<QString>("firmware"); // address 65 is the letter A

    QTest::newRow("PLB") << quint16(3) << 65 << quint16(0x020A) << quint16(0x0101) << "";
    QTest::newRow("ZT ignores them") << quint16(7) << 0 << quint16(0) << quint16(0) << "—";
}

void TstCatalogue::plbSettings()
{
    QFETCH(quint16, family);
    QFETCH(int, address);
    QFETCH(quint16, speedCode);
    QFETCH(quint16, formatCode);
    QFETCH(QString, firmware);

    QVector<quint16> block = identBlock(family, 0x0208, 0x0204);
    block[5] = 65;
    block[12] = 0x020A;
    block[13] = 0x0101;
    const Identification id = decodeIdentification(block);
    QCOMPARE(id.plbAddress, address);
    QCOMPARE(id.plbSpeedCode, speedCode);
    QCOMPARE(id.plbFormatCode, formatCode);
    QCOMPARE(id.firmware, firmware);
}

void TstCatalogue::rejectedIdentification_data()
{
    QTest::addColumn<QVector<quint16>>("block");

    QVector<quint16> wrongSignature = identBlock(7, 0x0107, 0);
    wrongSignature[0] = 2020;
    QVector<quint16> swappedSignature = identBlock(7, 0x0107, 0);
    swappedSignature[0] = 0xE507;

    QTest::newRow("signature 2020") << wrongSignature;
    QTest::newRow("signature byte-swapped") << swappedSignature;
    QTest::newRow("family 5") << identBlock(5, 0x0107, 0);
    QTest::newRow("family 0") << identBlock(0, 0x0107, 0);
    QTest::newRow("14 values") << identBlock(7, 0x0107, 0).mid(0, 14);
    QTest::newRow("empty") << QVector<quint16>();
}

void TstCatalogue::rejectedIdentification()
{
    QFETCH(QVector<quint16>, block);
    const Identification id = decodeIdentification(block);
    QVERIFY(!id.valid);
    QCOMPARE(id.moduleCode, quint16(0));
    QVERIFY(!id.plb);
    QVERIFY(id.firmware.isEmpty());
}

void TstCatalogue::firmwareDateExample()
{
    // Bytes 07 E5 00 07 01 07 00 00, then "12.05.23", then zeros.
    const QVector<quint16> block = {0x07E5, 0x0007, 0x0107, 0x0000,
                                    0x3132, 0x2E30, 0x352E, 0x3233,
                                    0, 0, 0, 0, 0, 0, 0};
    const Identification id = decodeIdentification(block);
    QVERIFY(id.valid);
    QCOMPARE(id.firmware, QStringLiteral("12.05.23"));
    QCOMPARE(catalogue::name(catalogue::positionOfCode(id.moduleCode)), QStringLiteral("ZT-1TI-1AO"));
}

void TstCatalogue::unitLabelsOnline_data()
{
    QTest::addColumn<quint16>("moduleCode");
    QTest::addColumn<QString>("ch0");
    QTest::addColumn<QString>("ch1");

    QTest::newRow("ZT-1TI-1AO") << quint16(0x0107) << mV << unchanged;
    QTest::newRow("ZT-1TI-2AO") << quint16(0x8107) << mV << mV;
    QTest::newRow("ZT-2TI-2AO") << quint16(0x8207) << mV << mV;
    QTest::newRow("ZT-1RTD-1AO") << quint16(0x0108) << ohm << unchanged;
    QTest::newRow("ZT-1RTD-2AO") << quint16(0x8108) << ohm << ohm;
    QTest::newRow("ZT-2RTD-2AO") << quint16(0x8208) << ohm << ohm;
    QTest::newRow("ZT-1P-1AO") << quint16(0x0115) << ohm << unchanged;
    QTest::newRow("ZT-1P-2AO") << quint16(0x8115) << ohm << ohm;
    QTest::newRow("ZT-2P-2AO") << quint16(0x8215) << ohm << ohm;
    QTest::newRow("ZT-1AI-2AO") << quint16(0x8103) << mA << unchanged;
    QTest::newRow("PLB-2TI-4-20-M") << quint16(0xC207) << mV << mV;
    QTest::newRow("PLB-2RTD-4-20-M") << quint16(0xC208) << ohm << ohm;
    QTest::newRow("no module") << quint16(0) << unchanged << unchanged;
    QTest::newRow("unknown code") << quint16(0x0207) << unchanged << unchanged;
}

void TstCatalogue::unitLabelsOnline()
{
    QFETCH(quint16, moduleCode);
    QFETCH(QString, ch0);
    QFETCH(QString, ch1);

    const auto labels = catalogue::unitLabelsForCode(moduleCode);
    QCOMPARE(labels.ch0.isNull(), ch0.isNull());
    QCOMPARE(labels.ch0, ch0);
    QCOMPARE(labels.ch1.isNull(), ch1.isNull());
    QCOMPARE(labels.ch1, ch1);
}

void TstCatalogue::unitLabelsOffline_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("ch0");
    QTest::addColumn<QString>("ch1");

    QTest::newRow("empty entry") << 0 << unchanged << unchanged;
    for (int position : {1, 2, 3, 11})
        QTest::addRow("thermocouple %d", position) << position << mV << mV;
    for (int position : {4, 5, 6, 12})
        QTest::addRow("RTD %d", position) << position << ohm << ohm;
    for (int position : {7, 8, 9})
        QTest::addRow("P %d", position) << position << ohm << ohm;
    QTest::newRow("current input") << 10 << mA << unchanged;
    QTest::newRow("past the end") << 13 << unchanged << unchanged;
}

void TstCatalogue::unitLabelsOffline()
{
    QFETCH(int, position);
    QFETCH(QString, ch0);
    QFETCH(QString, ch1);

    const auto labels = catalogue::unitLabelsForPosition(position);
    QCOMPARE(labels.ch0.isNull(), ch0.isNull());
    QCOMPARE(labels.ch0, ch0);
    QCOMPARE(labels.ch1.isNull(), ch1.isNull());
    QCOMPARE(labels.ch1, ch1);
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
