#include "decimation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zt::trend {

namespace {
constexpr double Gap = std::numeric_limits<double>::quiet_NaN();

struct Event {
    qint64 at;
    double y;
};
} // namespace

qint64 columnWidth(qint64 span, int columns)
{
    static const int tenths[] = {10, 12, 15, 20, 25, 30, 40, 50, 60, 80};
    columns = std::max(columns, 1);
    for (qint64 decade = 1;; decade *= 10) {
        for (int t : tenths) {
            const qint64 width = std::max<qint64>(t * decade / 10, 1);
            if (width * columns >= span)
                return width;
        }
    }
}

void Decimator::appendSample(QVector<QPointF> *out, const Sample &sample) const
{
    const float v = valueOf(sample.values, series);
    out->append(QPointF(sample.msecs, std::isfinite(v) ? v : Gap));
}

Decimator::Column Decimator::scan(const SampleRing &ring, qint64 start, qint64 end) const
{
    Column c;
    for (int i = ring.firstAtOrAfter(start); i < ring.size() && ring.at(i).msecs < end; ++i) {
        const Sample &s = ring.at(i);
        const float v = valueOf(s.values, series);
        if (!std::isfinite(v)) {
            if (c.gapAt < 0)
                c.gapAt = s.msecs;
            continue;
        }
        if (!c.hasValue || v < c.min) {
            c.min = v;
            c.minAt = s.msecs;
        }
        if (!c.hasValue || v > c.max) {
            c.max = v;
            c.maxAt = s.msecs;
        }
        c.hasValue = true;
    }
    c.complete = ring.size() > 0 && ring.at(ring.size() - 1).msecs >= end;
    return c;
}

QVector<QPointF> Decimator::points(const SampleRing &ring, qint64 from, qint64 to, int columns)
{
    QVector<QPointF> out;
    if (ring.size() == 0 || to <= from || columns < 1)
        return out;
    const int first = std::max(ring.firstAtOrAfter(from) - 1, 0);
    const int last = std::min(ring.firstAtOrAfter(to) + 1, ring.size()); // one past the end
    if (last - first <= 2 * columns) {
        for (int i = first; i < last; ++i)
            appendSample(&out, ring.at(i));
        return out;
    }

    const qint64 width = columnWidth(to - from, columns);
    if (width != cachedWidth || ring.generation() != cachedGeneration) {
        columnCache.clear();
        cachedWidth = width;
        cachedGeneration = ring.generation();
    }
    const qint64 firstColumn = ring.at(first).msecs / width;
    const qint64 lastColumn = ring.at(last - 1).msecs / width;
    const qint64 oldestKept = ring.at(0).msecs;
    columnCache.erase(columnCache.begin(), columnCache.lower_bound(firstColumn));
    columnCache.erase(columnCache.upper_bound(lastColumn), columnCache.end());

    out.reserve(int(lastColumn - firstColumn + 1) * 3);
    for (qint64 k = firstColumn; k <= lastColumn; ++k) {
        const qint64 start = k * width;
        auto cached = columnCache.find(k);
        // A column reaching back past the oldest sample may have lost samples
        // to the ring since it was summed up.
        if (cached == columnCache.end() || !cached->second.complete || start < oldestKept)
            cached = columnCache.insert_or_assign(k, scan(ring, start, start + width)).first;
        const Column &c = cached->second;
        Event events[3];
        int n = 0;
        if (c.hasValue) {
            events[n++] = {c.minAt, c.min};
            if (c.maxAt != c.minAt)
                events[n++] = {c.maxAt, c.max};
        }
        if (c.gapAt >= 0)
            events[n++] = {c.gapAt, Gap};
        std::sort(events, events + n, [](const Event &a, const Event &b) { return a.at < b.at; });
        for (int i = 0; i < n; ++i)
            out.append(QPointF(events[i].at, events[i].y));
    }
    return out;
}

} // namespace zt::trend
