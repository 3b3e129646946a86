#include "trendcurve.h"

#include <qwt_painter.h>
#include <qwt_plot.h>
#include <qwt_plot_canvas.h>
#include <qwt_scale_map.h>

#include <QPainter>

#include <cmath>
#include <limits>

TrendCurve::TrendCurve(const QString &title, std::shared_ptr<const zt::trend::SampleRing> samples,
                       zt::trend::Series series)
    : QwtPlotCurve(title)
    , samples(std::move(samples))
    , shown(series)
    , decimator(series)
{
}

const TrendCurve::View &TrendCurve::view(double from, double to, int columns) const
{
    const auto start = qint64(std::floor(from));
    const auto end = qint64(std::ceil(to));
    if (start == last.from && end == last.to && columns == last.columns
        && samples->appended() == last.appended && samples->generation() == last.generation)
        return last;
    last = View{start, end, columns, samples->appended(), samples->generation(),
                decimator.points(*samples, start, end, columns), QRectF()};
    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (const QPointF &p : last.points) {
        if (std::isnan(p.y()))
            continue;
        low = std::min(low, p.y());
        high = std::max(high, p.y());
    }
    if (low <= high)
        last.bounds = QRectF(from, low, to - from, high - low);
    return last;
}

QRectF TrendCurve::boundingRect() const
{
    const QRectF none(1.0, 1.0, -2.0, -2.0); // Qwt's "no extent"
    if (!plot())
        return none;
    const QwtInterval time = plot()->axisInterval(xAxis());
    const QRectF &bounds = view(time.minValue(), time.maxValue(), plot()->canvas()->width()).bounds;
    return bounds.isNull() ? none : bounds;
}

void TrendCurve::drawSeries(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                            const QRectF &canvasRect, int, int) const
{
    const View &v = view(std::min(xMap.s1(), xMap.s2()), std::max(xMap.s1(), xMap.s2()),
                         int(canvasRect.width()));
    painter->setPen(pen());
    QPolygonF run;
    const auto drawRun = [&] {
        if (run.size() == 1) // a lone value between gaps
            QwtPainter::drawPoint(painter, run.first());
        else if (run.size() > 1)
            QwtPainter::drawPolyline(painter, run);
        run.clear();
    };
    for (const QPointF &p : v.points) {
        if (std::isnan(p.y()))
            drawRun();
        else
            run.append(QPointF(xMap.transform(p.x()), yMap.transform(p.y())));
    }
    drawRun();
}
