#include "samplering.h"

#include <algorithm>

namespace zt::trend {

SampleRing::SampleRing(int capacity)
    : cap(std::max(capacity, 1))
{
}

void SampleRing::append(qint64 msecs, const LiveValues &values)
{
    ++total;
    Sample sample{count > 0 ? std::max(msecs, at(count - 1).msecs) : msecs, values};
    if (storage.size() < cap) {
        storage.append(sample);
        ++count;
        return;
    }
    storage[oldest] = sample;
    oldest = (oldest + 1) % cap;
}

void SampleRing::clear()
{
    storage.clear();
    oldest = 0;
    count = 0;
    ++clears;
}

const Sample &SampleRing::at(int i) const
{
    return storage[(oldest + i) % cap];
}

int SampleRing::firstAtOrAfter(qint64 msecs) const
{
    int low = 0;
    int high = count;
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (at(mid).msecs < msecs)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

} // namespace zt::trend
