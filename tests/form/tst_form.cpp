// Checks the main window form (src/app/mainwindow.ui) as built by its
// generated set-up function on a bare QMainWindow: object names and kinds,
// texts, item lists, initial rows and states, layout placement, menus,
// actions and window properties. Every other part of the program addresses
// these widgets by name and relies on their initial state, so a renamed
// widget, a wrong letter in an item or a stray initial value is a fault.
//
// Expected texts are written out here, not read back from the form. Where a
// Latin and a Cyrillic letter look alike, the code point is spelled out.

#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

#include "ui_mainwindow.h"

namespace {

// "°С" of the range items: degree sign + Cyrillic capital Es (U+0421).
const QString kDegCyr = QString(QChar(0x00B0)) + QChar(0x0421);
// "°С⁻¹": the same, followed by superscript minus and superscript one.
const QString kPerDegCyr = kDegCyr + QChar(0x207B) + QChar(0x00B9);
// "°C" of the unit labels: degree sign + Latin capital C.
const QString kDegLatin = QString(QChar(0x00B0)) + QLatin1Char('C');
const QString kDegLatinRich = QStringLiteral("<html><head/><body><p>") + kDegLatin
                              + QStringLiteral("</p></body></html>");
const QChar kCyrPe(0x041F); // "П"
const QChar kCyrEm(0x041C); // "М"

QString thermocoupleItem(const char *type, int lo, int hi)
{
    return QStringLiteral("%1 от %2 до %3 ").arg(QLatin1String(type)).arg(lo).arg(hi) + kDegCyr;
}

QStringList thermocoupleItems()
{
    return {
        thermocoupleItem("J", -210, 1200), thermocoupleItem("K", -200, 1372),
        thermocoupleItem("T", -200, 400),  thermocoupleItem("E", -200, 1000),
        thermocoupleItem("R", -50, 1768),  thermocoupleItem("S", -50, 1768),
        thermocoupleItem("B", 250, 1820),  thermocoupleItem("N", -200, 1300),
        thermocoupleItem("L", -200, 800),  thermocoupleItem("A1", 0, 2500),
        thermocoupleItem("A2", 0, 1800),   thermocoupleItem("A3", 0, 1800),
    };
}

QString rtdItem(const QString &key, const char *alpha, int lo, int hi)
{
    return key + QStringLiteral(" α=") + QLatin1String(alpha) + QLatin1Char(' ') + kPerDegCyr
           + QStringLiteral(" от %1 до %2 ").arg(lo).arg(hi) + kDegCyr;
}

QStringList rtdItems()
{
    // "Pt", "Cu" and the "H" of 100H/500H/1000H are Latin; "П" and "М" Cyrillic.
    const QString pe(kCyrPe), em(kCyrEm);
    return {
        rtdItem(QStringLiteral("Pt50"), "0.00385", -200, 850),
        rtdItem(QStringLiteral("Pt100"), "0.00385", -200, 850),
        rtdItem(QStringLiteral("Pt500"), "0.00385", -200, 850),
        rtdItem(QStringLiteral("Pt1000"), "0.00385", -200, 850),
        rtdItem(QStringLiteral("50") + pe, "0.00391", -200, 850),
        rtdItem(QStringLiteral("100") + pe, "0.00391", -200, 850),
        rtdItem(QStringLiteral("500") + pe, "0.00391", -200, 850),
        rtdItem(QStringLiteral("1000") + pe, "0.00391", -200, 850),
        rtdItem(QStringLiteral("100") + QLatin1Char('H'), "0.00617", -60, 180),
        rtdItem(QStringLiteral("500") + QLatin1Char('H'), "0.00617", -60, 180),
        rtdItem(QStringLiteral("1000") + QLatin1Char('H'), "0.00617", -60, 180),
        rtdItem(QStringLiteral("Cu50"), "0.00426", -50, 200),
        rtdItem(QStringLiteral("Cu100"), "0.00426", -50, 200),
        rtdItem(QStringLiteral("Cu500"), "0.00426", -50, 200),
        rtdItem(QStringLiteral("Cu1000"), "0.00426", -50, 200),
        rtdItem(QStringLiteral("50") + em, "0.00428", -180, 200),
        rtdItem(QStringLiteral("100") + em, "0.00428", -180, 200),
        rtdItem(QStringLiteral("500") + em, "0.00428", -180, 200),
        rtdItem(QStringLiteral("1000") + em, "0.00428", -180, 200),
    };
}

QStringList wiringItems()
{
    return {QStringLiteral("2-ух"), QStringLiteral("3-ех"), QStringLiteral("4-ех")};
}

QStringList catalogueItems()
{
    return {QString(),
            QStringLiteral("ZT-1TI-1AO"),     QStringLiteral("ZT-1TI-2AO"),
            QStringLiteral("ZT-2TI-2AO"),     QStringLiteral("ZT-1RTD-1AO"),
            QStringLiteral("ZT-1RTD-2AO"),    QStringLiteral("ZT-2RTD-2AO"),
            QStringLiteral("ZT-1P-1AO"),      QStringLiteral("ZT-1P-2AO"),
            QStringLiteral("ZT-2P-2AO"),      QStringLiteral("ZT-1AI-2AO"),
            QStringLiteral("PLB-2TI-4-20-M"), QStringLiteral("PLB-2RTD-4-20-M")};
}

// One named object of the form. `text` is null for kinds without a text
// (combo boxes, spin box, containers, layouts).
struct FormObject
{
    QString name;
    QByteArray className;
    QString text;
    bool enabled;
};

QVector<FormObject> formObjects()
{
    QVector<FormObject> v;
    auto add = [&v](const QString &name, const char *cls, const QString &text = QString(),
                    bool enabled = true) { v.append({name, cls, text, enabled}); };
    auto layout = [&v](const char *name, const char *cls) {
        v.append({QLatin1String(name), cls, QString(), true});
    };
    const QString set = QStringLiteral("Установить");
    const QString lower = QStringLiteral("Нижняя граница преобразования");
    const QString upper = QStringLiteral("Верхняя граница преобразования");

    add(QStringLiteral("centralwidget"), "QWidget");
    add(QStringLiteral("menubar"), "QMenuBar");
    add(QStringLiteral("statusbar"), "QStatusBar");
    layout("verticalLayout_4", "QVBoxLayout");
    layout("gridLayout_2", "QGridLayout");

    layout("horizontalLayout", "QHBoxLayout");
    add(QStringLiteral("label"), "QLabel", QStringLiteral("COM PORT"));
    add(QStringLiteral("cbPorts"), "QComboBox");
    add(QStringLiteral("BT_Open_Connect_2"), "QPushButton", QStringLiteral("Обновить"));
    layout("horizontalLayout_7", "QHBoxLayout");
    add(QStringLiteral("BT_Open_Connect"), "QPushButton", QStringLiteral("Соединиться"));
    layout("horizontalLayout_4", "QHBoxLayout");
    add(QStringLiteral("BT_Load_file_name"), "QPushButton", QStringLiteral("Выбрать файл"));
    add(QStringLiteral("BT_Set_Settings"), "QPushButton", QStringLiteral("Установить настройки"));
    add(QStringLiteral("BT_Show_Settings"), "QPushButton", QStringLiteral("Показать настройки"));
    add(QStringLiteral("BT_FileSaveas"), "QPushButton",
        QStringLiteral("Сохранить настройки в файл"));
    add(QStringLiteral("ED_FileName"), "QLineEdit", QLatin1String(""), false);
    layout("gridLayout_4", "QGridLayout");
    add(QStringLiteral("label_2"), "QLabel", QStringLiteral("Имя модуля"));
    add(QStringLiteral("CB_Modul_name"), "QComboBox", QString(), false);
    add(QStringLiteral("label_3"), "QLabel", QStringLiteral("Версия прошивки"));
    add(QStringLiteral("ED_Rev"), "QLineEdit", QLatin1String(""), false);
    layout("horizontalLayout_5", "QHBoxLayout");
    add(QStringLiteral("BT_MODUL_RESET"), "QPushButton", QStringLiteral("Перезагрузка"));
    add(QStringLiteral("BT_MODUL_DEFAULT"), "QPushButton",
        QStringLiteral("Сброс до заводских настроек"));
    add(QStringLiteral("tabWidget"), "QTabWidget");
    add(QStringLiteral("TE_HINT"), "QTextEdit", QLatin1String(""));

    // The two channel pages: same widgets and texts, channel suffix apart.
    for (int ch = 0; ch < 2; ++ch) {
        const QString s = QStringLiteral("_CH%1").arg(ch);
        add(ch == 0 ? QStringLiteral("tab") : QStringLiteral("tab_2"), "QWidget");
        layout(ch == 0 ? "verticalLayout_3" : "verticalLayout_5", "QVBoxLayout");
        layout(ch == 0 ? "horizontalLayout_2" : "horizontalLayout_3", "QHBoxLayout");
        layout(ch == 0 ? "gridLayout_3" : "gridLayout", "QGridLayout");
        layout(ch == 0 ? "verticalLayout" : "verticalLayout_2", "QVBoxLayout");
        add("LB" + s, "QLabel", QStringLiteral("Тип датчика"));
        add("CB_Modul_range" + s, "QComboBox");
        add("CB_Modul_range" + s + "_2", "QComboBox");
        add("LB_INFO_TYPE_RTD_CON" + s, "QLabel", QStringLiteral("Схема подключения датчика"));
        add("CB_RTD_CONNECT" + s, "QComboBox");
        add("LB_INFO_VALUE_MIN" + s, "QLabel", lower);
        add("ED_VALUE_MIN" + s, "QLineEdit", QStringLiteral("0"));
        add("LB_TypeValue_MIN1" + s, "QLabel", kDegLatinRich);
        add("BT_Set_MIN" + s, "QPushButton", set);
        add("LB_INFO_VALUE_MAX" + s, "QLabel", upper);
        add("ED_VALUE_MAX" + s, "QLineEdit", QStringLiteral("0"));
        add("LB_TypeValueMAX1" + s, "QLabel", kDegLatinRich);
        add("BT_Set_MAX" + s, "QPushButton", set);
        add("LB_INFO_VALUE_P_MIN" + s, "QLabel", lower);
        add("ED_VALUE_P_MIN" + s, "QLineEdit", QStringLiteral("0"), false);
        add("LB_TypeValue_PMIN" + s, "QLabel", QStringLiteral("Ом"));
        add("BT_P_Set_MIN" + s, "QPushButton", set);
        add("LB_INFO_VALUE_P_MAX" + s, "QLabel", upper);
        add("ED_VALUE_P_MAX" + s, "QLineEdit", QStringLiteral("0"), false);
        add("LB_TypeValue_PMAX" + s, "QLabel", QStringLiteral("Ом"));
        add("BT_P_Set_MAX" + s, "QPushButton", set);
        add("LB_INFO_T_XC" + s, "QLabel", QStringLiteral("Датчик холодного спая"));
        add("ED_VALUE_T_XC" + s, "QLineEdit", QStringLiteral("0"), false);
        add("CHB_TI" + s, "QCheckBox", QStringLiteral("Включить ХС"));
        add("LB_INFO_IN" + s, "QLabel", QStringLiteral("Входное значение"));
        add(QStringLiteral("ED_VALUE_%1").arg(ch), "QLineEdit", QStringLiteral("0"), false);
        add("LB_TypeValue0" + s, "QLabel", QStringLiteral("мВ"));
        if (ch == 0)
            add("CHB_AI_FAST" + s, "QCheckBox", QStringLiteral("Вкл. быстрое преобразование"));
        add("LB_INFO_T" + s, "QLabel", QStringLiteral("Температура"));
        add("ED_VALUE_T" + s, "QLineEdit", QStringLiteral("0"), false);
        // Page 0 carries the unit as rich text, page 1 as plain text.
        add("LB_TypeValue1" + s, "QLabel", ch == 0 ? kDegLatinRich : kDegLatin);
        add("LB_INFO_OUT" + s, "QLabel", QStringLiteral("Расчетное выходное значение"));
        add("ED_VALUE_OUT" + s, "QLineEdit", QStringLiteral("0"), false);
        add("LB_TypeValue2" + s, "QLabel", QStringLiteral("мА"));
        add("CHB_INV" + s, "QCheckBox", QStringLiteral("Инверсия выхода"));
        add("LB_INFO_CAL_MAX" + s, "QLabel", QStringLiteral("Калибровка усиления"));
        add("LB_INFO_CAL_MIN" + s, "QLabel", QStringLiteral("Калибровка смещения"));
        add(QStringLiteral("BT_CAL_MIN_%1").arg(ch), "QPushButton",
            QStringLiteral("Выполнить юстировку смещения"));
        add(QStringLiteral("BT_CAL_MAX_%1").arg(ch), "QPushButton",
            QStringLiteral("Выполнить юстировку усиления"));
    }

    add(QStringLiteral("tab_3"), "QWidget");
    layout("gridLayout_7", "QGridLayout");
    layout("gridLayout_6", "QGridLayout");
    add(QStringLiteral("label_4"), "QLabel", QStringLiteral("Адрес"));
    add(QStringLiteral("NumB_ADR"), "QSpinBox");
    add(QStringLiteral("BT_Set_RS_Settings"), "QPushButton", set);
    add(QStringLiteral("label_5"), "QLabel", QStringLiteral("Скорость"));
    add(QStringLiteral("CB_RS485Speed"), "QComboBox");
    add(QStringLiteral("label_6"), "QLabel", QStringLiteral("Параметры RS-485"));
    add(QStringLiteral("CB_RS485Parametrs"), "QComboBox");

    add(QStringLiteral("menu"), "QMenu", QStringLiteral("Файл"));
    add(QStringLiteral("menu_2"), "QMenu", QStringLiteral("Режимы работы"));
    add(QStringLiteral("menu_3"), "QMenu", QStringLiteral("Справка"));
    add(QStringLiteral("action_file_open"), "QAction", QStringLiteral("Открыть"));
    add(QStringLiteral("action_file_save"), "QAction", QStringLiteral("Сохранить"));
    add(QStringLiteral("action_file_save_as"), "QAction", QStringLiteral("Сохранить как..."));
    add(QStringLiteral("action_exit"), "QAction", QStringLiteral("Выход"));
    add(QStringLiteral("action_demo"), "QAction", QStringLiteral("Офлайн режим"));
    add(QStringLiteral("action_cal_show"), "QAction", QStringLiteral("Режим юстировки"));
    add(QStringLiteral("action_update"), "QAction", QStringLiteral("Обновление ПО"));
    add(QStringLiteral("action_about"), "QAction", QStringLiteral("О программе"));
    add(QStringLiteral("action_cal_show_"), "QAction", QStringLiteral("Разрешить калибровку"));
    add(QStringLiteral("action_file_compare"), "QAction", QStringLiteral("Сравнить с файлом…"));
    add(QStringLiteral("action_file_report"), "QAction", QStringLiteral("Сохранить отчёт…"));
    return v;
}

// Texts as shown: a mnemonic's "&" only underlines its letter.
QString textOf(const QObject *o)
{
    if (auto b = qobject_cast<const QAbstractButton *>(o))
        return b->text().remove('&');
    if (auto l = qobject_cast<const QLabel *>(o))
        return l->text();
    if (auto e = qobject_cast<const QLineEdit *>(o))
        return e->text();
    if (auto t = qobject_cast<const QTextEdit *>(o))
        return t->toPlainText();
    if (auto a = qobject_cast<const QAction *>(o))
        return a->text().remove('&');
    if (auto m = qobject_cast<const QMenu *>(o))
        return m->title().remove('&');
    return QString();
}

// Inner parts that Qt itself creates and names: the main window's own
// layout, the scroll buttons of a tab bar, and the "qt_" parts of composite
// widgets (tab widget, spin box, text edit, menu bar).
bool isQtInternal(const QObject *o, const QMainWindow *window)
{
    const QString name = o->objectName();
    return name.isEmpty() || name.startsWith(QLatin1String("qt_")) || o == window->layout()
           || qobject_cast<const QTabBar *>(o->parent());
}

// Records which by-name slots run, and when.
class SlotProbe : public QMainWindow
{
    Q_OBJECT
public:
    QStringList calls;

public slots:
    void on_CB_Modul_range_CH0_currentIndexChanged(int i) { note("CB_Modul_range_CH0", i); }
    void on_CB_Modul_range_CH1_2_currentTextChanged(const QString &) { note("CB_Modul_range_CH1_2", 0); }
    void on_CB_RTD_CONNECT_CH0_currentIndexChanged(int i) { note("CB_RTD_CONNECT_CH0", i); }
    void on_CB_RS485Speed_currentIndexChanged(int i) { note("CB_RS485Speed", i); }
    void on_CB_RS485Parametrs_currentIndexChanged(int i) { note("CB_RS485Parametrs", i); }
    void on_CB_Modul_name_currentTextChanged(const QString &) { note("CB_Modul_name", 0); }
    void on_tabWidget_currentChanged(int i) { note("tabWidget", i); }
    void on_CHB_TI_CH0_toggled(bool on) { note("CHB_TI_CH0", on); }

private:
    void note(const char *who, int v) { calls << QStringLiteral("%1=%2").arg(QLatin1String(who)).arg(v); }
};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void window();
    void objectKindsAndTexts_data();
    void objectKindsAndTexts();
    void noUnlistedObjects();
    void initiallyEnabled_data();
    void initiallyEnabled();
    void placement_data();
    void placement();
    void comboItems_data();
    void comboItems();
    void checkBoxesStartUnchecked_data();
    void checkBoxesStartUnchecked();
    void actions_data();
    void actions();
    void menuBarOrder();
    void menuContents_data();
    void menuContents();
    void tabs_data();
    void tabs();
    void sizeLimits_data();
    void sizeLimits();
    void addressSpinBox();
    void hintBox();
    void noHandlerRunsDuringSetUp();

private:
    template <typename T = QObject>
    T *find(const QString &name) const
    {
        return m_window->findChild<T *>(name);
    }

    QMainWindow *m_window = nullptr;
    Ui::MainWindow m_ui;
};

void TestForm::initTestCase()
{
    m_window = new QMainWindow;
    m_ui.setupUi(m_window);
}

void TestForm::cleanupTestCase()
{
    delete m_window;
    m_window = nullptr;
}

void TestForm::window()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(m_window->size(), QSize(733, 766));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Конфигуратор модулей серии ZT"));
    QCOMPARE(m_window->font().pointSize(), 12);

    QVERIFY(m_window->centralWidget());
    QCOMPARE(m_window->centralWidget()->objectName(), QStringLiteral("centralwidget"));
    QLayout *top = m_window->centralWidget()->layout();
    QVERIFY(top);
    QCOMPARE(top->objectName(), QStringLiteral("verticalLayout_4"));
    QCOMPARE(top->sizeConstraint(), QLayout::SetMinimumSize);
    QCOMPARE(top->count(), 1);
    QVERIFY(top->itemAt(0)->layout());
    QCOMPARE(top->itemAt(0)->layout()->objectName(), QStringLiteral("gridLayout_2"));

    QCOMPARE(m_window->menuBar()->objectName(), QStringLiteral("menubar"));
    QCOMPARE(m_window->statusBar()->objectName(), QStringLiteral("statusbar"));
}

void TestForm::objectKindsAndTexts_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<QString>("text");
    for (const FormObject &o : formObjects())
        QTest::newRow(qPrintable(o.name)) << o.className << o.text;
}

void TestForm::objectKindsAndTexts()
{
    QFETCH(QByteArray, className);
    QFETCH(QString, text);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    const QList<QObject *> hits = m_window->findChildren<QObject *>(name);
    QCOMPARE(hits.size(), 1);
    QCOMPARE(QByteArray(hits.first()->metaObject()->className()), className);
    if (!text.isNull())
        QCOMPARE(textOf(hits.first()), text);
}

void TestForm::noUnlistedObjects()
{
    QSet<QString> expected;
    for (const FormObject &o : formObjects())
        expected.insert(o.name);

    QStringList unlisted;
    for (QObject *o : m_window->findChildren<QObject *>()) {
        const bool formKind = o->isWidgetType() || qobject_cast<QAction *>(o)
                              || qobject_cast<QLayout *>(o);
        if (formKind && !isQtInternal(o, m_window) && !expected.contains(o->objectName()))
            unlisted << o->objectName();
    }
    QVERIFY2(unlisted.isEmpty(), qPrintable(unlisted.join(QLatin1String(", "))));
}

void TestForm::initiallyEnabled_data()
{
    QTest::addColumn<bool>("enabled");
    for (const FormObject &o : formObjects()) {
        if (o.className.endsWith("Layout"))
            continue;
        QTest::newRow(qPrintable(o.name)) << o.enabled;
    }
}

void TestForm::initiallyEnabled()
{
    QFETCH(bool, enabled);
    QObject *o = find(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(o);
    if (auto w = qobject_cast<QWidget *>(o))
        QCOMPARE(w->isEnabled(), enabled);
    else
        QCOMPARE(qobject_cast<QAction *>(o)->isEnabled(), enabled);
}

// Where each widget or nested layout sits. `parent` names a layout, or a
// widget whose own layout is meant. In a grid, row and column are the cell;
// a horizontal box is one row (column = position), a vertical box one column
// (row = position).
void TestForm::placement_data()
{
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");

    auto row = [](const QString &child, const QString &parent, int r, int c) {
        QTest::addRow("%s in %s", qPrintable(child), qPrintable(parent)) << child << parent << r << c;
    };

    const QString top = QStringLiteral("gridLayout_2");
    row(QStringLiteral("horizontalLayout"), top, 0, 0);
    row(QStringLiteral("horizontalLayout_7"), top, 2, 0);
    row(QStringLiteral("horizontalLayout_4"), top, 10, 0);
    row(QStringLiteral("ED_FileName"), top, 11, 0);
    row(QStringLiteral("gridLayout_4"), top, 22, 0);
    row(QStringLiteral("horizontalLayout_5"), top, 23, 0);
    row(QStringLiteral("tabWidget"), top, 24, 0);
    row(QStringLiteral("TE_HINT"), top, 25, 0);

    const QString ports = QStringLiteral("horizontalLayout");
    row(QStringLiteral("label"), ports, 0, 0);
    row(QStringLiteral("cbPorts"), ports, 0, 1);
    row(QStringLiteral("BT_Open_Connect_2"), ports, 0, 2);
    row(QStringLiteral("BT_Open_Connect"), QStringLiteral("horizontalLayout_7"), 0, 0);
    const QString files = QStringLiteral("horizontalLayout_4");
    row(QStringLiteral("BT_Load_file_name"), files, 0, 0);
    row(QStringLiteral("BT_Set_Settings"), files, 0, 1);
    row(QStringLiteral("BT_Show_Settings"), files, 0, 2);
    row(QStringLiteral("BT_FileSaveas"), files, 0, 3);
    const QString module = QStringLiteral("gridLayout_4");
    row(QStringLiteral("label_2"), module, 1, 0);
    row(QStringLiteral("CB_Modul_name"), module, 1, 1);
    row(QStringLiteral("label_3"), module, 1, 2);
    row(QStringLiteral("ED_Rev"), module, 1, 3);
    row(QStringLiteral("BT_MODUL_RESET"), QStringLiteral("horizontalLayout_5"), 0, 0);
    row(QStringLiteral("BT_MODUL_DEFAULT"), QStringLiteral("horizontalLayout_5"), 0, 1);

    // Channel pages. Grid rows differ between the pages; columns are
    // caption, value, unit, action.
    struct Page
    {
        int ch;
        const char *page, *hbox, *grid, *vbox;
        int wiring, min, max, pmin, pmax, xc, in, t, out, cal;
    };
    const Page pages[] = {
        {0, "tab", "horizontalLayout_2", "gridLayout_3", "verticalLayout", 0, 1, 2, 3, 4, 5, 6, 7, 8, 17},
        {1, "tab_2", "horizontalLayout_3", "gridLayout", "verticalLayout_2", 3, 4, 5, 6, 7, 8, 9, 10, 12, 19},
    };
    for (const Page &p : pages) {
        const QString s = QStringLiteral("_CH%1").arg(p.ch);
        const QString page = QLatin1String(p.page), hbox = QLatin1String(p.hbox),
                      grid = QLatin1String(p.grid), vbox = QLatin1String(p.vbox);
        row(hbox, page, 0, 0);
        row(grid, page, 1, 0);
        row(vbox, page, 2, 0);
        row("LB" + s, hbox, 0, 0);
        row("CB_Modul_range" + s, hbox, 0, 1);
        row("CB_Modul_range" + s + "_2", hbox, 0, 2);
        row("LB_INFO_TYPE_RTD_CON" + s, grid, p.wiring, 0);
        row("CB_RTD_CONNECT" + s, grid, p.wiring, 1);
        row("LB_INFO_VALUE_MIN" + s, grid, p.min, 0);
        row("ED_VALUE_MIN" + s, grid, p.min, 1);
        row("LB_TypeValue_MIN1" + s, grid, p.min, 2);
        row("BT_Set_MIN" + s, grid, p.min, 3);
        row("LB_INFO_VALUE_MAX" + s, grid, p.max, 0);
        row("ED_VALUE_MAX" + s, grid, p.max, 1);
        row("LB_TypeValueMAX1" + s, grid, p.max, 2);
        row("BT_Set_MAX" + s, grid, p.max, 3);
        row("LB_INFO_VALUE_P_MIN" + s, grid, p.pmin, 0);
        row("ED_VALUE_P_MIN" + s, grid, p.pmin, 1);
        row("LB_TypeValue_PMIN" + s, grid, p.pmin, 2);
        row("BT_P_Set_MIN" + s, grid, p.pmin, 3);
        row("LB_INFO_VALUE_P_MAX" + s, grid, p.pmax, 0);
        row("ED_VALUE_P_MAX" + s, grid, p.pmax, 1);
        row("LB_TypeValue_PMAX" + s, grid, p.pmax, 2);
        row("BT_P_Set_MAX" + s, grid, p.pmax, 3);
        row("LB_INFO_T_XC" + s, grid, p.xc, 0);
        row("ED_VALUE_T_XC" + s, grid, p.xc, 1);
        row("CHB_TI" + s, grid, p.xc, 3);
        row("LB_INFO_IN" + s, grid, p.in, 0);
        row(QStringLiteral("ED_VALUE_%1").arg(p.ch), grid, p.in, 1);
        row("LB_TypeValue0" + s, grid, p.in, 2);
        if (p.ch == 0)
            row("CHB_AI_FAST" + s, grid, p.in, 3);
        row("LB_INFO_T" + s, grid, p.t, 0);
        row("ED_VALUE_T" + s, grid, p.t, 1);
        row("LB_TypeValue1" + s, grid, p.t, 2);
        row("LB_INFO_OUT" + s, grid, p.out, 0);
        row("ED_VALUE_OUT" + s, grid, p.out, 1);
        row("LB_TypeValue2" + s, grid, p.out, 2);
        row("CHB_INV" + s, grid, p.out, 3);
        row("LB_INFO_CAL_MAX" + s, grid, p.cal, 0);
        row("LB_INFO_CAL_MIN" + s, grid, p.cal, 1);
        row(QStringLiteral("BT_CAL_MIN_%1").arg(p.ch), vbox, 0, 0);
        row(QStringLiteral("BT_CAL_MAX_%1").arg(p.ch), vbox, 1, 0);
    }

    row(QStringLiteral("gridLayout_7"), QStringLiteral("tab_3"), 0, 0);
    row(QStringLiteral("gridLayout_6"), QStringLiteral("gridLayout_7"), 0, 0);
    const QString rs = QStringLiteral("gridLayout_6");
    row(QStringLiteral("label_4"), rs, 0, 0);
    row(QStringLiteral("NumB_ADR"), rs, 0, 1);
    row(QStringLiteral("BT_Set_RS_Settings"), rs, 0, 2);
    row(QStringLiteral("label_5"), rs, 2, 0);
    row(QStringLiteral("CB_RS485Speed"), rs, 2, 1);
    row(QStringLiteral("label_6"), rs, 3, 0);
    row(QStringLiteral("CB_RS485Parametrs"), rs, 3, 1);
}

void TestForm::placement()
{
    QFETCH(QString, child);
    QFETCH(QString, parent);
    QFETCH(int, row);
    QFETCH(int, column);

    QLayout *layout = find<QLayout>(parent);
    if (!layout) {
        QWidget *w = find<QWidget>(parent);
        QVERIFY2(w && w->layout(), "parent is neither a layout nor a widget with a layout");
        if (w->layout()->objectName() == child) {
            QCOMPARE(row, 0);
            QCOMPARE(column, 0);
            return; // the page's own layout
        }
        layout = w->layout();
    }

    int index = -1;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *it = layout->itemAt(i);
        const QObject *o = it->widget() ? static_cast<QObject *>(it->widget())
                                        : static_cast<QObject *>(it->layout());
        if (o && o->objectName() == child) {
            index = i;
            break;
        }
    }
    QVERIFY2(index >= 0, "not a direct item of that layout");

    if (auto grid = qobject_cast<QGridLayout *>(layout)) {
        int r, c, rs, cs;
        grid->getItemPosition(index, &r, &c, &rs, &cs);
        QCOMPARE(r, row);
        QCOMPARE(c, column);
        QCOMPARE(rs, 1);
        QCOMPARE(cs, 1);
    } else if (auto box = qobject_cast<QBoxLayout *>(layout)) {
        const bool horizontal = box->direction() == QBoxLayout::LeftToRight;
        QCOMPARE(horizontal ? 0 : index, row);
        QCOMPARE(horizontal ? index : 0, column);
    } else {
        QFAIL("unexpected layout kind");
    }
}

void TestForm::comboItems_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("current");

    QTest::newRow("ports") << "cbPorts" << QStringList() << -1;
    QTest::newRow("catalogue") << "CB_Modul_name" << catalogueItems() << 0;
    QTest::newRow("thermocouple 0") << "CB_Modul_range_CH0" << thermocoupleItems() << 0;
    QTest::newRow("thermocouple 1") << "CB_Modul_range_CH1" << thermocoupleItems() << 0;
    QTest::newRow("rtd 0") << "CB_Modul_range_CH0_2" << rtdItems() << 0;
    QTest::newRow("rtd 1") << "CB_Modul_range_CH1_2" << rtdItems() << 0;
    QTest::newRow("wiring 0") << "CB_RTD_CONNECT_CH0" << wiringItems() << 0;
    QTest::newRow("wiring 1") << "CB_RTD_CONNECT_CH1" << wiringItems() << 0;
    QTest::newRow("speed") << "CB_RS485Speed"
                           << QStringList{"2400", "4800", "9600", "19200", "38400", "57600", "115200"}
                           << 0;
    QTest::newRow("format") << "CB_RS485Parametrs" << QStringList{"8N1", "8N2", "8O1", "8E1"} << 2;
}

void TestForm::comboItems()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(int, current);

    auto *cb = find<QComboBox>(name);
    QVERIFY(cb);
    QStringList actual;
    for (int i = 0; i < cb->count(); ++i)
        actual << cb->itemText(i);
    QCOMPARE(actual, items);
    QCOMPARE(cb->currentIndex(), current);
    // The handlers rely on the text always being one of the items.
    QVERIFY(!cb->isEditable());
}

void TestForm::checkBoxesStartUnchecked_data()
{
    QTest::addColumn<QString>("name");
    for (const char *n : {"CHB_TI_CH0", "CHB_TI_CH1", "CHB_AI_FAST_CH0", "CHB_INV_CH0", "CHB_INV_CH1"})
        QTest::newRow(n) << QString::fromLatin1(n);
}

void TestForm::checkBoxesStartUnchecked()
{
    QFETCH(QString, name);
    auto *cb = find<QCheckBox>(name);
    QVERIFY(cb);
    QCOMPARE(cb->checkState(), Qt::Unchecked);
    QVERIFY(!cb->isTristate());
}

// Each action: checkable or not, font size, and the one menu holding it
// (empty: in no menu at all, so unreachable).
void TestForm::actions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("menu");

    QTest::newRow("open") << "action_file_open" << false << 11 << "menu";
    QTest::newRow("save") << "action_file_save" << false << 11 << "menu";
    QTest::newRow("save as") << "action_file_save_as" << false << -1 << "";
    QTest::newRow("exit") << "action_exit" << false << 11 << "menu";
    QTest::newRow("offline") << "action_demo" << true << 11 << "menu_2";
    QTest::newRow("calibration") << "action_cal_show" << true << 11 << "menu_2";
    QTest::newRow("update") << "action_update" << false << 12 << "menu_3";
    QTest::newRow("about") << "action_about" << false << 12 << "menu_3";
    QTest::newRow("allow calibration") << "action_cal_show_" << true << -1 << "";
    QTest::newRow("compare with file") << "action_file_compare" << false << 11 << "menu";
    QTest::newRow("save report") << "action_file_report" << false << 11 << "menu";
}

void TestForm::actions()
{
    QFETCH(QString, name);
    QFETCH(bool, checkable);
    QFETCH(int, pointSize);
    QFETCH(QString, menu);

    auto *a = find<QAction>(name);
    QVERIFY(a);
    QCOMPARE(a->isCheckable(), checkable);
    QVERIFY(!a->isChecked());
    if (pointSize > 0)
        QCOMPARE(a->font().pointSize(), pointSize);

    QStringList holders;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QList<QObject *> users = a->associatedObjects();
#else
    const QList<QWidget *> users = a->associatedWidgets();
#endif
    for (QObject *w : users) {
        if (qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w))
            holders << w->objectName();
    }
    QCOMPARE(holders, menu.isEmpty() ? QStringList() : QStringList{menu});
}

void TestForm::menuBarOrder()
{
    QStringList menus;
    for (QAction *a : m_window->menuBar()->actions()) {
        QVERIFY(a->menu());
        menus << a->menu()->objectName() + QLatin1Char(':') + a->text().remove('&');
    }
    QCOMPARE(menus, (QStringList{QStringLiteral("menu:Файл"), QStringLiteral("menu_2:Режимы работы"),
                                 QStringLiteral("menu_3:Справка")}));
}

void TestForm::menuContents_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries"); // "-" marks a separator

    QTest::newRow("file") << "menu" << QStringList{"action_file_open", "action_file_save", "action_file_compare",
                                                   "action_file_report", "-", "action_exit"};
    QTest::newRow("modes") << "menu_2" << QStringList{"action_demo", "action_cal_show"};
    QTest::newRow("help") << "menu_3" << QStringList{"action_update", "action_about"};
}

void TestForm::menuContents()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);

    auto *m = find<QMenu>(menu);
    QVERIFY(m);
    QStringList actual;
    for (QAction *a : m->actions())
        actual << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
    QCOMPARE(actual, entries);
}

void TestForm::tabs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("title");

    QTest::newRow("channel 0") << 0 << "tab" << QStringLiteral("Канал 0");
    QTest::newRow("channel 1") << 1 << "tab_2" << QStringLiteral("Канал 1");
    QTest::newRow("rs-485") << 2 << "tab_3" << QStringLiteral("Modbus RTU");
}

void TestForm::tabs()
{
    QFETCH(int, index);
    QFETCH(QString, page);
    QFETCH(QString, title);

    QTabWidget *tw = m_ui.tabWidget;
    QCOMPARE(tw->count(), 3);
    QCOMPARE(tw->currentIndex(), 2); // the form leaves the RS-485 page current
    QCOMPARE(tw->widget(index)->objectName(), page);
    QCOMPARE(tw->tabText(index), title);
    QVERIFY(tw->isTabVisible(index));
}

void TestForm::sizeLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("maximum");

    QTest::newRow("sensor caption 0") << "LB_CH0" << QSize(200, QWIDGETSIZE_MAX);
    QTest::newRow("sensor caption 1") << "LB_CH1" << QSize(200, QWIDGETSIZE_MAX);
    QTest::newRow("tabs") << "tabWidget" << QSize(QWIDGETSIZE_MAX, 360);
    QTest::newRow("hint") << "TE_HINT" << QSize(QWIDGETSIZE_MAX, 80);
}

void TestForm::sizeLimits()
{
    QFETCH(QString, name);
    QFETCH(QSize, maximum);
    QWidget *w = find<QWidget>(name);
    QVERIFY(w);
    QCOMPARE(w->maximumSize(), maximum);
}

void TestForm::addressSpinBox()
{
    QSpinBox *sb = m_ui.NumB_ADR;
    QCOMPARE(sb->minimum(), 1);
    QCOMPARE(sb->maximum(), 247);
    QCOMPARE(sb->value(), 10);
}

void TestForm::hintBox()
{
    QTextEdit *te = m_ui.TE_HINT;
    QVERIFY(te->isReadOnly());
    QCOMPARE(te->textInteractionFlags(), Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QVERIFY(te->document()->isEmpty());
}

// Initial rows and pages are stored in the form and must be in place before
// the window's slots are connected by name: set-up alone runs no handler,
// while a later change does reach the handler.
void TestForm::noHandlerRunsDuringSetUp()
{
    SlotProbe probe;
    Ui::MainWindow ui;
    ui.setupUi(&probe);
    QCOMPARE(probe.calls, QStringList());

    ui.CB_RS485Parametrs->setCurrentIndex(3);
    ui.CB_RS485Speed->setCurrentIndex(6);
    ui.CB_Modul_range_CH0->setCurrentIndex(11);
    ui.CB_Modul_range_CH1_2->setCurrentIndex(10);
    ui.CB_RTD_CONNECT_CH0->setCurrentIndex(2);
    ui.CB_Modul_name->setCurrentIndex(12);
    ui.tabWidget->setCurrentIndex(0);
    ui.CHB_TI_CH0->setChecked(true);
    QCOMPARE(probe.calls,
             (QStringList{"CB_RS485Parametrs=3", "CB_RS485Speed=6", "CB_Modul_range_CH0=11",
                          "CB_Modul_range_CH1_2=0", "CB_RTD_CONNECT_CH0=2", "CB_Modul_name=0",
                          "tabWidget=0", "CHB_TI_CH0=1"}));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
