#pragma once

#include "samplering.h"
#include "series.h"

#include <QPointF>
#include <QVector>

#include <map>

namespace zt::trend {

// Width in ms of the columns `span` ms is cut into for at most `columns`
// columns: a step of the 1-1.2-1.5-2-2.5-3-4-5-6-8 series, so that a growing
// span keeps the same columns for a while and their summaries stay valid.
qint64 columnWidth(qint64 span, int columns);

// The points a plot `columns` pixels wide draws of one series between `from`
// and `to` (ms since the epoch). Few samples there come as they are; more are
// cut into columns aligned to multiples of their width, and each column gives
// its lowest and highest value in the order they were read, so no peak is
// lost. A value that is not finite is a gap: a point with a NaN y, never a
// point of its own. The first sample before `from` and the first after `to`
// come too, so the line reaches the edges.
//
// Columns no later sample can fall into are kept between calls: a plot that
// follows the newest samples scans only the newest column again.
class Decimator
{
public:
    explicit Decimator(Series series) : series(series) {}
    QVector<QPointF> points(const SampleRing &ring, qint64 from, qint64 to, int columns);

private:
    struct Column {
        bool complete = false; // no later sample can fall into it
        bool hasValue = false;
        float min = 0, max = 0;
        qint64 minAt = 0, maxAt = 0;
        qint64 gapAt = -1;     // the first value that was not finite
    };
    Column scan(const SampleRing &ring, qint64 start, qint64 end) const;
    void appendSample(QVector<QPointF> *out, const Sample &sample) const;

    Series series;
    std::map<qint64, Column> columnCache; // by the column's start / width
    qint64 cachedWidth = 0;
    int cachedGeneration = -1;
};

} // namespace zt::trend
