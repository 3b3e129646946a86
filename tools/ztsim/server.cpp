#include "server.h"

#include "live.h"
#include "registermap.h"

#include <cstdio>

namespace {

constexpr std::chrono::milliseconds kRebootTime(1500);

enum Exception : uint8_t {
    IllegalFunction = 1,
    IllegalDataAddress = 2,
    IllegalDataValue = 3,
    GatewayTargetFailed = 0x0B,
};

std::vector<uint8_t> exception(uint8_t function, uint8_t code)
{
    return {uint8_t(function | 0x80), code};
}

void appendWord(std::vector<uint8_t> &pdu, uint16_t word)
{
    pdu.push_back(uint8_t(word >> 8));
    pdu.push_back(uint8_t(word & 0xFF));
}

uint8_t exceptionFor(WriteStatus status)
{
    return status == WriteStatus::IllegalAddress ? IllegalDataAddress : IllegalDataValue;
}

}  // namespace

void Server::handle(const Frame &frame, Link &link)
{
    if (frame.pduLength < 1 || frame.server == 0)
        return;
    const double now = std::chrono::duration<double>(frame.received - started_).count();
    if (options_.gatewaySilent) {
        answerAsGateway(frame, link, now);
        return;
    }
    // Frames for other servers (and broadcasts) are for no module here;
    // what arrives while a module reboots is lost.
    BusModule *node = findOnBus(bus_, frame.server);
    if (!node || frame.received < node->deafUntil)
        return;
    // An echoing adapter returns what the master sent, answered or not.
    if (options_.echo)
        link.echo(frame);
    const Request request = parseRequest(frame.pdu, frame.pduLength);

    if (silentNow(*node)) {
        log_.record(now, node->address, request, "silent");
        return;
    }

    bool wrote = false;
    const std::vector<uint8_t> pdu = answer(node->module, request, now, wrote);
    if (wrote) {
        std::string error;
        if (!state_.save(bus_, error))
            std::fprintf(stderr, "ztsim: %s\n", error.c_str());
    }

    if (wrote && touches(request, options_.unansweredWrites)) {
        log_.record(now, node->address, request, "silent");
        return;
    }

    ++node->replies;
    const bool corrupt = options_.corruptEvery > 0 && node->replies % options_.corruptEvery == 0;
    std::string outcome = "ok";
    if (corrupt)
        outcome = "corrupt-crc";
    else if (pdu[0] & 0x80)
        outcome = "exception:" + std::to_string(pdu[1]);
    // Logged before the reply leaves, so that whoever got the reply finds
    // the request in the log.
    log_.record(now, node->address, request, outcome);
    if (link.send(frame, pdu, std::chrono::milliseconds(options_.delayMs), corrupt))
        log_.event(std::chrono::duration<double>(Clock::now() - started_).count(), "collision");

    // After the reply to a reboot the module hears nothing for a while.
    if (wrote && touches(request, {reg::Reboot}))
        node->deafUntil = Clock::now() + kRebootTime;
}

void Server::answerAsGateway(const Frame &frame, Link &link, double now)
{
    const Request request = parseRequest(frame.pdu, frame.pduLength);
    const std::vector<uint8_t> pdu = exception(request.function, GatewayTargetFailed);
    log_.record(now, frame.server, request, "exception:" + std::to_string(pdu[1]));
    link.send(frame, pdu, std::chrono::milliseconds(options_.delayMs), false);
}

bool Server::silentNow(BusModule &node) const
{
    ++node.requests;
    return options_.silent || (options_.failAfter >= 0 && node.requests > options_.failAfter);
}

bool Server::touches(const Request &request, const std::vector<uint16_t> &addresses)
{
    for (uint16_t address : addresses)
        if (request.hasAddress && address >= request.address && address < unsigned(request.address) + request.span())
            return true;
    return false;
}

uint8_t Server::injectedException(const Request &request, const std::vector<InjectedException> &faults) const
{
    if (!request.hasAddress)
        return 0;
    for (const InjectedException &injected : faults)
        if (injected.address >= request.address
            && injected.address < unsigned(request.address) + request.span())
            return injected.code;
    return 0;
}

std::vector<uint8_t> Server::answer(Module &module, const Request &request, double now, bool &wrote)
{
    if (const uint8_t code = injectedException(request, options_.exceptions))
        return exception(request.function, code);
    if (const uint8_t code = injectedException(request, options_.refusedWrites); code && request.isWrite)
        return exception(request.function, code);
    switch (request.function) {
    case 0x03:
    case 0x04:
        return read(module, request, now);
    case 0x06:
    case 0x10:
        return write(module, request, now, wrote);
    }
    return exception(request.function, IllegalFunction);
}

std::vector<uint8_t> Server::read(const Module &module, const Request &request, double now) const
{
    if (request.count < 1 || request.count > 125)
        return exception(request.function, IllegalDataValue);
    const Table table = request.function == 0x04 ? Table::Input : Table::Holding;
    if (!Module::readable(table, request.address, request.count))
        return exception(request.function, IllegalDataAddress);

    uint16_t live[reg::LiveCount] = {};
    if (table == Table::Input) {
        encodeLive(liveValues(module, now), live);
        forceLive(options_.liveValues, live);
    }

    std::vector<uint8_t> pdu = {request.function, uint8_t(2 * request.count)};
    for (unsigned i = 0; i < request.count; ++i) {
        const uint16_t address = uint16_t(request.address + i);
        appendWord(pdu, table == Table::Input ? live[address] : module.holding(address));
    }
    return pdu;
}

std::vector<uint8_t> Server::write(Module &module, const Request &request, double now, bool &wrote)
{
    if (!request.wellFormed || request.values.empty() || request.values.size() > 123)
        return exception(request.function, IllegalDataValue);

    // A multiple write is taken whole or not at all; each register is
    // judged after the ones before it, as a row of single writes would be.
    Module trial = module;
    for (size_t i = 0; i < request.values.size(); ++i) {
        const WriteStatus status = trial.write(uint16_t(request.address + i), request.values[i], now);
        if (status != WriteStatus::Accepted)
            return exception(request.function, exceptionFor(status));
    }
    for (uint16_t address : options_.droppedWrites)
        if (address >= request.address && address < unsigned(request.address) + request.span())
            trial.restore(address, module.holding(address));
    module = trial;
    wrote = true;

    std::vector<uint8_t> pdu = {request.function};
    appendWord(pdu, request.address);
    appendWord(pdu, request.function == 0x06 ? request.values[0] : request.count);
    return pdu;
}
