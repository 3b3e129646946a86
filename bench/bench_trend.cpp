// What the trend window costs with a full day of samples: the window shown,
// a live block appended every 700 ms and the view following it, for each
// span choice. Prints the CPU time of the process over the period as a share
// of one core, the time of one redraw painted at once, and the memory before
// the samples, with the day of samples, and with the window.
//   bench_trend [seconds per span] [picture.png]

#include "app/process/trendloader.h"
#include "app/trendwindow/trendwindow.h"
#include "app/userprompts.h"
#include "benchutil.h"
#include "module/catalogue.h"
#include "trend/samplering.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>

#include <cmath>
#include <cstdio>

namespace {

constexpr qint64 PollMs = 700;

// A loop settling over hours with noise, and a sensor break of five minutes
// every six hours.
zt::LiveValues liveAt(qint64 msecs)
{
    const double hours = msecs / 3.6e6;
    const double noise = std::sin(msecs * 0.37) * 0.4;
    const bool broken = std::fmod(hours, 6.0) < 5.0 / 60;
    zt::LiveValues v;
    for (int ch = 0; ch < 2; ++ch) {
        const double t = 20 + (60 + 20 * ch) * (1 - std::exp(-std::fmod(hours, 8.0) / 2)) + noise;
        v.temperature[ch] = broken ? std::nanf("") : float(t);
        v.input[ch] = broken ? std::nanf("") : float(t * 0.041);
        v.output[ch] = float(4 + 16 * std::min(t, 100.0) / 100);
    }
    return v;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;
    const QString picture = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    const qint64 rssStart = bench::statusKiB("VmRSS");
    auto samples = std::make_shared<zt::trend::SampleRing>(zt::trend::DayOfSamples);
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (qint64 i = zt::trend::DayOfSamples; i > 0; --i)
        samples->append(now - i * PollMs, liveAt(now - i * PollMs));
    const qint64 rssSamples = bench::statusKiB("VmRSS");

    TrendWindow window(samples, trendPromptsOf(UserPrompts::standard()));
    window.setModule(trendModuleOf(zt::catalogue::code(zt::catalogue::positionOfName(QStringLiteral("ZT-2TI-2AO")))));
    window.resize(1280, 960);
    window.show();
    bench::runEventLoop(1000);
    std::printf("%d samples of %zu bytes (%.1f MB) kept, %d plotted series\n", samples->size(),
                sizeof(zt::trend::Sample), samples->size() * sizeof(zt::trend::Sample) / 1e6, 6);
    std::printf("VmRSS %lld kB at the start, %lld kB with the samples, %lld kB with the window\n", rssStart,
                rssSamples, bench::statusKiB("VmRSS"));

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const qint64 t = QDateTime::currentMSecsSinceEpoch();
        samples->append(t, liveAt(t));
        window.samplesChanged();
    });
    for (const char *span : {"action_trend_10min", "action_trend_hour", "action_trend_all"}) {
        window.findChild<QAction *>(QLatin1String(span))->trigger();
        bench::runEventLoop(1000);

        QVector<double> redrawMs;
        QElapsedTimer redraw;
        for (int i = 0; i < 20; ++i) {
            const qint64 t = QDateTime::currentMSecsSinceEpoch();
            samples->append(t, liveAt(t));
            redraw.start();
            window.samplesChanged();
            window.repaint();
            redrawMs.append(redraw.nsecsElapsed() / 1e6);
        }

        poll.start(int(PollMs));
        const double cpuBefore = bench::cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        bench::runEventLoop(seconds * 1000);
        const double cpu = bench::cpuSeconds() - cpuBefore;
        const double wall = clock.elapsed() / 1000.0;
        poll.stop();
        std::printf("%-20s following for %.1f s: CPU %.3f s = %.2f %% of one core; one redraw %.2f ms (median of 20)\n",
                    span, wall, cpu, 100 * cpu / wall, bench::median(redrawMs));
    }
    std::printf("VmRSS %lld kB at the end (peak %lld kB)\n", bench::statusKiB("VmRSS"), bench::statusKiB("VmHWM"));
    if (!picture.isEmpty())
        window.savePicture(picture);
    return 0;
}
