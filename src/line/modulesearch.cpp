#include "line/modulesearch.h"

#include "line/lineprober.h"
#include "line/linetiming.h"
#include "line/searchplan.h"
#include "modbus/rtuprovider.h"
#include "module/catalogue.h"
#include "module/registers.h"

namespace zt::line {

ModuleSearch::ModuleSearch(QObject *parent)
    : QObject(parent)
    , prober(new LineProber(this))
{
    connect(prober, &LineProber::answered, this, &ModuleSearch::onAnswered);
    connect(prober, &LineProber::lineLost, this, [this] { end(Outcome::LineLost); });
}

bool ModuleSearch::start(const LineSettings &current)
{
    if (current.isTcp() ? !openGateway(current) : !prober->open(current.port))
        return false;
    candidates = searchOrder(current);
    next = 0;
    tryNext();
    return true;
}

// A reply with registers is judged like a raw frame; anything else, an
// exception of the gateway's included, is no module at that address.
bool ModuleSearch::openGateway(const LineSettings &current)
{
    gateway = new RtuProvider(place(current), current.address, this);
    connect(gateway, &RtuProvider::readCurUnit, this, [this](const QModbusDataUnit &unit) {
        const LineSettings &asked = candidates.at(next - 1);
        Answer answer;
        answer.kind = Answer::Reply;
        answer.address = asked.address;
        answer.registers = unit.values();
        onAnswered(answer, asked);
    });
    connect(gateway, &RtuProvider::readDataError, this, &ModuleSearch::tryNext);
    // Only a failing connection reports this: a search writes nothing.
    connect(gateway, &RtuProvider::writeDataError, this, [this] {
        gatewayFailure = gateway->failureText();
        end(Outcome::LineLost);
    });
    gateway->openPort(current);
    if (gateway->opened)
        return true;
    gatewayFailure = gateway->failureText();
    closeGateway();
    return false;
}

void ModuleSearch::closeGateway()
{
    if (!gateway)
        return;
    gateway->disconnect(this);
    gateway->closePort();
    gateway->deleteLater(); // it may be the sender of the signal being handled
    gateway = nullptr;
}

QString ModuleSearch::errorString() const
{
    return gatewayFailure.isEmpty() ? prober->errorString() : gatewayFailure;
}

void ModuleSearch::cancel()
{
    prober->close();
    closeGateway();
}

void ModuleSearch::tryNext()
{
    if (next == candidates.size()) {
        end(Outcome::NotFound);
        return;
    }
    const LineSettings candidate = candidates.at(next);
    if (gateway) {
        const QModbusDataUnit identification(QModbusDataUnit::HoldingRegisters, reg::IdentBlock, reg::IdentCount);
        gateway->readOnceFrom(identification, candidate.address, tryWaitMs(candidate));
    } else {
        prober->probe(candidate);
    }
    // Last: a modal progress dialog handles a cancel inside this signal.
    emit trying(next++, candidate);
}

// A frame from another address counts too: it is the late answer to an
// earlier try, and it names the address it came from.
void ModuleSearch::onAnswered(const Answer &answer, const LineSettings &asked)
{
    if (answer.kind == Answer::Echo) {
        end(Outcome::Echo);
        return;
    }
    const bool frame = answer.kind == Answer::Reply || answer.kind == Answer::OtherAddress;
    if (frame && decodeIdentification(answer.registers).valid) {
        LineSettings found = asked;
        found.address = answer.address;
        end(Outcome::Found, found);
        return;
    }
    tryNext();
}

void ModuleSearch::end(Outcome outcome, const LineSettings &found)
{
    cancel();
    emit finished(outcome, found);
}

} // namespace zt::line
