// What the view of the exchange with the module costs: the window polling a
// paced simulator for a while with the view closed, then open (CPU share of
// one core, rows taken), and the view filled far beyond its cap (time per
// row, memory when full).
//   bench_traffic [seconds per phase] [rows]

#include "app/mainwindow.h"
#include "app/process/trafficdock.h"
#include "app/process/trafficmodel.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "line/rtuframe.h"
#include "modbus/trafficcapture.h"
#include "simfixture.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>

namespace {

double cpuShare(int seconds)
{
    const double cpuBefore = bench::cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    bench::runEventLoop(seconds * 1000);
    return 100 * (bench::cpuSeconds() - cpuBefore) / (clock.elapsed() / 1000.0);
}

// A live read and its reply, as the client logs them.
QStringList liveExchange()
{
    const QByteArray request = zt::line::withCrc(QByteArray::fromHex("010400000010"));
    const QByteArray reply = zt::line::withCrc(QByteArray::fromHex("010420") + QByteArray(32, '\x42'));
    return {"(RTU client) Sent Serial ADU: 0x" + request.toHex(),
            "(RTU client) Received ADU: \"" + reply.toHex() + '"'};
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 30;
    const int rows = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 100000;

    SimFixture sim;
    if (!sim.start(QStringLiteral("ZT-2TI-2AO"), {"--pace"})) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return 1;
    }
    bench::SilentPrompts prompts;
    const auto shown = bench::windowOn(sim, &prompts);
    MainWindow &window = *shown;
    window.findChild<QPushButton *>("BT_Open_Connect")->click();
    bench::runEventLoop(5000); // connected and polling

    auto *dock = window.findChild<TrafficDock *>();
    std::printf("view closed: CPU %.2f %% of one core over %d s\n", cpuShare(seconds), seconds);
    window.findChild<QAction *>("action_traffic")->trigger();
    const double openShare = cpuShare(seconds);
    std::printf("view open:   CPU %.2f %% of one core over %d s, %d rows\n", openShare, seconds,
                dock->model()->rowCount());
    window.findChild<QPushButton *>("BT_Open_Connect")->click();
    bench::runEventLoop(500);

    // Straight into the capture, as if the client had logged it; the view
    // is on screen and follows the newest row.
    const QStringList exchange = liveExchange();
    auto *capture = dock->findChild<TrafficCapture *>();
    const qint64 rssBefore = bench::statusKiB("VmRSS");
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < rows; ++i) {
        capture->read(exchange.at(i % 2), QDateTime::currentDateTime());
        if (i % 100 == 99)
            QCoreApplication::processEvents(); // repaints as a live view would
    }
    const double perRowUs = clock.nsecsElapsed() / 1000.0 / rows;
    std::printf("%d rows into a view of %d: %.1f us a row, %d kept, VmRSS %lld kB before, %lld kB after\n", rows,
                TrafficDock::Capacity, perRowUs, dock->model()->rowCount(), rssBefore, bench::statusKiB("VmRSS"));
    return 0;
}
