#include "link/modulelink.h"

#include "line/linetiming.h"
#include "line/tcpfailure.h"
#include "link/blockreads.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"

#include <algorithm>

namespace zt::link {

using commission::ModuleState;

ModuleLink::ModuleLink(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<WriteOutcome>();
    watchdog.setSingleShot(true);
    // A coarse timer may fire late enough to lose the race with the client's
    // own time-out of the same request.
    watchdog.setTimerType(Qt::PreciseTimer);
    connect(&watchdog, &QTimer::timeout, this, [this] {
        watchdogRanOut = true;
        end(Reason::NoAnswer);
    });
    connect(&pollTimer, &QTimer::timeout, this, &ModuleLink::pollTick);
    stepPause.setSingleShot(true);
    connect(&stepPause, &QTimer::timeout, this, &ModuleLink::nextStep);
    rereadTimer.setSingleShot(true);
    connect(&rereadTimer, &QTimer::timeout, this, [this] { read(reread.blocks); });
}

ModuleLink::~ModuleLink()
{
    if (provider) {
        provider->disconnect(this);
        provider->closePort();
    }
}

bool ModuleLink::open(const line::LineSettings &line)
{
    if (provider)
        close();
    lineSettings = line;
    openFailure.clear();
    endFailure.clear();
    readException = 0;
    identifiedOnLine = watchdogRanOut = false;
    decoded = ModuleState();
    ++linesOpened;
    provider = new RtuProvider(line::place(line), line.address, this);
    connect(provider, &RtuProvider::readCurUnit, this, &ModuleLink::onUnit);
    connect(provider, &RtuProvider::readDataError, this, &ModuleLink::onReadError);
    connect(provider, &RtuProvider::writeDataEnd, this, &ModuleLink::onWriteEnd);
    connect(provider, &RtuProvider::writeDataError, this, &ModuleLink::onWriteError);
    connect(provider, &RtuProvider::sendStatus, this, &ModuleLink::transportStatus);
    provider->openPort(line);
    if (!provider->opened) {
        openFailure = provider->openError();
        endFailure = provider->failureText();
        provider->disconnect(this);
        provider->deleteLater();
        provider = nullptr;
        return false;
    }
    updateState();
    return true;
}

void ModuleLink::close()
{
    end(Reason::Closed);
}

QString ModuleLink::failureText() const
{
    return provider ? provider->failureText() : endFailure;
}

void ModuleLink::identify()
{
    read(ModuleState::Identification);
}

void ModuleLink::read(int blocks)
{
    if (!provider)
        return;
    // Only the blocks not already on their way: a second read() joins the first.
    const int fresh = blocks & ~wantedBlocks;
    decoded.blocks &= ~blocks;
    wantedBlocks |= blocks;
    readJob |= blocks;
    for (const QModbusDataUnit &unit : blockReads(fresh))
        enqueue({unit});
    updateState();
}

int ModuleLink::write(Purpose purpose, int address, const QVector<quint16> &values)
{
    if (!provider || values.isEmpty())
        return 0;
    const int number = ++writesNumbered;
    // A file's steps end with a re-read of their own.
    if (reread.blocks && !file.running)
        rereadTimer.start(reread.quietMs);
    enqueue({QModbusDataUnit(QModbusDataUnit::HoldingRegisters, address, values), true, number, purpose});
    updateState();
    return number;
}

void ModuleLink::writeFile(const QVector<filewrite::Step> &steps)
{
    if (!provider || file.running)
        return;
    file = FileJob{true, steps};
    // A re-read between the steps would show a half-written module.
    rereadTimer.stop();
    nextStep();
}

void ModuleLink::stopFile()
{
    if (!file.running)
        return;
    file.stopAsked = true;
    if (!file.inFlight)
        finishFile(FileOutcome::Stopped);
}

void ModuleLink::setReread(int blocks, int quietMs, int afterFileMs)
{
    reread = {blocks, quietMs, afterFileMs};
    if (!blocks)
        rereadTimer.stop();
}

void ModuleLink::startPolling(int ms)
{
    if (!provider)
        return;
    pollTimer.start(ms);
    pollTick(); // the first values now, not an interval later
}

void ModuleLink::stopPolling()
{
    pollTimer.stop();
    rereadTimer.stop();
    updateState();
}

void ModuleLink::enqueue(const Request &request)
{
    queue.enqueue(request);
    sendNext();
}

// One request on its way at a time: its outcome says which request it ends.
void ModuleLink::sendNext()
{
    if (!provider || inFlight || queue.isEmpty())
        return;
    current = queue.dequeue();
    inFlight = true;
    const int watchdogMs = watchdogSetting < 0 ? line::watchdogMs(lineSettings) : watchdogSetting;
    const bool guarded = current.write || blockOf(current.unit) == ModuleState::Identification;
    if (guarded && watchdogMs > 0)
        watchdog.start(watchdogMs);
    if (current.write)
        provider->writeUnit(current.unit);
    else
        provider->readUnit(current.unit);
}

void ModuleLink::onUnit(const QModbusDataUnit &unit)
{
    if (!inFlight || current.write)
        return;
    inFlight = false;
    watchdog.stop();
    takeReply(unit);
}

void ModuleLink::takeReply(const QModbusDataUnit &unit)
{
    if (!provider)
        return;
    const int block = blockOf(unit);
    if (!commission::absorb(unit, &decoded)) {
        const bool identification = block == ModuleState::Identification && unit.valueCount() >= reg::IdentCount;
        const Identification id = identification ? decodeIdentification(unit.values()) : Identification();
        if (!id.valid) {
            end(identification ? Reason::NotRecognised : Reason::NoAnswer);
            return;
        }
        decoded.id = id;
        decoded.blocks |= ModuleState::Identification;
    }
    wantedBlocks &= ~block;
    if (block == ModuleState::Identification) {
        identifiedOnLine = true;
        emit identified(decoded);
    }
    if (block == ModuleState::Live)
        emit liveValues(decoded.live);
    if (readJob && !wantedBlocks) {
        const int done = readJob;
        readJob = 0;
        emit blocksRead(done);
    }
    sendNext();
    updateState();
}

void ModuleLink::onReadError()
{
    if (inFlight && !current.write)
        end(provider->opened ? Reason::NoAnswer : Reason::LineLost, provider->lastExceptionCode());
}

void ModuleLink::onWriteEnd()
{
    // A write that was not taken is followed by writeDataError.
    if (inFlight && current.write && provider->lastWriteConfirmed())
        writeEnded({WriteOutcome::Confirmed});
}

// Only the module's exception reply refuses a write. One never answered may
// have been taken all the same (its reply lost on the line), and so may one
// whose answer a gateway gave up waiting for. The transport reports a failed
// line here too, whatever was on its way.
void ModuleLink::onWriteError()
{
    if (!provider->opened) {
        end(Reason::LineLost);
        return;
    }
    if (!inFlight || !current.write)
        return;
    const int code = provider->lastWriteExceptionCode();
    writeEnded({code && !line::isGatewayException(code) ? WriteOutcome::Refused : WriteOutcome::Unconfirmed, code});
}

void ModuleLink::writeEnded(WriteOutcome outcome)
{
    inFlight = false;
    watchdog.stop();
    const Request done = current;
    emit writeFinished(done.number, done.purpose, outcome);
    if (file.inFlight && done.number == file.number)
        fileStepEnded(outcome);
    sendNext();
    updateState();
}

// A step that writes nothing for this type still keeps its pause.
void ModuleLink::nextStep()
{
    if (!provider || !file.running)
        return;
    if (stopCheck && stopCheck()) {
        finishFile(FileOutcome::Stopped);
        return;
    }
    if (file.next == file.steps.size()) {
        finishFile(FileOutcome::Done);
        return;
    }
    const filewrite::Step &step = file.steps.at(file.next);
    if (!step.write) {
        ++file.next;
        stepPause.start(step.nextAfterMs);
        return;
    }
    file.inFlight = true;
    file.number = write(Purpose::FileStep, step.address, {step.value});
}

void ModuleLink::fileStepEnded(const WriteOutcome &outcome)
{
    file.inFlight = false;
    switch (outcome.kind) {
    case WriteOutcome::Confirmed:
        if (file.stopAsked) {
            ++file.next;
            finishFile(FileOutcome::Stopped);
        } else {
            stepPause.start(file.steps.at(file.next++).nextAfterMs);
        }
        break;
    case WriteOutcome::Refused: finishFile(FileOutcome::Refused, outcome.code); break;
    case WriteOutcome::Unconfirmed:
    case WriteOutcome::NotSent: finishFile(FileOutcome::Unconfirmed, outcome.code); break;
    }
}

void ModuleLink::finishFile(FileOutcome outcome, int code)
{
    stepPause.stop();
    const int confirmed = file.next;
    // A refused step was answered: not taken. Any other one on its way may have been.
    const int sent = confirmed + (file.inFlight || outcome == FileOutcome::Unconfirmed ? 1 : 0);
    file = FileJob();
    if (outcome == FileOutcome::Done && reread.blocks)
        rereadTimer.start(reread.afterFileMs);
    emit fileWriteFinished(outcome, confirmed, sent, code);
    updateState();
}

// Every request still pending ends with the link: a write on its way
// unconfirmed, the queued ones not sent.
void ModuleLink::end(Reason reason, int code)
{
    if (!provider)
        return;
    ended = reason;
    readException = code;
    endFailure = provider->failureText();
    if (endFailure.isEmpty() && reason == Reason::NoAnswer && lineSettings.isTcp())
        endFailure = line::tcpFailureText(lineSettings, line::TcpFailure::NoAnswer);
    watchdog.stop();
    pollTimer.stop();
    rereadTimer.stop();
    RtuProvider *old = provider;
    provider = nullptr;
    old->disconnect(this);
    old->closePort();
    old->deleteLater(); // it may be the sender of the signal being handled

    QVector<Request> pending;
    if (inFlight)
        pending << current;
    pending << queue.toVector();
    const bool wasInFlight = inFlight;
    queue.clear();
    inFlight = false;
    wantedBlocks = readJob = 0;
    for (int i = 0; i < pending.size(); ++i) {
        if (pending.at(i).write)
            emit writeFinished(pending.at(i).number, pending.at(i).purpose,
                               {i == 0 && wasInFlight ? WriteOutcome::Unconfirmed : WriteOutcome::NotSent});
    }
    if (file.running)
        finishFile(FileOutcome::LinkEnded);
    updateState();
    emit linkEnded(reason);
}

int ModuleLink::pendingWrites() const
{
    const auto isWrite = [](const Request &r) { return r.write; };
    return int(std::count_if(queue.cbegin(), queue.cend(), isWrite)) + (inFlight && current.write ? 1 : 0);
}

// A live read still pending (a slow module, or one behind other requests)
// gets no second one: a silent line would otherwise collect a queue of stale
// reads.
void ModuleLink::pollTick()
{
    const auto isLive = [](const Request &r) { return !r.write && blockOf(r.unit) == ModuleState::Live; };
    const bool livePending = (inFlight && isLive(current)) || std::any_of(queue.cbegin(), queue.cend(), isLive);
    if (provider && !livePending && !file.running)
        enqueue({QModbusDataUnit(QModbusDataUnit::InputRegisters, reg::LiveBlock, reg::LiveCount)});
    updateState();
}

ModuleLink::State ModuleLink::currentState() const
{
    if (!provider)
        return State::Idle;
    if (file.running)
        return State::WritingFile;
    if (wantedBlocks & ModuleState::Identification)
        return State::Identifying;
    if (wantedBlocks)
        return State::Reading;
    const auto isWrite = [](const Request &r) { return r.write; };
    if ((inFlight && current.write) || std::any_of(queue.cbegin(), queue.cend(), isWrite))
        return State::Writing;
    return pollTimer.isActive() ? State::Polling : State::Connected;
}

void ModuleLink::updateState()
{
    const State now = currentState();
    if (now == shown)
        return;
    shown = now;
    emit stateChanged(now);
}

} // namespace zt::link
