// Soak: connect, poll and write against the simulator for a long time while
// faults strike at random: replies with a bad CRC, a module fallen silent,
// exception replies, a reboot, the line vanishing and coming back. After
// each fault the window must settle cleanly: either still connected and
// polling, or idle (connect button ready, transport gone, form cleared)
// with at most one message box. Prints the counts and the memory.
//   bench_soak [minutes] [seed]

#include "benchutil.h"
#include "fakes.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"
#include "simfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QPushButton>

#include <cstdio>
#include <map>
#include <random>

namespace {

enum class Fault { BadCrc, Silence, Exception, Reboot, LineGone };
const QStringList Paced{"--pace"}; // a module on a real 9600-baud line
const std::map<Fault, const char *> faultNames = {
    {Fault::BadCrc, "bad CRC"}, {Fault::Silence, "silence"}, {Fault::Exception, "exception"},
    {Fault::Reboot, "reboot"}, {Fault::LineGone, "line gone and back"},
};

struct Outcome
{
    int injected = 0, stayedConnected = 0, endedIdle = 0, unclean = 0;
};

class Soak
{
public:
    Soak(SimFixture &sim, std::mt19937 &random) : sim(sim), random(random)
    {
        MainWindowOptions options = fakeOptions(&prompts, &ports);
        options.namedPorts = QStringList{sim.programPort()};
        window = std::make_unique<MainWindow>(options);
        window->show();
        QCoreApplication::processEvents(); // the port list follows the window
    }

    QPushButton *button() const { return window->findChild<QPushButton *>("BT_Open_Connect"); }
    bool connected() const { return button()->text() == QStringLiteral("Отключиться"); }

    bool idleAndClean() const
    {
        return !connected() && button()->isEnabled() && window->findChildren<RtuProvider *>().isEmpty()
            && window->findChild<QComboBox *>("CB_Modul_name")->currentIndex() == 0;
    }

    // Counts what reaches the window through each transport it creates,
    // rather than reading the simulator's ever longer log again and again.
    void watchTransports()
    {
        for (RtuProvider *transport : window->findChildren<RtuProvider *>()) {
            if (transport->property("watched").toBool())
                continue;
            transport->setProperty("watched", true);
            QObject::connect(transport, &RtuProvider::readCurUnit, [this](const QModbusDataUnit &unit) {
                liveReplies += unit.startAddress() == zt::reg::LiveBlock;
            });
            QObject::connect(transport, &RtuProvider::writeDataEnd, [this, transport] {
                confirmedWrites += transport->lastWriteConfirmed();
            });
        }
    }

    template<class Condition>
    bool waitFor(Condition done, int timeoutMs)
    {
        return bench::waitFor([&] { watchTransports(); return done(); }, timeoutMs);
    }

    bool polling()
    {
        const int before = liveReplies;
        return connected() && waitFor([&] { return liveReplies > before; }, 3000);
    }

    void connectAndWrite()
    {
        if (!connected()) {
            ++connects;
            button()->click();
            waitFor([&] { return polling() || idleAndClean(); }, 10000);
            if (!connected())
                return;
        }
        bench::runEventLoop(std::uniform_int_distribution<int>(500, 2000)(random));
        const int before = confirmedWrites;
        auto *invert = window->findChild<QCheckBox *>("CHB_INV_CH0");
        invert->setChecked(!invert->isChecked());
        writes += waitFor([&] { return confirmedWrites > before; }, 5000);
    }

    // Injects the fault, lets it last a while, takes it away and judges how
    // the window came out of it.
    void strike(Fault fault)
    {
        Outcome &outcome = outcomes[fault];
        ++outcome.injected;
        const int boxesBefore = prompts.boxes.size();
        switch (fault) {
        case Fault::BadCrc: sim.restartSimulator(Paced + QStringList{"--corrupt-crc", "2"}); break;
        case Fault::Silence: sim.restartSimulator(Paced + QStringList{"--silent"}); break;
        case Fault::Exception: sim.restartSimulator(Paced + QStringList{"--exception", "0x0000:4"}); break;
        case Fault::Reboot: window->findChild<QPushButton *>("BT_MODUL_RESET")->click(); break;
        case Fault::LineGone: sim.cutLine(); break;
        }
        bench::runEventLoop(std::uniform_int_distribution<int>(1000, 5000)(random));
        if (fault == Fault::LineGone)
            sim.restoreLine(Paced);
        else if (fault != Fault::Reboot)
            sim.restartSimulator(Paced);
        waitFor([&] { return polling() || idleAndClean(); }, 10000);
        bench::runEventLoop(50); // deferred deletions
        const bool live = polling();
        const bool idle = !live && idleAndClean();
        if (prompts.boxes.size() - boxesBefore <= 1 && (live || idle))
            ++(live ? outcome.stayedConnected : outcome.endedIdle);
        else
            reportUnclean(outcome, fault, boxesBefore, live);
    }

    void reportUnclean(Outcome &outcome, Fault fault, int boxesBefore, bool live)
    {
        ++outcome.unclean;
        QStringList boxes;
        for (int i = boxesBefore; i < prompts.boxes.size(); ++i)
            boxes << prompts.boxes[i].text;
        std::printf("unclean after %s: button \"%s\"%s, %s, %d transport(s), boxes: %s\n",
                    faultNames.at(fault), qPrintable(button()->text()), button()->isEnabled() ? "" : " (disabled)",
                    live ? "polling" : "not polling", int(window->findChildren<RtuProvider *>().size()),
                    qPrintable(boxes.join(" | ")));
    }

    SimFixture &sim;
    std::mt19937 &random;
    FakePrompts prompts;
    FakePorts ports;
    std::unique_ptr<MainWindow> window;
    std::map<Fault, Outcome> outcomes;
    int connects = 0, writes = 0;
    int liveReplies = 0, confirmedWrites = 0;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const double minutes = argc > 1 ? QString::fromLocal8Bit(argv[1]).toDouble() : 30;
    const unsigned seed = argc > 2 ? QString::fromLocal8Bit(argv[2]).toUInt()
                                   : unsigned(QDateTime::currentMSecsSinceEpoch());
    std::mt19937 random(seed);
    SimFixture sim;
    if (!sim.start(QStringLiteral("ZT-2TI-2AO"), Paced)) {
        std::fprintf(stderr, "%s\n", qPrintable(sim.errorString()));
        return 1;
    }
    Soak soak(sim, random);
    QVector<qint64> rss;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < minutes * 60000) {
        soak.connectAndWrite();
        soak.strike(Fault(std::uniform_int_distribution<int>(0, int(faultNames.size()) - 1)(random)));
        rss << bench::statusKiB("VmRSS");
    }

    std::printf("soak of %.1f min, seed %u: %d cycles, %d connects, %d writes confirmed\n",
                clock.elapsed() / 60000.0, seed, int(rss.size()), soak.connects, soak.writes);
    std::printf("%-20s %9s %17s %11s %8s\n", "fault", "injected", "stayed connected", "ended idle", "unclean");
    for (const auto &[fault, o] : soak.outcomes)
        std::printf("%-20s %9d %17d %11d %8d\n", faultNames.at(fault), o.injected, o.stayedConnected,
                    o.endedIdle, o.unclean);
    const int quarter = qMax(1, rss.size() / 4);
    std::printf("VmRSS median of the first quarter %lld kB, of the last %lld kB, highest %lld kB\n",
                bench::median(rss.mid(0, quarter)), bench::median(rss.mid(rss.size() - quarter)),
                *std::max_element(rss.begin(), rss.end()));
    return 0;
}
