#pragma once

#include <QModbusDataUnit>
#include <QVariant>

// Serial parameters of one port, mapped one to one onto the client's
// connection parameters.
struct RtuSettings
{
    QVariant portName;
    QVariant baudRate;
    QVariant dataBits;
    QVariant parity;   // a QSerialPort::Parity number
    QVariant stopBits; // a QSerialPort::StopBits number
};

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
