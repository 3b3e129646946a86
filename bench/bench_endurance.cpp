// Endurance of the transport: live reads (16 input registers) one after
// another through RtuProvider against the unpaced simulator. Prints the
// memory as it goes, how much it grew, and how many reply objects are
// still alive at the end (each should have been released).
//   bench_endurance [reads]

#include "benchutil.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"
#include "simfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QModbusReply>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int reads = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;
    constexpr int WarmUp = 200;

    SimFixture sim;
    if (!sim.start(QStringLiteral("ZT-2TI-2AO"))) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return 1;
    }
    RtuProvider provider(QStringLiteral("bench"), 1);
    zt::line::LineSettings line;
    line.port = sim.programPort();
    line.baudRate = bench::Baud;
    provider.openPort(line);
    int answered = 0, failed = 0;
    qint64 rssAfterWarmUp = -1;
    const auto readOnce = [&] {
        provider.readUnit(QModbusDataUnit(QModbusDataUnit::InputRegisters, zt::reg::LiveBlock, zt::reg::LiveCount));
    };
    const auto next = [&] {
        const int done = answered + failed;
        if (done == WarmUp)
            rssAfterWarmUp = bench::statusKiB("VmRSS");
        if (done > WarmUp && (done - WarmUp) % 2000 == 0)
            std::printf("%8d reads  VmRSS %6lld kB\n", done - WarmUp, bench::statusKiB("VmRSS"));
        if (done < WarmUp + reads)
            readOnce();
    };
    QObject::connect(&provider, &RtuProvider::readCurUnit, [&] { ++answered; next(); });
    QObject::connect(&provider, &RtuProvider::readDataError, [&] { ++failed; next(); });

    QElapsedTimer clock;
    clock.start();
    readOnce();
    bench::waitFor([&] { return answered + failed >= WarmUp + reads; }, (WarmUp + reads) * 100);
    const double seconds = clock.elapsed() / 1000.0;
    bench::runEventLoop(100); // the released replies are deleted
    const qint64 rssAtEnd = bench::statusKiB("VmRSS");
    const int alive = provider.findChildren<QModbusReply *>().size();
    provider.closePort();

    std::printf("%d reads after %d to warm up: %d answered, %d failed, %.1f s (%.0f reads/s)\n", reads,
                WarmUp, answered - WarmUp, failed, seconds, (answered + failed) / seconds);
    std::printf("VmRSS after warm-up %lld kB, at the end %lld kB: growth %lld kB; peak %lld kB\n",
                rssAfterWarmUp, rssAtEnd, rssAtEnd - rssAfterWarmUp, bench::statusKiB("VmHWM"));
    std::printf("reply objects still alive: %d\n", alive);
    return 0;
}
