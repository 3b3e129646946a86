#pragma once

#include "trend/decimation.h"

#include <qwt_plot_curve.h>

#include <memory>

// One series of the live samples on a plot whose x axis is the time in ms
// since the epoch. It holds no copy of the samples: each drawing takes the
// decimated points of the visible time for the canvas width, so a day of
// samples costs a few thousand points per redraw. Gaps break the line.
class TrendCurve : public QwtPlotCurve
{
public:
    TrendCurve(const QString &title, std::shared_ptr<const zt::trend::SampleRing> samples,
               zt::trend::Series series);

    zt::trend::Series series() const { return shown; }

    // The visible time and the values there: the y axis scales to what is shown.
    QRectF boundingRect() const override;

protected:
    void drawSeries(QPainter *painter, const QwtScaleMap &xMap, const QwtScaleMap &yMap,
                    const QRectF &canvasRect, int from, int to) const override;

private:
    struct View {
        qint64 from = 0, to = 0;
        int columns = 0;
        qint64 appended = -1;
        int generation = -1;
        QVector<QPointF> points;
        QRectF bounds; // of the finite points
    };
    const View &view(double from, double to, int columns) const;

    std::shared_ptr<const zt::trend::SampleRing> samples;
    zt::trend::Series shown;
    mutable zt::trend::Decimator decimator;
    mutable View last; // a redraw asks twice: scales, then drawing
};
