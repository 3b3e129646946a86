#pragma once

#include <QVector>

namespace zt {

// The newest `capacity` items: a long run keeps a bounded history, and
// adding one costs the same however full it is.
template<class T>
class RingBuffer
{
public:
    explicit RingBuffer(int capacity)
        : items(qMax(1, capacity))
    {
    }

    int capacity() const { return items.size(); }
    int size() const { return count; }
    bool isFull() const { return count == items.size(); }

    // 0 is the oldest.
    const T &at(int i) const { return items.at((first + i) % items.size()); }

    // Drops the oldest item when full.
    void push(const T &item)
    {
        if (isFull())
            dropOldest();
        items[(first + count) % items.size()] = item;
        ++count;
    }

    void dropOldest()
    {
        if (count == 0)
            return;
        items[first] = T();
        first = (first + 1) % items.size();
        --count;
    }

    void clear()
    {
        items.fill(T());
        first = 0;
        count = 0;
    }

private:
    QVector<T> items;
    int first = 0; // the oldest item's slot
    int count = 0;
};

} // namespace zt
