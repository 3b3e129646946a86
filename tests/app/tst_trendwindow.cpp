// The trend window opened while connected: what was read before it opened is
// on it, the input in its type's unit, and only the series the type has.

#include "windowharness.h"

#include <qwt_plot.h>
#include <qwt_plot_item.h>

#include <QAction>
#include <QImage>
#include <QTemporaryDir>

class tst_TrendWindow : public QObject
{
    Q_OBJECT

private slots:
    void showsWhatWasReadBeforeOpening();
    void savesThePictureAsPng();
    void missingLibraryIsReported();
};

void tst_TrendWindow::showsWhatWasReadBeforeOpening()
{
    WindowHarness h;
    QVERIFY(h.start("ZT-1RTD-1AO"));
    QVERIFY(h.connectAndPoll());
    h.window->findChild<QAction *>("action_trend")->trigger();
    auto *trend = h.window->findChild<QWidget *>("trendWindow");
    QVERIFY(trend && trend->isVisible());
    QStringList drawn;
    for (QwtPlot *plot : trend->findChildren<QwtPlot *>()) {
        for (QwtPlotItem *item : plot->itemList(QwtPlotItem::Rtti_PlotCurve)) {
            if (plot->isVisible() && item->boundingRect().width() > 0)
                drawn << plot->axisTitle(QwtPlot::yLeft).text() + " / " + item->title().text();
        }
    }
    QCOMPARE(drawn, QStringList({"Температура, °C / Канал 0", "Входное значение, Ом / Канал 0",
                                 "Выходной ток, мА / Канал 0"}));
}

// The name the user typed gets the extension the filter promised.
void tst_TrendWindow::savesThePictureAsPng()
{
    WindowHarness h;
    h.open();
    h.window->findChild<QAction *>("action_trend")->trigger();
    QTemporaryDir dir;
    h.prompts.files << dir.filePath("shift");
    h.window->findChild<QWidget *>("trendWindow")->findChild<QAction *>("action_trend_save")->trigger();
    QVERIFY(!QImage(dir.filePath("shift.png"), "PNG").isNull());
    QVERIFY(h.prompts.boxes.isEmpty());
}

// The window's library is loaded when first opened; without it the user
// is told why, and the program goes on.
void tst_TrendWindow::missingLibraryIsReported()
{
    FakePrompts prompts;
    FakePorts ports;
    MainWindowOptions options = fakeOptions(&prompts, &ports);
    options.pluginDir = QStringLiteral("/nonexistent");
    MainWindow window(options);
    window.findChild<QAction *>("action_trend")->trigger();
    QVERIFY(!window.findChild<QWidget *>("trendWindow"));
    QCOMPARE(prompts.boxes.size(), 1);
    QVERIFY(prompts.texts().value(0).startsWith(QString::fromUtf8("Не удалось открыть окно графика: ")));
}

QTEST_MAIN(tst_TrendWindow)
#include "tst_trendwindow.moc"
