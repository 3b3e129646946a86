#include "link/blockreads.h"

#include "module/registers.h"

#include <iterator>

namespace zt::link {

namespace {

using commission::ModuleState;

struct BlockRead {
    int block;
    QModbusDataUnit::RegisterType table;
    int start;
    int count;
};

const BlockRead table[] = {
    {ModuleState::Identification, QModbusDataUnit::HoldingRegisters, reg::IdentBlock, reg::IdentCount},
    {ModuleState::Config, QModbusDataUnit::HoldingRegisters, reg::ConfigBlock, reg::ConfigCount},
    {ModuleState::Options, QModbusDataUnit::HoldingRegisters, reg::OptionBlock, reg::OptionCount},
    {ModuleState::Limits, QModbusDataUnit::HoldingRegisters, reg::LimitBlock, reg::LimitCount},
    {ModuleState::Inversion, QModbusDataUnit::HoldingRegisters, reg::Inversion, reg::InversionCount},
    {ModuleState::Live, QModbusDataUnit::InputRegisters, reg::LiveBlock, reg::LiveCount},
};

} // namespace

QVector<QModbusDataUnit> blockReads(int blocks)
{
    QVector<QModbusDataUnit> reads;
    for (const BlockRead &b : table) {
        if (blocks & b.block)
            reads.append(QModbusDataUnit(b.table, b.start, quint16(b.count)));
    }
    return reads;
}

int nextBlock(int block)
{
    for (auto b = std::cbegin(table); b != std::cend(table); ++b) {
        if (b->block == block)
            return std::next(b) == std::cend(table) ? 0 : std::next(b)->block;
    }
    return 0;
}

int blockOf(const QModbusDataUnit &unit)
{
    for (const BlockRead &b : table) {
        if (unit.registerType() == b.table && unit.startAddress() == b.start)
            return b.block;
    }
    return 0;
}

} // namespace zt::link
