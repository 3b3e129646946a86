#include "trendwindow.h"

#include "trendcurve.h"
#include "trendtexts.h"

#include <qwt_date.h>
#include <qwt_date_scale_draw.h>
#include <qwt_date_scale_engine.h>
#include <qwt_legend.h>
#include <qwt_legend_label.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_plot_grid.h>
#include <qwt_plot_magnifier.h>
#include <qwt_plot_panner.h>
#include <qwt_plot_zoomer.h>
#include <qwt_scale_widget.h>

#include <QActionGroup>
#include <QDateTime>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

using zt::trend::Quantity;

constexpr qint64 Minute = 60 * 1000;
// Time labels by the step between them; the date only once days are steps.
const std::pair<QwtDate::IntervalType, const char *> TimeFormats[] = {
    {QwtDate::Millisecond, "hh:mm:ss.zzz"}, {QwtDate::Second, "hh:mm:ss"}, {QwtDate::Minute, "hh:mm"},
    {QwtDate::Hour, "hh:mm"}, {QwtDate::Day, "dd.MM"}, {QwtDate::Week, "dd.MM"}, {QwtDate::Month, "MM.yyyy"},
};
const QColor ChannelColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28)};

// A rectangle zooms from what is shown now, not from where the view stood
// when the zoomer was made: the view moves on between zooms.
class TimeZoomer : public QwtPlotZoomer
{
public:
    explicit TimeZoomer(QWidget *canvas)
        : QwtPlotZoomer(canvas)
    {
    }

protected:
    void begin() override
    {
        if (zoomRectIndex() == 0)
            setZoomBase(false);
        QwtPlotZoomer::begin();
    }

    QwtText trackerTextF(const QPointF &pos) const override
    {
        return QwtText(QwtDate::toDateTime(pos.x(), Qt::LocalTime).toString(QStringLiteral("HH:mm:ss"))
                       + QStringLiteral("  ") + QString::number(pos.y(), 'g', 6));
    }
};

void showCheckedInLegend(QwtPlot *plot, QwtPlotItem *item)
{
    auto *legend = qobject_cast<QwtLegend *>(plot->legend());
    if (auto *label = qobject_cast<QwtLegendLabel *>(legend->legendWidget(plot->itemToInfo(item))))
        label->setChecked(item->isVisible());
}

} // namespace

TrendWindow::TrendWindow(std::shared_ptr<const zt::trend::SampleRing> samples, const TrendPrompts &prompts,
                         QWidget *parent)
    : QWidget(parent, Qt::Window)
    , samples(std::move(samples))
    , prompts(prompts)
{
    setObjectName(QStringLiteral("trendWindow"));
    setWindowTitle(tr(trendtext::Title));

    auto *bar = new QToolBar(this);
    pauseAction = bar->addAction(tr(trendtext::Pause));
    pauseAction->setObjectName(QStringLiteral("action_trend_pause"));
    pauseAction->setCheckable(true);
    pauseAction->setToolTip(tr(trendtext::PauseTip));
    connect(pauseAction, &QAction::toggled, this, [this](bool on) {
        if (!on)
            resumeFollowing();
    });
    bar->addSeparator();
    bar->addWidget(new QLabel(tr(trendtext::Show), bar));
    auto *spans = new QActionGroup(this);
    const auto addSpan = [&](const char *text, qint64 span, const char *name) {
        QAction *action = spans->addAction(tr(text));
        action->setObjectName(QLatin1String(name));
        action->setCheckable(true);
        action->setChecked(span == viewSpan);
        bar->addAction(action);
        connect(action, &QAction::triggered, this, [this, span] {
            viewSpan = span;
            resumeFollowing();
        });
    };
    viewSpan = 10 * Minute;
    addSpan(trendtext::Last10Min, 10 * Minute, "action_trend_10min");
    addSpan(trendtext::LastHour, 60 * Minute, "action_trend_hour");
    addSpan(trendtext::All, 0, "action_trend_all");
    bar->addSeparator();
    QAction *save = bar->addAction(tr(trendtext::SavePng), this, &TrendWindow::askAndSavePicture);
    save->setObjectName(QStringLiteral("action_trend_save"));

    plotArea = new QWidget(this);
    auto *plotLayout = new QVBoxLayout(plotArea);
    plotLayout->setContentsMargins(0, 0, 0, 0);
    addPlot(tr(trendtext::Temperature));
    addPlot(tr(trendtext::Input));
    addPlot(tr(trendtext::Output));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(plotArea, 1);
    resize(900, 750);

    // Until a module is known, every series.
    TrendModule unknown;
    for (TrendCurve *curve : qAsConst(curves))
        unknown.series.append(curve->series());
    setModule(unknown);
    showNewest();
}

void TrendWindow::addPlot(const QString &axisTitle)
{
    const auto quantity = Quantity(plots.size());
    auto *plot = new QwtPlot(plotArea);
    plotArea->layout()->addWidget(plot);
    plots.append(plot);
    plot->setAxisTitle(QwtPlot::yLeft, axisTitle);
    auto *timeScale = new QwtDateScaleDraw(Qt::LocalTime);
    for (const auto &[unit, format] : TimeFormats)
        timeScale->setDateFormat(unit, QLatin1String(format));
    plot->setAxisScaleDraw(QwtPlot::xBottom, timeScale);
    plot->setAxisScaleEngine(QwtPlot::xBottom, new QwtDateScaleEngine(Qt::LocalTime));
    plot->canvas()->setToolTip(tr(trendtext::Usage));

    auto *grid = new QwtPlotGrid;
    grid->setPen(Qt::lightGray, 0, Qt::DotLine);
    grid->attach(plot);

    auto *legend = new QwtLegend;
    legend->setDefaultItemMode(QwtLegendData::Checkable);
    plot->insertLegend(legend, QwtPlot::RightLegend);
    connect(legend, &QwtLegend::checked, plot, [plot](const QVariant &info, bool on, int) {
        if (QwtPlotItem *item = plot->infoToItem(info)) {
            item->setVisible(on);
            plot->replot();
        }
    });

    for (int channel = 0; channel < 2; ++channel) {
        auto *curve = new TrendCurve(tr(trendtext::Channel).arg(channel), samples, {quantity, channel});
        curve->setPen(ChannelColours[channel]);
        curves.append(curve);
    }

    new TimeZoomer(plot->canvas());
    auto *panner = new QwtPlotPanner(plot->canvas());
    panner->setMouseButton(Qt::MiddleButton);
    panner->setOrientations(Qt::Horizontal);
    panner->setAxisEnabled(QwtPlot::yLeft, false);
    auto *magnifier = new QwtPlotMagnifier(plot->canvas());
    magnifier->setMouseButton(Qt::NoButton); // the wheel only; the right button belongs to the zoomer
    magnifier->setAxisEnabled(QwtPlot::yLeft, false);

    connect(plot->axisWidget(QwtPlot::xBottom), &QwtScaleWidget::scaleDivChanged, this,
            [this, plot] { timeChangedOn(plot); });
}

void TrendWindow::setModule(const TrendModule &module)
{
    const QString &unit = module.inputUnit;
    plots[int(Quantity::Input)]->setAxisTitle(
        QwtPlot::yLeft, unit.isEmpty() ? tr(trendtext::Input) : tr(trendtext::InputWithUnit).arg(unit));

    for (TrendCurve *curve : qAsConst(curves)) {
        QwtPlot *plot = plots[int(curve->series().quantity)];
        const bool has = module.series.contains(curve->series());
        curve->attach(has ? plot : nullptr);
        if (has)
            showCheckedInLegend(plot, curve);
    }
    for (QwtPlot *plot : qAsConst(plots))
        plot->setVisible(!plot->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    if (isVisible())
        replotAll();
}

bool TrendWindow::paused() const
{
    return pauseAction->isChecked();
}

void TrendWindow::samplesChanged()
{
    follow();
}

void TrendWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (paused())
        replotAll();
    else
        showNewest();
}

void TrendWindow::follow()
{
    if (isVisible() && !paused())
        showNewest();
}

// The span ending at the newest sample, or every sample; an empty trend
// shows the span ending now.
void TrendWindow::showNewest()
{
    qint64 end = QDateTime::currentMSecsSinceEpoch();
    qint64 start = end - (viewSpan > 0 ? viewSpan : 10 * Minute);
    if (samples->size() > 0) {
        end = samples->at(samples->size() - 1).msecs;
        start = viewSpan > 0 ? end - viewSpan : std::min(samples->at(0).msecs, end - Minute);
    }
    settingTime = true;
    for (QwtPlot *plot : qAsConst(plots))
        plot->setAxisScale(QwtPlot::xBottom, double(start), double(end));
    replotAll();
    settingTime = false;
}

void TrendWindow::resumeFollowing()
{
    for (QwtPlot *plot : qAsConst(plots))
        plot->setAxisAutoScale(QwtPlot::yLeft, true);
    // The zooms made while paused are no way back from the view that follows.
    for (QwtPlotZoomer *zoomer : findChildren<QwtPlotZoomer *>())
        zoomer->setZoomBase(false);
    pauseAction->setChecked(false);
    follow();
}

// Zooming, panning or the wheel on one plot: the others show the same time,
// and the view stops following.
void TrendWindow::timeChangedOn(QwtPlot *source)
{
    if (settingTime)
        return;
    const QwtInterval time = source->axisInterval(QwtPlot::xBottom);
    settingTime = true;
    for (QwtPlot *plot : qAsConst(plots)) {
        if (plot == source)
            continue;
        plot->setAxisScale(QwtPlot::xBottom, time.minValue(), time.maxValue());
        plot->replot();
    }
    settingTime = false;
    if (isVisible())
        pauseAction->setChecked(true);
}

// The value axes take the width of the widest, so the stacked plots' time
// axes line up.
void TrendWindow::alignValueAxes()
{
    QVector<double> before;
    double extent = 0;
    for (QwtPlot *plot : qAsConst(plots)) {
        if (plot->isHidden())
            continue;
        QwtScaleWidget *axis = plot->axisWidget(QwtPlot::yLeft);
        QwtScaleDraw *draw = axis->scaleDraw();
        before.append(draw->minimumExtent());
        draw->setMinimumExtent(0);
        extent = std::max(extent, draw->extent(axis->font()));
    }
    for (int i = 0; i < plots.size(); ++i) {
        plots[i]->axisWidget(QwtPlot::yLeft)->scaleDraw()->setMinimumExtent(extent);
        if (before[i] != extent)
            plots[i]->updateLayout();
    }
}

void TrendWindow::replotAll()
{
    for (QwtPlot *plot : qAsConst(plots))
        plot->updateAxes();
    alignValueAxes();
    for (QwtPlot *plot : qAsConst(plots))
        plot->replot();
}

void TrendWindow::savePicture(const QString &path)
{
    if (!plotArea->grab().save(path, "PNG"))
        prompts.critical(this, tr(trendtext::SaveFailedTitle), tr(trendtext::SaveFailed).arg(path));
}

void TrendWindow::askAndSavePicture()
{
    QString path = prompts.saveFileName(tr(trendtext::SaveCaption), tr(trendtext::PngFilter));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        path += QLatin1String(".png");
    savePicture(path);
}
