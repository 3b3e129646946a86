#pragma once

// Small helpers the benchmark programs share: medians, the process's own
// memory and CPU time, and what a frame costs on a 9600-baud line.

#include "line/linetiming.h"

#include <QFile>
#include <QJsonArray>
#include <QEventLoop>
#include <QJsonObject>
#include <QTimer>
#include <QVector>

#include <algorithm>
#include <sys/resource.h>

namespace bench {

// Runs the event loop until `done()` holds or the time is up. Unlike
// QTest::qWaitFor, which sleeps 10 ms between rounds of events, it leaves
// the loop waiting on the serial line, so a reply is handled as it arrives.
template<class Condition>
bool waitFor(Condition done, int timeoutMs)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(2);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
    return done();
}

// Runs the event loop for `ms` with nothing of its own to do.
inline void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

constexpr int Baud = 9600;
constexpr int CharacterBits = 10; // 8N1

template<class T>
T median(QVector<T> values)
{
    if (values.isEmpty())
        return T(-1);
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// A field of /proc/self/status in kB, e.g. "VmRSS" or "VmHWM".
inline qint64 statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// User and system CPU time of this process, all its threads.
inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Bytes of a request the simulator logged plus its reply.
inline int exchangedBytes(const QJsonObject &request)
{
    const int function = request.value(QStringLiteral("function")).toInt();
    const bool write = function == 6 || function == 16;
    const int count = write ? request.value(QStringLiteral("values")).toArray().size()
                            : request.value(QStringLiteral("count")).toInt();
    const auto table = function == 4 ? QModbusDataUnit::InputRegisters : QModbusDataUnit::HoldingRegisters;
    const QModbusDataUnit unit(table, 0, quint16(count));
    const auto direction = write ? zt::line::Direction::Write : zt::line::Direction::Read;
    return zt::line::requestBytes(unit, direction) + zt::line::replyBytes(unit, direction);
}

inline double charactersMs(double characters)
{
    return characters * CharacterBits * 1000.0 / Baud;
}

// The least time a run of frames can take from an idle line: every byte,
// and 3.5 characters of silence before each frame and after the last one,
// which tells a receiver that the frame has ended.
inline double lineLimitMs(int bytes, int frames)
{
    return charactersMs(bytes + 3.5 * (frames + 1));
}

} // namespace bench
