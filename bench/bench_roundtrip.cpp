// The round trip of one live read (16 input registers) through RtuProvider,
// against mbpoll reading the same block from the same paced simulator.
// Both masters wait the same pause after each reply, so the simulator's log
// gives every round trip alike: the time between two requests, less the pause.
//   bench_roundtrip [reads per run] [runs]

#include "benchutil.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"
#include "simfixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <cstdio>

namespace {

constexpr int PauseMs = 100;

// Round trips from the log entries after the first `skip`.
QVector<double> roundTrips(const SimFixture &sim, int skip)
{
    QVector<double> times;
    const QVector<QJsonObject> log = sim.log();
    for (int i = skip + 1; i < log.size(); ++i)
        times << (log[i].value("time").toDouble() - log[i - 1].value("time").toDouble()) * 1000 - PauseMs;
    return times;
}

// Reads one after another through the provider; returns what the program
// itself saw from each call to its reply.
QVector<double> pollWithProvider(const SimFixture &sim, int reads)
{
    RtuProvider provider(QStringLiteral("bench"), 1);
    zt::line::LineSettings line;
    line.port = sim.programPort();
    line.baudRate = bench::Baud;
    provider.openPort(line);
    QVector<double> seen;
    QElapsedTimer clock;
    const auto readOnce = [&] {
        clock.start();
        provider.readUnit(QModbusDataUnit(QModbusDataUnit::InputRegisters, zt::reg::LiveBlock, zt::reg::LiveCount));
    };
    QObject::connect(&provider, &RtuProvider::readCurUnit, [&] {
        seen << clock.nsecsElapsed() / 1e6;
        if (seen.size() < reads)
            QTimer::singleShot(PauseMs, Qt::PreciseTimer, readOnce);
    });
    readOnce();
    bench::waitFor([&] { return seen.size() >= reads; }, reads * (PauseMs + 2000));
    provider.closePort();
    return seen;
}

void pollWithMbpoll(const SimFixture &sim, int reads)
{
    const int before = sim.log().size();
    QProcess mbpoll;
    mbpoll.setStandardOutputFile(QProcess::nullDevice());
    mbpoll.start(QStringLiteral("mbpoll"), {"-m", "rtu", "-b", "9600", "-P", "none", "-a", "1", "-0",
                                            "-l", QString::number(PauseMs), "-t", "3", "-r", "0",
                                            "-c", "16", sim.programPort()});
    bench::waitFor([&] { return sim.log().size() >= before + reads; }, reads * (PauseMs + 2000));
    mbpoll.terminate();
    mbpoll.waitForFinished();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int reads = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 50;
    const int runs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 5;

    SimFixture sim;
    if (!sim.start(QStringLiteral("ZT-2TI-2AO"), {"--pace"})) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return 1;
    }
    // The request, the silence before the reply, the reply.
    const QModbusDataUnit live(QModbusDataUnit::InputRegisters, 0, zt::reg::LiveCount);
    const double limit = bench::charactersMs(zt::line::requestBytes(live, zt::line::Direction::Read) + 3.5
                                             + zt::line::replyBytes(live, zt::line::Direction::Read));
    std::printf("live read of 16 registers, paced 9600-baud simulator, %d reads per run, "
                "runs interleaved; medians in ms\n", reads);
    std::printf("%4s %12s %12s %8s %16s\n", "run", "RtuProvider", "mbpoll", "ratio", "provider (own)");
    QVector<double> provider, reference, own;
    for (int run = 1; run <= runs; ++run) {
        int skip = sim.log().size();
        own << bench::median(pollWithProvider(sim, reads));
        provider << bench::median(roundTrips(sim, skip));
        skip = sim.log().size();
        pollWithMbpoll(sim, reads);
        reference << bench::median(roundTrips(sim, skip).mid(0, reads - 1));
        std::printf("%4d %12.1f %12.1f %8.3f %16.1f\n", run, provider.last(), reference.last(),
                    provider.last() / reference.last(), own.last());
    }
    std::printf("median %10.1f %12.1f %8.3f %16.1f   line limit %.1f ms\n", bench::median(provider),
                bench::median(reference), bench::median(provider) / bench::median(reference),
                bench::median(own), limit);
    return 0;
}
