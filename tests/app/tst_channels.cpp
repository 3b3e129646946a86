// The channel tabs and the RS-485 tab on a simulated module: what each control
// writes, what the user is told, and what the form shows after the re-read.

#include "app/language.h"
#include "channels/ranges.h"
#include "windowharness.h"

#include <QAbstractItemView>

using Writes = QVector<QPair<int, int>>;  // address, value

namespace {

// Writes the module took since its `from`th, to the addresses watched (to any when none is).
Writes writesSince(const SimFixture &sim, int from, const Writes &watched)
{
    Writes writes;
    for (const QJsonObject &e : sim.acceptedWrites().mid(from))
        if (watched.isEmpty() || std::count_if(watched.begin(), watched.end(), [&](auto w) { return w.first == e["address"].toInt(); }))
            writes << qMakePair(e["address"].toInt(), e["values"].toArray().first().toInt());
    return writes;
}

// One step of a row's script: "verb widget arguments".
bool perform(WindowHarness &h, const QStringList &s)
{
    QWidget *w = s.size() > 1 && s[0] != "sim" ? h.widget(s[1]) : nullptr;
    if (s[0] == "set") w->setProperty(qPrintable(s[2]), s[3]);
    if (s[0] == "type") { qobject_cast<QLineEdit *>(w)->clear(); QTest::keyClicks(w, s[2]); }
    if (s[0] == "click") qobject_cast<QAbstractButton *>(w)->click();
    for (int i = 0; s[0] == "down" && i < s[2].toInt(); ++i)  // steps on the closed list
        QTest::keyClick(w, Qt::Key_Down);
    if (auto *list = qobject_cast<QComboBox *>(w); s[0] == "pick") {  // from the open popup
        list->showPopup();
        list->view()->setCurrentIndex(list->model()->index(s[2].toInt(), 0));
        QTest::keyClick(list->view(), Qt::Key_Return);
    }
    if (s[0] == "disconnect") h.clickConnect();
    if (s[0] == "decline") h.prompts.answers << false;  // the next question
    if (s[0] == "idle") return QTest::qWaitFor([&] { return h.isIdle(); }, 10000);
    if (s[0] == "await")  // polling stops at a write and goes on once its re-read has ended
        return h.waitForLiveValues() && h.waitForLiveValues();
    if (s[0] == "sim") return h.sim.restartSimulator(s.mid(1));  // with these options
    return s[0] != "connect" || h.connectAndPoll();
}

} // namespace

class tst_Channels : public QObject
{
    Q_OBJECT

private slots:
    void listsShowTheCoreTables();
    void controls_data();
    void controls();
    void rtdRowsInEnglish();
};

void tst_Channels::listsShowTheCoreTables()
{
    WindowHarness h;
    h.open();
    for (int row = 0; row < 20; ++row) {  // and past the end of both tables; channel 1 repeats channel 0
        QCOMPARE(h.widget<QComboBox>("CB_Modul_range_CH0")->itemText(row), zt::ranges::thermocoupleText(row));
        QCOMPARE(h.widget<QComboBox>("CB_Modul_range_CH0_2")->itemText(row), zt::ranges::rtdText(row));
    }
}

void tst_Channels::controls_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("script");
    QTest::addColumn<Writes>("writes");     // to these addresses only; none: no write at all
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("shown");  // widget.property=value after the re-read

    using L = QStringList;
    const QString ti = "ZT-2TI-2AO", rtd = "ZT-2RTD-2AO", plb = "PLB-2TI-4-20-M", done = "Запись выполнена!";
    L everyRtdRow;
    Writes rtdCodes;
    for (int row = 0; row < zt::ranges::RtdCount; ++row) {
        everyRtdRow << QString("set CB_Modul_range_CH0_2 currentIndex %1").arg(row);
        rtdCodes << qMakePair(0x2400, zt::ranges::rtdCodeOfRow(row));
    }
    QTest::newRow("Pt100 takes -200, not 851; every RTD row; 4 wires")
        << rtd << L{"type ED_VALUE_MIN_CH0 -200", "click BT_Set_MIN_CH0", "type ED_VALUE_MAX_CH0 851", "click BT_Set_MAX_CH0"} + everyRtdRow + L{"set CB_RTD_CONNECT_CH1 currentIndex 2"}
        << Writes{{0x24E0, 0xFF38}} + rtdCodes + Writes{{0x24E5, 4}} << L{"Введено значение превышает максимально допустимого", done}
        << L{"ED_VALUE_MIN_CH0.text=-200", "CB_Modul_range_CH0_2.currentIndex=18", "CB_RTD_CONNECT_CH1.currentText=4-ех"};
    QTest::newRow("double click while slow, then once more")
        << ti << L{"sim --delay 300", "type ED_VALUE_MAX_CH0 900", "click BT_Set_MAX_CH0", "click BT_Set_MAX_CH0", "await", "type ED_VALUE_MAX_CH0 800", "click BT_Set_MAX_CH0"}
        << Writes{{0x24E1, 900}, {0x24E1, 900}, {0x24E1, 800}} << L{done, done} << L{"ED_VALUE_MAX_CH0.text=800"};
    QTest::newRow("J on a hidden page") << ti << L{"set CB_Modul_range_CH1 currentIndex 0", "type ED_VALUE_MAX_CH1 2400"} << Writes{{0x2401, 0}} << L()
        << L{"ED_VALUE_MAX_CH1.toolTip=Введено корректное значение", "ED_VALUE_MAX_CH1.styleSheet=border-color: green; border-width: 3px; border-style: solid; border-radius: 5;"};
    QTest::newRow("refusals; J on its page")
        << ti << L{"type ED_VALUE_MIN_CH0 -201", "click BT_Set_MIN_CH0", "type ED_VALUE_MAX_CH1 12.5", "click BT_Set_MAX_CH1",
                   "set CB_Modul_range_CH1 currentIndex 0", "set tabWidget currentIndex 1", "type ED_VALUE_MAX_CH1 2400"}
        << Writes{{0x2401, 0}} << L{"Введено значение меньше минимально допустимого", "Введено некорректное значение"}
        << L{"ED_VALUE_MAX_CH1.toolTip=Введено значение превышает максимально допустимое",
             "ED_VALUE_MAX_CH1.styleSheet=border-color: red; border-width: 3px; border-style: solid;border-radius: 5;"};
    QTest::newRow("inversion 2, 3; typing survives the re-read") << ti << L{"type ED_VALUE_MIN_CH0 12", "click CHB_INV_CH1", "click CHB_INV_CH0"}
                                                                 << Writes{{0x2520, 2}, {0x2520, 3}} << L() << L{"CHB_INV_CH0.checked=true", "CHB_INV_CH1.checked=true", "ED_VALUE_MIN_CH0.text=12"};
    QTest::newRow("a read flips both inversion bits")
        << ti << L{"click CHB_INV_CH0", "click CHB_INV_CH1", "await", "disconnect", "click CHB_INV_CH0", "click CHB_INV_CH1", "connect"}
        << Writes{{0x2520, 1}, {0x2520, 3}, {0x2520, 3}} << L() << L{"CHB_INV_CH0.checked=true", "CHB_INV_CH1.checked=true"};
    QTest::newRow("A3, cold junction mirrored") << ti << L{"set CB_Modul_range_CH1 currentIndex 11", "click CHB_TI_CH1"} << Writes{{0x2401, 11}, {0x2470, 0}, {0x2470, 0}}
                                                << L() << L{"CB_Modul_range_CH1.currentIndex=11", "CHB_TI_CH0.checked=false", "CHB_TI_CH1.checked=false"};
    const QString follow = "Модуль принял новые параметры связи: %1.\nПереподключиться с ними?";
    QTest::newRow("picks from the popup") << plb << L{"decline", "decline", "pick CB_RS485Speed 6", "pick CB_RS485Parametrs 3"} << Writes{{0x200C, 0x020A}, {0x200D, 0x0201}}
                                          << L{follow.arg("115200 8N1, адрес 1"), follow.arg("115200 8E1, адрес 1")}
                                          << L{"CB_RS485Speed.currentText=115200", "CB_RS485Parametrs.currentText=8E1"};
    QTest::newRow("steps settle, the address goes at once") << plb << L{"decline", "decline", "down CB_RS485Speed 4", "set NumB_ADR value 247", "click BT_Set_RS_Settings"}
                                                            << Writes{{0x2005, 247}, {0x200C, 0x020A}} << L{follow.arg("9600 8N1, адрес 247"), follow.arg("115200 8N1, адрес 247")} << L{"CB_RS485Speed.currentText=115200", "NumB_ADR.value=247"};
    QTest::newRow("refused") << ti << L{"sim --exception 0x24E1:3", "type ED_VALUE_MAX_CH0 900", "click BT_Set_MAX_CH0", "idle"} << Writes() << L{"Модуль ответил: недопустимое значение (03)"} << L();
    QTest::newRow("refused after another write") << ti << L{"sim --refuse-writes 0x24E1:3", "set CB_Modul_range_CH0 currentIndex 2", "type ED_VALUE_MAX_CH0 300", "click BT_Set_MAX_CH0", "idle"}
                                                 << Writes{{0x2400, 2}} << L{"Модуль ответил: недопустимое значение (03)"} << L();
    QTest::newRow("typed, not set: a new connection shows the module's") << ti << L{"type ED_VALUE_MIN_CH0 12", "disconnect", "connect"} << Writes() << L() << L{"ED_VALUE_MIN_CH0.text=0"};
}

void tst_Channels::controls()
{
    QFETCH(QString, type);
    QFETCH(QStringList, script);
    QFETCH(Writes, writes);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, shown);

    WindowHarness h;
    QVERIFY(h.start(type));
    QVERIFY(h.connectAndPoll());
    const int from = h.sim.acceptedWrites().size();
    for (const QString &step : script)
        QVERIFY2(perform(h, step.split(' ')), qPrintable(step));
    QVERIFY(h.isIdle() || perform(h, {"await"}));
    QCOMPARE(h.prompts.texts(), boxes);
    QCOMPARE(writesSince(h.sim, from, writes), writes);
    for (const QString &shows : shown)
        QCOMPARE(h.widget(shows.section('.', 0, 0))->property(qPrintable(shows.section('=', 0, 0).section('.', 1))).toString(), shows.section('=', 1));
}

// The items are translated around the sensor designations, which the
// text-to-code rule reads: each row still writes its own code.
void tst_Channels::rtdRowsInEnglish()
{
    language::install(qApp, QString::fromLatin1(language::English));
    WindowHarness h;
    QVERIFY(h.start("ZT-2RTD-2AO"));
    QVERIFY(h.connectAndPoll());
    auto *list = h.widget<QComboBox>("CB_Modul_range_CH0_2");
    QCOMPARE(list->itemText(4), QString("50П α=0.00391 °C⁻¹ from -200 to 850 °C"));
    const int from = h.sim.acceptedWrites().size();
    Writes codes;
    for (int row = 0; row < zt::ranges::RtdCount; ++row) {
        list->setCurrentIndex(row);
        codes << qMakePair(0x2400, zt::ranges::rtdCodeOfRow(row));
    }
    QVERIFY(perform(h, {"await"}));
    QCOMPARE(writesSince(h.sim, from, codes), codes);
}

QTEST_MAIN(tst_Channels)
#include "tst_channels.moc"
