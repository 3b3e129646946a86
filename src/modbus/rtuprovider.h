#pragma once

#include "rtusettings.h"

#include <QMap>
#include <QModbusDataUnit>
#include <QModbusDevice>
#include <QObject>
#include <QSet>
#include <QVector>

class QModbusReply;
class QModbusRtuSerialMaster;

// The program's only way to the serial line: one Modbus RTU client, opened
// with fixed serial parameters, one request per call, every outcome reported
// by a signal. It knows nothing about modules or registers.
class RtuProvider : public QObject
{
    Q_OBJECT

public:
    RtuProvider(const QString &name, int serverAddress, QObject *parent = nullptr);

    bool requestPending = false; // a reply is awaited; the window clears it too
    bool opened = false;

    // Why the last openPort() failed, as the serial port put it.
    QString openError() const { return lastOpenError; }

    // Whether the write whose writeDataEnd() is being delivered was answered
    // by the module without error. writeDataEnd() comes for every finished
    // write, a refused one included (writeDataError() follows it then).
    bool lastWriteConfirmed() const { return writeConfirmed; }

    static QString readStatusText(int serverAddress, int address);
    static QString writeStatusText(int serverAddress, int address, quint16 firstValue);

signals:
    void openDevice();
    void closeDevice();
    void readDataEnd();
    void readCurUnit(QModbusDataUnit unit);
    void writeDataEnd();
    void readDataError();
    void writeDataError();
    void sendStatus(QString str);

public slots:
    void writeUnit(QModbusDataUnit unit);
    void readUnit(QModbusDataUnit unit);
    void writeRegister(int addr, ushort data, RegType reg = RegType::HoldingRegisters);
    void readRegister(int addr, RegType reg = RegType::HoldingRegisters);
    void writeDatas(int addr, QVector<quint16> array, RegType reg = RegType::HoldingRegisters);
    void readDatas(int addr, int len, RegType reg = RegType::HoldingRegisters);
    ushort getData(int addr, RegType reg = RegType::HoldingRegisters);
    QVector<quint16> getDatas(int addr, RegType reg = RegType::HoldingRegisters);
    void errorWR();
    void openPort(RtuSettings sett, bool tcp = false);
    void closePort();
    void onReadReady();
    void onReadDataEnd();
    void onWriteDataEnd();

private slots:
    void onDeviceError(QModbusDevice::Error error);
    void onStateChanged(QModbusDevice::State state);
    void onWriteReply();

private:
    void track(QModbusReply *reply);
    QModbusReply *takeFinishedReply(); // the sender, forgotten and released
    void shutDownClient();

    int serverAddress;
    QString name;
    QModbusDataUnit lastUnit;
    QModbusRtuSerialMaster *modbusDevice = nullptr;
    QMap<int, QMap<int, QModbusDataUnit>> cache;
    QSet<QModbusReply *> outstanding;
    QString lastOpenError;
    bool writeConfirmed = false;
};
