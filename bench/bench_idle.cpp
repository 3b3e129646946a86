// What polling costs while the user only watches: the window connected to a
// paced simulator, reading the live values every 700 ms. Prints the CPU
// time of the whole process over the period as a share of one core, and its
// memory at the start and the end.
//   bench_idle [seconds]

#include "app/mainwindow.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "simfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace {

int liveReads(const SimFixture &sim)
{
    int count = 0;
    for (const QJsonObject &request : sim.log())
        count += request.value(QStringLiteral("function")).toInt() == 4;
    return count;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 60;

    SimFixture sim;
    if (!sim.start(QStringLiteral("ZT-2TI-2AO"), {"--pace"})) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return 1;
    }
    bench::SilentPrompts prompts;
    const auto shown = bench::windowOn(sim, &prompts);
    MainWindow &window = *shown;
    window.findChild<QPushButton *>("BT_Open_Connect")->click();
    // Settled: connected, polling, and the configuration re-read after the
    // first connection's echo writes is over.
    bench::waitFor([&] { return liveReads(sim) > 0; }, 10000);
    bench::runEventLoop(5000);

    const int readsBefore = liveReads(sim);
    const qint64 rssBefore = bench::statusKiB("VmRSS");
    const double cpuBefore = bench::cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    bench::runEventLoop(seconds * 1000);
    const double cpu = bench::cpuSeconds() - cpuBefore;
    const double wall = clock.elapsed() / 1000.0;

    std::printf("polling for %.1f s: %d live reads, %s\n", wall, liveReads(sim) - readsBefore,
                !prompts.failures.isEmpty() ? "with an error box" : "no error");
    std::printf("CPU %.3f s = %.2f %% of one core\n", cpu, 100 * cpu / wall);
    std::printf("VmRSS %lld kB at the start, %lld kB at the end\n", rssBefore, bench::statusKiB("VmRSS"));
    return 0;
}
