// The module link against a simulated module: the states it goes through,
// the order its requests go out in, which outcome reaches which requester,
// and how it ends.

#include "link/modulelink.h"
#include "module/registers.h"
#include "simfixture.h"

#include <QLoggingCategory>
#include <QtTest>

using namespace zt::link;
using zt::commission::ModuleState;
using State = ModuleLink::State;
using Kind = WriteOutcome::Kind;
using States = QVector<State>;
using Kinds = QVector<Kind>;

namespace {

// What the link reported, in order.
struct Seen {
    explicit Seen(ModuleLink *link)
    {
        QObject::connect(link, &ModuleLink::stateChanged, [this](State s) { states << s; });
        QObject::connect(link, &ModuleLink::identified, [this] { ++identified; });
        QObject::connect(link, &ModuleLink::writeFinished, [this](int number, Purpose purpose, WriteOutcome o) {
            writes << QString("%1 %2 %3").arg(number).arg(int(purpose)).arg(o.code);
            kinds << o.kind;
        });
        QObject::connect(link, &ModuleLink::linkEnded, [this](Reason r) { ended << r; });
    }
    States states;
    int identified = 0;
    QStringList writes; // number, purpose, exception code
    Kinds kinds;
    QVector<Reason> ended;
};

zt::line::LineSettings lineOf(const SimFixture &sim)
{
    zt::line::LineSettings line;
    line.port = sim.programPort();
    return line;
}

QString write(int number, Purpose purpose, int code = 0)
{
    return QString("%1 %2 %3").arg(number).arg(int(purpose)).arg(code);
}

} // namespace

class tst_ModuleLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("ztconfig.*=false"); }
    void queueKeepsOrder();
    void outcomeToRequester_data();
    void outcomeToRequester();
    void ends_data();
    void ends();
    void fileStopsAtItsStepAndWritesRereadOnce();
};

// Writes of several purposes asked for while a read is pending go out after
// it, in the order asked for.
void tst_ModuleLink::queueKeepsOrder()
{
    SimFixture sim;
    QVERIFY2(sim.start("ZT-2TI-2AO"), qPrintable(sim.errorString()));
    ModuleLink link;
    Seen seen(&link);
    QVERIFY(link.open(lineOf(sim)));
    link.read(ModuleState::Identification | ModuleState::Configuration);
    const int limit = link.write(Purpose::Limit, zt::reg::LimitMin0, {quint16(-50)});
    const int option = link.write(Purpose::Option, zt::reg::ColdJunction, {1});
    const int echo = link.write(Purpose::Echo, zt::reg::Inversion, {2});
    QTRY_COMPARE(seen.writes.size(), 3);
    QCOMPARE(seen.writes, (QStringList{write(limit, Purpose::Limit), write(option, Purpose::Option), write(echo, Purpose::Echo)}));
    QCOMPARE(seen.kinds, Kinds(3, WriteOutcome::Confirmed));
    QCOMPARE(seen.states, (States{State::Connected, State::Identifying, State::Reading, State::Writing, State::Connected}));
    QCOMPARE(seen.identified, 1);
    QVERIFY(link.module().has(ModuleState::Identification | ModuleState::Configuration));
    QStringList order;
    for (const QJsonObject &r : sim.log())
        order << QString::number(r["address"].toInt(), 16);
    QCOMPARE(order, (QStringList{"2000", "2400", "2470", "24e0", "2520", "24e0", "2470", "2520"}));
}

// A write to the limit, an option write queued behind it.
void tst_ModuleLink::outcomeToRequester_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("watchdogMs"); // -1: the line's
    QTest::addColumn<Kinds>("kinds");    // of the limit, then the option
    QTest::addColumn<int>("code");       // of the limit
    QTest::addColumn<bool>("ended");

    QTest::newRow("confirmed") << QStringList() << -1 << Kinds{Kind::Confirmed, Kind::Confirmed} << 0 << false;
    QTest::newRow("refused") << QStringList{"--refuse-writes", "0x24E0:4"} << -1
                             << Kinds{Kind::Refused, Kind::Confirmed} << 4 << false;
    // The line's own watchdog waits for the transport's verdict.
    QTest::newRow("unconfirmed") << QStringList{"--unanswered-writes", "0x24E0"} << -1
                                 << Kinds{Kind::Unconfirmed, Kind::Confirmed} << 0 << false;
    // Well inside the transport's three tries, however loaded the machine.
    QTest::newRow("watchdog") << QStringList{"--unanswered-writes", "0x24E0"} << 1500
                              << Kinds{Kind::Unconfirmed, Kind::NotSent} << 0 << true;
}

void tst_ModuleLink::outcomeToRequester()
{
    QFETCH(QStringList, simArgs);
    QFETCH(int, watchdogMs);
    QFETCH(Kinds, kinds);
    QFETCH(int, code);
    QFETCH(bool, ended);
    SimFixture sim;
    QVERIFY2(sim.start("ZT-2TI-2AO", simArgs), qPrintable(sim.errorString()));
    ModuleLink link;
    Seen seen(&link);
    link.setWatchdogMs(watchdogMs);
    QVERIFY(link.open(lineOf(sim)));
    link.identify();
    const int limit = link.write(Purpose::Limit, zt::reg::LimitMin0, {quint16(-50)});
    const int option = link.write(Purpose::Option, zt::reg::ColdJunction, {1});
    QTRY_COMPARE_WITH_TIMEOUT(seen.writes.size(), 2, 10000);
    QCOMPARE(seen.writes, (QStringList{write(limit, Purpose::Limit, code), write(option, Purpose::Option)}));
    QCOMPARE(seen.kinds, kinds);
    QCOMPARE(seen.ended, ended ? QVector<Reason>{Reason::NoAnswer} : QVector<Reason>());
    QCOMPARE(link.isOpen(), !ended);
}

void tst_ModuleLink::ends_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<bool>("cutWhenIdentified");
    QTest::addColumn<Reason>("reason");
    QTest::addColumn<Kinds>("kinds"); // of two writes queued behind the identification

    QTest::newRow("silent") << QStringList{"--silent"} << false << Reason::NoAnswer << Kinds(2, Kind::NotSent);
    QTest::newRow("line cut") << QStringList() << true << Reason::LineLost << Kinds{Kind::Unconfirmed, Kind::NotSent};
}

void tst_ModuleLink::ends()
{
    QFETCH(QStringList, simArgs);
    QFETCH(bool, cutWhenIdentified);
    QFETCH(Reason, reason);
    QFETCH(Kinds, kinds);
    SimFixture sim;
    QVERIFY2(sim.start("ZT-2TI-2AO", simArgs), qPrintable(sim.errorString()));
    ModuleLink link;
    Seen seen(&link);
    if (cutWhenIdentified)
        connect(&link, &ModuleLink::identified, this, [&sim] { sim.cutLine(); });
    QVERIFY(link.open(lineOf(sim)));
    link.identify();
    link.write(Purpose::Limit, zt::reg::LimitMin0, {quint16(-50)});
    link.write(Purpose::Reboot, zt::reg::Reboot, {zt::reg::RebootKey});
    QTRY_VERIFY_WITH_TIMEOUT(!seen.ended.isEmpty(), 10000);
    QCOMPARE(seen.ended, QVector<Reason>{reason});
    QCOMPARE(seen.kinds, kinds);
    QCOMPARE(seen.states.last(), State::Idle);
    QVERIFY(!link.isOpen());
}

// A file stopped with its first step on the way ends once that step is
// confirmed, sending no other; a burst of writes is read back once, after it.
void tst_ModuleLink::fileStopsAtItsStepAndWritesRereadOnce()
{
    SimFixture sim;
    QVERIFY2(sim.start("ZT-2TI-2AO"), qPrintable(sim.errorString()));
    ModuleLink link;
    QStringList files; // outcome, confirmed, sent
    connect(&link, &ModuleLink::fileWriteFinished, [&](FileOutcome o, int confirmed, int sent) {
        files << QString("%1 %2 %3").arg(int(o)).arg(confirmed).arg(sent);
    });
    QVERIFY(link.open(lineOf(sim)));
    link.writeFile({{true, zt::reg::LimitMin0, 5, 50}, {true, zt::reg::LimitMin0 + 1, 6, 0}});
    link.stopFile();
    QTRY_COMPARE(files.size(), 1);
    QCOMPARE(files.at(0), QString("%1 1 1").arg(int(FileOutcome::Stopped)));
    QCOMPARE(sim.acceptedWrites().size(), 1);

    link.setReread(ModuleState::Config, 200, 0);
    QSignalSpy reads(&link, &ModuleLink::blocksRead);
    link.write(Purpose::Limit, zt::reg::LimitMin0, {7});
    link.write(Purpose::Limit, zt::reg::LimitMin0 + 1, {8});
    QTRY_COMPARE(reads.size(), 1);
    QTest::qWait(400);
    QCOMPARE(reads.size(), 1);
    QCOMPARE(reads.at(0).at(0).toInt(), int(ModuleState::Config));
}

QTEST_GUILESS_MAIN(tst_ModuleLink)
#include "tst_modulelink.moc"
