#include "line/modulescan.h"

#include "line/linetiming.h"
#include "line/tcpfailure.h"
#include "modbus/rtuprovider.h"
#include "module/catalogue.h"
#include "module/registers.h"

namespace zt::line {

ModuleScan::ModuleScan(QObject *parent)
    : QObject(parent)
{
}

ModuleScan::~ModuleScan()
{
    cancel();
}

bool ModuleScan::start(const LineSettings &line, int first, int lastAddress)
{
    provider = new RtuProvider(line.port, line.address, this);
    connect(provider, &RtuProvider::readCurUnit, this,
            [this](const QModbusDataUnit &unit) { onRegisters(unit.values()); });
    connect(provider, &RtuProvider::readDataError, this, &ModuleScan::onNoRegisters);
    // Only a failing port reports this: a sweep writes nothing.
    connect(provider, &RtuProvider::writeDataError, this, [this] {
        openError = provider->failureText();
        end(Outcome::LineLost);
    });
    provider->openPort(line);
    if (!provider->opened) {
        openError = line.isTcp() ? provider->failureText() : provider->openError();
        delete provider;
        provider = nullptr;
        return false;
    }
    waitMs = tryWaitMs(line);
    next = first;
    last = lastAddress;
    askNext();
    return true;
}

void ModuleScan::cancel()
{
    if (!provider)
        return;
    provider->disconnect(this);
    provider->closePort();
    provider->deleteLater(); // it may be the sender of the signal being handled
    provider = nullptr;
}

void ModuleScan::askNext()
{
    if (next > last) {
        end(Outcome::Swept);
        return;
    }
    const QModbusDataUnit identification(QModbusDataUnit::HoldingRegisters, reg::IdentBlock, reg::IdentCount);
    provider->readOnceFrom(identification, next, waitMs);
    // Last: a receiver may cancel inside this signal.
    emit asking(next);
}

void ModuleScan::onRegisters(const QVector<quint16> &registers)
{
    Module module;
    module.address = next++;
    const Identification id = decodeIdentification(registers);
    const int position = catalogue::positionOfCode(id.moduleCode);
    if (id.valid && position > 0) {
        module.type = catalogue::name(position);
        module.firmware = id.firmware;
    } else {
        module.kind = Module::Unrecognised;
    }
    emit found(module);
    if (provider)
        askNext();
}

// Silence at an address is no module there; a refusal is one, unless a
// gateway gave it: then no module answered.
void ModuleScan::onNoRegisters()
{
    const int address = next++;
    if (const int code = provider->lastExceptionCode(); code && !isGatewayException(code)) {
        Module module;
        module.address = address;
        module.kind = Module::Refused;
        module.exceptionCode = code;
        emit found(module);
    }
    if (provider)
        askNext();
}

void ModuleScan::end(Outcome outcome)
{
    cancel();
    emit finished(outcome);
}

} // namespace zt::line
