#pragma once

#include "module/codec.h"

#include <QVector>

namespace zt::trend {

struct Sample {
    qint64 msecs = 0; // since the epoch
    LiveValues values;
};

// The latest live samples, oldest first, up to a fixed count: once full, each
// new sample takes the place of the oldest, so a shift of polling costs no
// more memory than its first day. Times never go back: a sample stamped
// before the latest (the clock was set back) takes the latest's time, which
// keeps the samples sorted for the searches a plot makes.
class SampleRing
{
public:
    explicit SampleRing(int capacity);

    void append(qint64 msecs, const LiveValues &values);
    void clear();

    int size() const { return count; }
    int capacity() const { return cap; }
    const Sample &at(int i) const; // 0 is the oldest
    // The first sample stamped at or after `msecs`; size() when there is none.
    int firstAtOrAfter(qint64 msecs) const;
    // Changes with every clear(): what was derived from the samples is stale.
    int generation() const { return clears; }
    // Samples appended since the start, cleared or not: a change stamp.
    qint64 appended() const { return total; }

private:
    QVector<Sample> storage; // grows to `cap`, then is reused in a circle; count == size while growing
    int cap;
    int oldest = 0;
    int count = 0;
    int clears = 0;
    qint64 total = 0;
};

// 24 hours of the window's polling (a live block every 700 ms).
constexpr int DayOfSamples = 24 * 3600 * 1000 / 700 + 1;

} // namespace zt::trend
