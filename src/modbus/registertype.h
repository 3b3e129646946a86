#pragma once

#include <QModbusDataUnit>

// Register table of a request, numbered like QModbusDataUnit::RegisterType.
enum class RegType {
    DiscreteInputs = QModbusDataUnit::DiscreteInputs,
    Coils = QModbusDataUnit::Coils,
    InputRegisters = QModbusDataUnit::InputRegisters,
    HoldingRegisters = QModbusDataUnit::HoldingRegisters,
};

inline QModbusDataUnit::RegisterType toRegisterType(RegType reg)
{
    return static_cast<QModbusDataUnit::RegisterType>(reg);
}
