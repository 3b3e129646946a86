// How long a user waits after pressing "Соединиться": until the module is
// identified, until the form is complete (the inversion reply, the read
// chain's last, decoded) and until the first live values show. Each is set
// beside the least time its bytes take on the line: the requests and replies
// the simulator logged, at 10 bits a byte with 3.5 characters of silence
// before every frame and after the last. With "9600" the simulator paces
// its replies like a real line; on a bare pty the times are the program's own;
// "tcp" is the same module behind a Modbus TCP gateway on 127.0.0.1.
//   bench_connect [runs]

#include "app/mainwindow.h"
#include "benchutil.h"
#include "benchwindow.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"
#include "simfixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>

namespace {

struct Sample
{
    double identified = -1, complete = -1, live = -1;
    double completeLimit = -1, liveLimit = -1;
};

// The line limit of the requests logged up to and including the first one
// `last` accepts.
template<class Last>
double limitUpTo(const QVector<QJsonObject> &log, Last last)
{
    int bytes = 0, frames = 0;
    for (const QJsonObject &request : log) {
        if (!request.contains(QStringLiteral("function")))
            continue;
        bytes += bench::exchangedBytes(request);
        frames += 2;
        if (last(request))
            return bench::lineLimitMs(bytes, frames);
    }
    return -1;
}

enum class Line { Paced, Pty, Tcp };

// The window reads its line from the settings (a private folder, see main).
void chooseLine(Line line, int tcpPort)
{
    QSettings settings(QStringLiteral("Morvane"), QStringLiteral("ZTConfig"));
    settings.clear();
    if (line != Line::Tcp)
        return;
    settings.setValue("line/speed", 9600);
    settings.setValue("line/format", "8N1");
    settings.setValue("line/address", 1);
    settings.setValue("line/connection", "tcp");
    settings.setValue("line/host", "127.0.0.1");
    settings.setValue("line/tcpPort", tcpPort);
    settings.setValue("line/timeout", 1000);
}

Sample connectOnce(const QString &type, Line line)
{
    Sample sample;
    SimFixture sim;
    const bool started = line == Line::Tcp ? sim.startTcp(type)
                                            : sim.start(type, line == Line::Paced ? QStringList{"--pace"} : QStringList{});
    if (!started) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return sample;
    }
    chooseLine(line, sim.tcpPort());
    bench::SilentPrompts prompts;
    const auto shown = bench::windowOn(sim, &prompts);
    MainWindow &window = *shown;
    auto *button = window.findChild<QPushButton *>("BT_Open_Connect");

    QElapsedTimer clock;
    clock.start();
    button->click();
    auto *provider = window.findChild<RtuProvider *>();
    if (!provider)
        return sample;
    // Connected after the window, so each reply has been shown when it comes.
    QObject::connect(provider, &RtuProvider::readCurUnit, [&](const QModbusDataUnit &unit) {
        const double now = clock.nsecsElapsed() / 1e6;
        double *mark = unit.startAddress() == zt::reg::IdentBlock ? &sample.identified
                     : unit.startAddress() == zt::reg::Inversion ? &sample.complete
                     : unit.startAddress() == zt::reg::LiveBlock ? &sample.live
                                                                  : nullptr;
        if (mark && *mark < 0)
            *mark = now;
    });
    bench::waitFor([&] { return sample.live >= 0; }, 5000);

    const QVector<QJsonObject> log = sim.log();
    const auto field = [](const QJsonObject &r, const char *key) { return r.value(QLatin1String(key)).toInt(); };
    sample.completeLimit = limitUpTo(log, [&](const QJsonObject &r) {
        return field(r, "function") == 3 && field(r, "address") == zt::reg::Inversion;
    });
    sample.liveLimit = limitUpTo(log, [&](const QJsonObject &r) { return field(r, "function") == 4; });
    return sample;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir settingsDir; // the user's own settings stay untouched
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 5;
    std::printf("median of %d runs, ms from the click; limit: line time of the bytes exchanged\n", runs);
    std::printf("%-16s %-5s %10s %9s %7s %6s %9s %7s %6s\n", "type", "line", "identified", "complete",
                "limit", "ratio", "live", "limit", "ratio");
    for (const char *type : {"ZT-1TI-1AO", "ZT-2RTD-2AO", "PLB-2TI-4-20-M"}) {
        for (const Line line : {Line::Paced, Line::Pty, Line::Tcp}) {
            QVector<double> identified, complete, live, completeRatio, liveRatio, completeLimit, liveLimit;
            for (int i = 0; i < runs; ++i) {
                const Sample s = connectOnce(type, line);
                identified << s.identified;
                complete << s.complete;
                live << s.live;
                completeLimit << s.completeLimit;
                liveLimit << s.liveLimit;
                completeRatio << s.complete / s.completeLimit;
                liveRatio << s.live / s.liveLimit;
            }
            using bench::median;
            if (line == Line::Paced)
                std::printf("%-16s %-5s %10.0f %9.0f %7.0f %6.2f %9.0f %7.0f %6.2f\n", type, "9600",
                            median(identified), median(complete), median(completeLimit),
                            median(completeRatio), median(live), median(liveLimit), median(liveRatio));
            else
                std::printf("%-16s %-5s %10.0f %9.0f %7s %6s %9.0f\n", type, line == Line::Pty ? "pty" : "tcp",
                            median(identified), median(complete), "", "", median(live));
        }
    }
    return 0;
}
