// The module against a settings file, and the text of the module record.

#include "commission/comparison.h"
#include "commission/report.h"
#include "module/registers.h"

#include <QTextDocument>
#include <QtTest>

using zt::ModuleSettings;
using zt::commission::ModuleState;
using Addresses = QVector<int>;
Q_DECLARE_METATYPE(ModuleSettings)
Q_DECLARE_METATYPE(ModuleState)

namespace {

// A module as the window would have read it: factory settings of the type.
ModuleState module(quint16 code, quint16 range0, quint16 range1)
{
    ModuleState s;
    s.id.moduleCode = code;
    s.config.range[0] = range0;
    s.config.range[1] = range1;
    s.limits.wiring[0] = s.limits.wiring[1] = 3;
    s.limits.max[0] = s.limits.max[1] = 150;
    s.options.coldJunction = true;
    s.blocks = ModuleState::Configuration;
    return s;
}

} // namespace

class tst_Commission : public QObject
{
    Q_OBJECT

private slots:
    void differencesFollowTheWriteSequence_data();
    void differencesFollowTheWriteSequence();
    void reportText();
};

void tst_Commission::differencesFollowTheWriteSequence_data()
{
    QTest::addColumn<ModuleState>("state");
    QTest::addColumn<ModuleSettings>("file");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<Addresses>("writes");

    const ModuleState rtd = module(0x8208, 0x20, 0x21);  // ZT-2RTD-2AO, Pt100 and 100П
    const ModuleSettings same = zt::commission::settingsOf(rtd);
    QTest::newRow("same") << rtd << same << QStringList() << Addresses();

    ModuleSettings f = same;
    f.MinValue_CH1 = -50;
    f.Range_CH0 = 3;  // Pt1000
    f.INVout_CH1 = true;
    f.TI_CH1 = false;  // channel 1's copy of the one switch is never written
    QTest::newRow("sequence order")
        << rtd << f << QStringList{"Канал 0: датчик", "Канал 1: инверсия выхода", "Канал 1: нижняя граница"}
        << Addresses{zt::reg::Range0, zt::reg::Inversion, zt::reg::LimitMin1};

    f = same;
    f.INVout_CH0 = f.INVout_CH1 = true;
    QTest::newRow("one register, two settings")
        << rtd << f << QStringList{"Канал 0: инверсия выхода", "Канал 1: инверсия выхода"}
        << Addresses{zt::reg::Inversion};

    const ModuleState unknownCode = module(0x8208, 0x05, 0x21);
    QTest::newRow("code outside the list") << unknownCode << same << QStringList{"Канал 0: датчик"}
                                           << Addresses{zt::reg::Range0};

    const ModuleState p = module(0x0115, 7, 7);  // ZT-1P-1AO: no range to write
    f = zt::commission::settingsOf(p);
    f.Range_CH0 = 2;
    f.AIFast_CH0 = true;  // only current inputs have it: the module ignores the register
    f.INVout_CH0 = true;
    QTest::newRow("P input") << p << f << QStringList{"Канал 0: инверсия выхода"} << Addresses{zt::reg::Inversion};
}

void tst_Commission::differencesFollowTheWriteSequence()
{
    QFETCH(ModuleState, state);
    QFETCH(ModuleSettings, file);
    QFETCH(QStringList, settings);
    QFETCH(Addresses, writes);

    const auto found = zt::commission::differences(zt::commission::settingsOf(state), file);
    QStringList names;
    for (const auto &d : found)
        names << d.setting;
    QCOMPARE(names, settings);
    Addresses addresses;
    for (const auto &step : zt::commission::stepsFor(found, file))
        addresses << step.address;
    QCOMPARE(addresses, writes);
}

void tst_Commission::reportText()
{
    zt::commission::ReportInput input;
    input.time = QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    input.port = "/dev/ttyUSB0, 9600 8N1, адрес 1";
    input.state = module(0xC208, 0x20, 0x44);
    input.state.id.plb = true;
    input.state.id.plbAddress = 17;
    input.state.id.plbSpeedCode = 0x0207;
    input.state.id.plbFormatCode = 0x0201;
    input.state.id.firmware = "15.02.23";
    input.state.live.temperature[1] = 21.5f;
    input.state.blocks |= ModuleState::Live;
    input.settingsFile = "/line/pt100.ztset";
    input.differences = {{"Канал 1: датчик", "1000H α", "Pt100 α", zt::reg::Range1}};

    QTextDocument document;
    document.setHtml(zt::commission::reportHtml(input));
    const QStringList lines = document.toPlainText().split('\n');
    for (const char *expected :
         {"Запись о модуле PLB-2RTD-4-20-M", "05.03.2024 14:07:09", "/dev/ttyUSB0, 9600 8N1, адрес 1", "15.02.23",
          "17", "19200", "8E1", "Pt100 α=0.00385 °С⁻¹ от -200 до 850 °С", "1000H α=0.00617 °С⁻¹ от -60 до 180 °С",
          "3-проводная", "21.5 °С", "/line/pt100.ztset", "Канал 1: датчик"})
        QVERIFY2(lines.contains(expected), expected);
}

QTEST_MAIN(tst_Commission)
#include "tst_commission.moc"
