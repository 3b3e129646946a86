// A module of every type connected through the simulator: what the form
// shows of it, and what it reads from it.

#include "modbus/rtuprovider.h"
#include "windowharness.h"

#include <QCheckBox>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

namespace {

// Controls that appear together on a channel tab; %1 is the channel.
const QMap<QString, QStringList> groups = {
    {"out", {"CHB_INV_CH%1", "LB_TypeValue2_CH%1", "LB_INFO_OUT_CH%1", "ED_VALUE_OUT_CH%1"}},
    {"in", {"LB_TypeValue0_CH%1", "LB_INFO_IN_CH%1", "ED_VALUE_%1"}},
    {"temp", {"LB_CH%1", "LB_TypeValue1_CH%1", "LB_INFO_T_CH%1", "ED_VALUE_T_CH%1", "LB_INFO_VALUE_MIN_CH%1",
              "LB_INFO_VALUE_MAX_CH%1", "ED_VALUE_MIN_CH%1", "ED_VALUE_MAX_CH%1", "LB_TypeValue_MIN1_CH%1",
              "LB_TypeValueMAX1_CH%1", "BT_Set_MIN_CH%1", "BT_Set_MAX_CH%1"}},
    {"ti", {"CB_Modul_range_CH%1", "CHB_TI_CH%1", "LB_INFO_T_XC_CH%1", "ED_VALUE_T_XC_CH%1"}},
    {"rtd", {"CB_Modul_range_CH%1_2", "CB_RTD_CONNECT_CH%1", "LB_INFO_TYPE_RTD_CON_CH%1"}},
    {"p", {"LB_INFO_VALUE_P_MIN_CH%1", "LB_INFO_VALUE_P_MAX_CH%1", "ED_VALUE_P_MIN_CH%1", "ED_VALUE_P_MAX_CH%1",
           "LB_TypeValue_PMIN_CH%1", "LB_TypeValue_PMAX_CH%1", "BT_P_Set_MIN_CH%1", "BT_P_Set_MAX_CH%1"}},
    {"ai", {"CHB_AI_FAST_CH%1"}},
    {"cal", {"BT_CAL_MIN_%1", "BT_CAL_MAX_%1"}},
    {"never", {"LB_INFO_CAL_MIN_CH%1", "LB_INFO_CAL_MAX_CH%1"}},
};

bool presetRegisters(const QString &port, const QVector<QPair<int, quint16>> &writes)
{
    RtuProvider provider(QStringLiteral("preset"), 1);
    zt::line::LineSettings line;
    line.port = port;
    provider.openPort(line);
    if (!provider.opened)
        return false;
    int ended = 0;
    int failed = 0;
    QObject::connect(&provider, &RtuProvider::writeDataEnd, [&ended] { ++ended; });
    QObject::connect(&provider, &RtuProvider::writeDataError, [&failed] { ++failed; });
    for (const auto &write : writes)
        provider.writeUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, write.first, QVector<quint16>{write.second}));
    const bool done = QTest::qWaitFor([&] { return ended == writes.size(); }, 5000);
    provider.closePort();
    return done && failed == 0;
}

bool isGeneralFloatText(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && QString::number(value, 'g', 6) == text;
}

} // namespace

class tst_Identify : public QObject
{
    Q_OBJECT

private slots:
    void everyTypeShowsItsPanels_data();
    void everyTypeShowsItsPanels();
    void thermocoupleConfigurationAndLiveValues();
    void resistanceThermometerConfiguration();
    void pInputLimitsAreShown();
    void plbCommunicationSettings();
    void firmwareDateIsShown();
    void unknownTypeShowsNoPanelButPolls();
};

void tst_Identify::everyTypeShowsItsPanels_data()
{
    QTest::addColumn<QString>("ch0");
    QTest::addColumn<QString>("ch1");
    QTest::addColumn<bool>("channel1Tab");
    QTest::addColumn<bool>("rs485Tab");
    QTest::addColumn<QString>("unit0");
    QTest::addColumn<QString>("unit1"); // empty: the label is left as it was

    QTest::newRow("ZT-1TI-1AO") << "out in temp ti" << "" << false << false << "мВ" << "";
    QTest::newRow("ZT-1TI-2AO") << "out in temp ti" << "out" << true << false << "мВ" << "мВ";
    QTest::newRow("ZT-2TI-2AO") << "out in temp ti" << "out in temp ti" << true << false << "мВ" << "мВ";
    QTest::newRow("ZT-1RTD-1AO") << "out in temp rtd" << "" << false << false << "Ом" << "";
    QTest::newRow("ZT-1RTD-2AO") << "out in temp rtd" << "out" << true << false << "Ом" << "Ом";
    QTest::newRow("ZT-2RTD-2AO") << "out in temp rtd" << "out in temp rtd" << true << false << "Ом" << "Ом";
    QTest::newRow("ZT-1P-1AO") << "out in p" << "" << false << false << "Ом" << "";
    QTest::newRow("ZT-1P-2AO") << "out in p" << "out" << true << false << "Ом" << "Ом";
    QTest::newRow("ZT-2P-2AO") << "out in p" << "out in p" << true << false << "Ом" << "Ом";
    QTest::newRow("ZT-1AI-2AO") << "out in ai" << "out" << true << false << "мА" << "";
    QTest::newRow("PLB-2TI-4-20-M") << "out in temp ti" << "out in temp ti" << true << true << "мВ" << "мВ";
    QTest::newRow("PLB-2RTD-4-20-M") << "out in temp rtd" << "out in temp rtd" << true << true << "Ом" << "Ом";
}

void tst_Identify::everyTypeShowsItsPanels()
{
    QFETCH(QString, ch0);
    QFETCH(QString, ch1);
    QFETCH(bool, channel1Tab);
    QFETCH(bool, rs485Tab);
    QFETCH(QString, unit0);
    QFETCH(QString, unit1);
    const QString type = QTest::currentDataTag();

    WindowHarness h;
    QVERIFY(h.start(type));
    QVERIFY(h.connectAndPoll());
    QCOMPARE(h.widget<QComboBox>("CB_Modul_name")->currentText(), type);

    auto *tabs = h.widget<QTabWidget>("tabWidget");
    QVERIFY(tabs->isTabVisible(0));
    QCOMPARE(tabs->isTabVisible(1), channel1Tab);
    QCOMPARE(tabs->isTabVisible(2), rs485Tab);
    QVERIFY(!h.widget("BT_MODUL_RESET")->isHidden());
    QVERIFY(!h.widget("BT_MODUL_DEFAULT")->isHidden());

    const QStringList shown[2] = {ch0.split(' ', Qt::SkipEmptyParts), ch1.split(' ', Qt::SkipEmptyParts)};
    for (int ch = 0; ch < 2; ++ch) {
        for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
            for (const QString &pattern : group.value()) {
                auto *w = h.window->findChild<QWidget *>(pattern.arg(ch));
                if (!w)
                    continue; // channel 1 has no fast-conversion box
                QVERIFY2(w->isHidden() != shown[ch].contains(group.key()), qPrintable(w->objectName()));
            }
        }
    }
    QCOMPARE(h.widget<QLabel>("LB_TypeValue0_CH0")->text(), unit0);
    if (!unit1.isEmpty())
        QCOMPARE(h.widget<QLabel>("LB_TypeValue0_CH1")->text(), unit1);
    QVERIFY(h.prompts.boxes.isEmpty());
}

void tst_Identify::thermocoupleConfigurationAndLiveValues()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2TI-2AO"));
    QVERIFY(presetRegisters(h.sim.programPort(), {{0x2400, 1}, {0x2401, 3}, {0x24E0, 0xFF38}, {0x24E1, 1200},
                                                  {0x24E3, 0}, {0x24E4, 1000}, {0x2470, 1}, {0x2520, 3}}));
    QVERIFY(h.connectAndPoll());

    QCOMPARE(h.widget<QComboBox>("CB_Modul_range_CH0")->currentIndex(), 1);
    QCOMPARE(h.widget<QComboBox>("CB_Modul_range_CH1")->currentIndex(), 3);
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MIN_CH0")->text(), QStringLiteral("-200"));
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MAX_CH0")->text(), QStringLiteral("1200"));
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MIN_CH1")->text(), QStringLiteral("0"));
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MAX_CH1")->text(), QStringLiteral("1000"));
    QVERIFY(h.widget<QCheckBox>("CHB_TI_CH0")->isChecked());
    QVERIFY(h.widget<QCheckBox>("CHB_TI_CH1")->isChecked());
    QVERIFY(h.widget<QCheckBox>("CHB_INV_CH0")->isChecked());
    QVERIFY(h.widget<QCheckBox>("CHB_INV_CH1")->isChecked());

    for (const char *name : {"ED_VALUE_0", "ED_VALUE_T_CH0", "ED_VALUE_OUT_CH0", "ED_VALUE_1", "ED_VALUE_T_CH1",
                             "ED_VALUE_OUT_CH1", "ED_VALUE_T_XC_CH0", "ED_VALUE_T_XC_CH1"}) {
        const QString text = h.widget<QLineEdit>(name)->text();
        QVERIFY2(isGeneralFloatText(text), qPrintable(QStringLiteral("%1: %2").arg(name, text)));
    }
    const double output = h.widget<QLineEdit>("ED_VALUE_OUT_CH0")->text().toDouble();
    QVERIFY2(output >= 3.5 && output <= 21, qPrintable(QString::number(output)));

    // The live block is read every 700 ms.
    const int before = h.liveReadsReceived();
    QTest::qWait(2150);
    const int polls = h.liveReadsReceived() - before;
    QVERIFY2(polls >= 2 && polls <= 4, qPrintable(QString::number(polls)));
    QVERIFY(h.prompts.boxes.isEmpty());
}

void tst_Identify::resistanceThermometerConfiguration()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2RTD-2AO"));
    QVERIFY(presetRegisters(h.sim.programPort(), {{0x2400, 0x20}, {0x2401, 0x44}, {0x24E2, 2}, {0x24E5, 4},
                                                  {0x24E3, 0xFFC4}, {0x24E4, 180}}));
    QVERIFY(h.connectAndPoll());
    QCOMPARE(h.widget<QComboBox>("CB_Modul_range_CH0_2")->currentIndex(), 1);  // Pt100
    QCOMPARE(h.widget<QComboBox>("CB_Modul_range_CH1_2")->currentIndex(), 10); // 1000H
    QCOMPARE(h.widget<QComboBox>("CB_RTD_CONNECT_CH0")->currentIndex(), 0);
    QCOMPARE(h.widget<QComboBox>("CB_RTD_CONNECT_CH1")->currentIndex(), 2);
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MIN_CH1")->text(), QStringLiteral("-60"));
    QCOMPARE(h.widget<QLineEdit>("ED_VALUE_MAX_CH1")->text(), QStringLiteral("180"));
    const double resistance = h.widget<QLineEdit>("ED_VALUE_0")->text().toDouble();
    QVERIFY2(resistance > 50 && resistance < 400, qPrintable(QString::number(resistance))); // a Pt100
}

void tst_Identify::pInputLimitsAreShown()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-2P-2AO"));
    QVERIFY(h.connectAndPoll());
    for (int ch = 0; ch < 2; ++ch) {
        const QString min = h.widget<QLineEdit>(QStringLiteral("ED_VALUE_P_MIN_CH%1").arg(ch))->text();
        const QString max = h.widget<QLineEdit>(QStringLiteral("ED_VALUE_P_MAX_CH%1").arg(ch))->text();
        QVERIFY2(isGeneralFloatText(min) && isGeneralFloatText(max), qPrintable(min + " " + max));
        QVERIFY(min.toDouble() < max.toDouble());
    }
}

void tst_Identify::plbCommunicationSettings()
{
    WindowHarness h;
    QVERIFY(h.start("PLB-2RTD-4-20-M"));
    QVERIFY(presetRegisters(h.sim.programPort(), {{0x2005, 17}, {0x200C, 0x0208}, {0x200D, 0x0101}}));
    QVERIFY(h.connectAndPoll());
    QCOMPARE(h.widget<QSpinBox>("NumB_ADR")->value(), 17);
    QCOMPARE(h.widget<QComboBox>("CB_RS485Speed")->currentText(), QStringLiteral("38400"));
    QCOMPARE(h.widget<QComboBox>("CB_RS485Parametrs")->currentText(), QStringLiteral("8O1"));
}

void tst_Identify::firmwareDateIsShown()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1TI-1AO", {"--firmware", "15.02.23"}));
    QVERIFY(h.connectAndPoll());
    QCOMPARE(h.widget<QLineEdit>("ED_Rev")->text(), QStringLiteral("15.02.23"));

    h.clickConnect(); // disconnecting clears it
    QVERIFY(h.widget<QLineEdit>("ED_Rev")->text().isEmpty());
    QCOMPARE(h.widget<QComboBox>("CB_Modul_name")->currentIndex(), 0);
}

void tst_Identify::unknownTypeShowsNoPanelButPolls()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1TI-1AO"));
    QVERIFY(h.connectAndPoll());
    // A module of the family that reports a type this program does not know.
    QVector<quint16> block(15, 0);
    block[0] = 2021;
    block[1] = 7;
    block[2] = 0x0207;
    h.window->onSetReadStendData(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, 0x2000, block));

    QCOMPARE(h.connectButton()->text().remove('&'), QStringLiteral("Отключиться"));
    QVERIFY(h.widget("BT_MODUL_RESET")->isHidden());
    QVERIFY(h.widget("ED_VALUE_0")->isHidden());
    QVERIFY(!h.widget<QTabWidget>("tabWidget")->isTabVisible(1));
    QVERIFY(h.waitForLiveValues());
    QVERIFY(h.prompts.boxes.isEmpty());
}

QTEST_MAIN(tst_Identify)
#include "tst_identify.moc"
