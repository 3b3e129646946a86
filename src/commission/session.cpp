#include "commission/session.h"

#include "line/tcpfailure.h"
#include "modbus/rtuprovider.h"
#include "module/registers.h"

namespace zt::commission {

namespace {

struct BlockRead {
    int block;
    QModbusDataUnit::RegisterType table;
    int start;
    int count;
};

// The order of the window's read chain.
const BlockRead blockReads[] = {
    {ModuleState::Identification, QModbusDataUnit::HoldingRegisters, reg::IdentBlock, reg::IdentCount},
    {ModuleState::Config, QModbusDataUnit::HoldingRegisters, reg::ConfigBlock, reg::ConfigCount},
    {ModuleState::Options, QModbusDataUnit::HoldingRegisters, reg::OptionBlock, reg::OptionCount},
    {ModuleState::Limits, QModbusDataUnit::HoldingRegisters, reg::LimitBlock, reg::LimitCount},
    {ModuleState::Inversion, QModbusDataUnit::HoldingRegisters, reg::Inversion, reg::InversionCount},
    {ModuleState::Live, QModbusDataUnit::InputRegisters, reg::LiveBlock, reg::LiveCount},
};

} // namespace

ModuleSession::ModuleSession(QObject *parent)
    : QObject(parent)
{
    pause.setSingleShot(true);
    connect(&pause, &QTimer::timeout, this, &ModuleSession::nextWrite);
}

ModuleSession::~ModuleSession()
{
    if (provider)
        provider->closePort();
}

bool ModuleSession::open(const line::LineSettings &line)
{
    provider = new RtuProvider(line::place(line), line.address, this);
    connect(provider, &RtuProvider::readCurUnit, this, &ModuleSession::onUnit);
    connect(provider, &RtuProvider::readDataError, this, &ModuleSession::onReadError);
    connect(provider, &RtuProvider::writeDataEnd, this, &ModuleSession::onWriteEnd);
    connect(provider, &RtuProvider::writeDataError, this, &ModuleSession::onWriteError);
    provider->openPort(line);
    error = provider->openError();
    return provider->opened;
}

QString ModuleSession::openError() const
{
    return error;
}

QString ModuleSession::failureText() const
{
    return provider ? provider->failureText() : QString();
}

int ModuleSession::readExceptionCode() const
{
    return provider ? provider->lastExceptionCode() : 0;
}

void ModuleSession::setStopCheck(std::function<bool()> check)
{
    stopCheck = std::move(check);
}

void ModuleSession::read(int blocks)
{
    reads.clear();
    for (const BlockRead &b : blockReads) {
        if (blocks & b.block) {
            reads.append(QModbusDataUnit(b.table, b.start, quint16(b.count)));
            current.blocks &= ~b.block;
        }
    }
    mode = Mode::Reading;
    nextRead();
}

void ModuleSession::nextRead()
{
    if (stopBeforeRequest())
        return;
    if (reads.isEmpty())
        finish(Outcome::Done);
    else
        provider->readUnit(reads.takeFirst());
}

void ModuleSession::write(const QVector<filewrite::Step> &toWrite)
{
    steps = toWrite;
    confirmed = sent = refusal = 0;
    mode = Mode::Writing;
    nextWrite();
}

void ModuleSession::nextWrite()
{
    if (stopBeforeRequest())
        return;
    if (confirmed == steps.size()) {
        finish(Outcome::Done);
        return;
    }
    const filewrite::Step &step = steps.at(sent++);
    provider->writeUnit(QModbusDataUnit(QModbusDataUnit::HoldingRegisters, step.address, QVector<quint16>{step.value}));
}

bool ModuleSession::stopBeforeRequest()
{
    if (!provider || !provider->opened) {
        finish(Outcome::LineLost);
        return true;
    }
    if (stopCheck && stopCheck()) {
        finish(Outcome::Stopped);
        return true;
    }
    return false;
}

void ModuleSession::finish(Outcome outcome)
{
    mode = Mode::Idle;
    pause.stop();
    emit finished(outcome);
}

void ModuleSession::onUnit(const QModbusDataUnit &unit)
{
    if (mode != Mode::Reading)
        return;
    if (absorb(unit, &current))
        nextRead();
    else
        finish(unit.startAddress() == reg::IdentBlock && unit.valueCount() >= reg::IdentCount ? Outcome::NotRecognised
                                                                                             : Outcome::NoAnswer);
}

void ModuleSession::onReadError()
{
    if (mode == Mode::Reading)
        finish(provider->opened ? Outcome::NoAnswer : Outcome::LineLost);
}

void ModuleSession::onWriteEnd()
{
    // A write that was not taken is followed by writeDataError.
    if (mode != Mode::Writing || !provider->lastWriteConfirmed())
        return;
    ++confirmed;
    pause.start(confirmed < steps.size() ? steps.at(confirmed - 1).nextAfterMs : 0);
}

// Only the module's exception reply refuses a write. A write that was never
// answered may have been taken all the same (its reply lost on the line),
// and so may one whose answer a gateway gave up waiting for: that the caller
// finds out by reading the module back.
void ModuleSession::onWriteError()
{
    if (mode == Mode::Idle)
        return;
    if (!provider->opened) {
        finish(Outcome::LineLost);
        return;
    }
    if (mode != Mode::Writing)
        return;
    refusal = provider->lastWriteExceptionCode();
    finish(refusal && !line::isGatewayException(refusal) ? Outcome::Refused : Outcome::Unconfirmed);
}

} // namespace zt::commission
