#pragma once

#include "line/linesettings.h"
#include "line/tcpfailure.h"
#include "modbus/registertype.h"

#include <QElapsedTimer>
#include <QMap>
#include <QModbusDataUnit>
#include <QModbusDevice>
#include <QObject>
#include <QQueue>
#include <QSet>
#include <QVector>

class QModbusReply;
class QModbusClient;
class QTimer;

// The program's only way to a module: one Modbus client, RTU on a serial
// port or TCP to a gateway as the line says, one request per call, every
// outcome reported by a signal. It knows nothing about modules or registers.
//
// Requests wait in the provider's own queue and go to the client one at a
// time: the client's time-out is read when a request is sent, so that is the
// only way to give each request a time-out fitting its reply's length. For
// the same reason the provider, not the client, makes the three attempts.
class RtuProvider : public QObject
{
    Q_OBJECT

public:
    RtuProvider(const QString &name, int serverAddress, QObject *parent = nullptr);

    bool requestPending = false; // a reply is awaited; the window clears it too
    bool opened = false;

    // Why the last openPort() failed, as the serial port put it.
    QString openError() const { return lastOpenError; }
    // Over Modbus TCP: why the connection failed or closed, or why the last
    // request went unanswered, in words; empty when nothing failed, and
    // always on a serial line (the raw line tells more there).
    QString failureText() const;
    // The line openPort() was given.
    const zt::line::LineSettings &line() const { return lineSettings; }

    // Whether the write whose writeDataEnd() is being delivered was answered
    // by the module without error. writeDataEnd() comes for every finished
    // write, a refused one included (writeDataError() follows it then).
    bool lastWriteConfirmed() const { return writeConfirmed; }
    // The number writeUnit() gave that write: a requester knows its own
    // write's end among the others.
    int lastWriteRequest() const { return finishedWrite; }

    // The exception code with which the module refused the read whose
    // readDataError() is being delivered; 0 when it did not answer at all.
    int lastExceptionCode() const { return readException; }
    // The same for the write whose writeDataError() is being delivered: a
    // refusal carries its code, a write that went unanswered 0.
    int lastWriteExceptionCode() const { return writeException; }

    // One read from another server address, sent once and waited for
    // `waitMs` in all: a sweep of the line asks each address once and moves on.
    void readOnceFrom(const QModbusDataUnit &unit, int server, int waitMs);

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
    // Numbers each write, 1 and up; 0 when the port is closed and nothing is sent.
    int writeUnit(QModbusDataUnit unit);
    void readUnit(QModbusDataUnit unit);
    void writeRegister(int addr, ushort data, RegType reg = RegType::HoldingRegisters);
    void readRegister(int addr, RegType reg = RegType::HoldingRegisters);
    void writeDatas(int addr, QVector<quint16> array, RegType reg = RegType::HoldingRegisters);
    void readDatas(int addr, int len, RegType reg = RegType::HoldingRegisters);
    ushort getData(int addr, RegType reg = RegType::HoldingRegisters);
    QVector<quint16> getDatas(int addr, RegType reg = RegType::HoldingRegisters);
    void errorWR();
    void openPort(const zt::line::LineSettings &line);
    void closePort();
    void onReadDataEnd();
    void onWriteDataEnd();

private slots:
    void onDeviceError(QModbusDevice::Error error);
    void onStateChanged(QModbusDevice::State state);
    void onReplyFinished();
    void sendWhenLineFree();

private:
    struct Request
    {
        QModbusDataUnit unit;
        bool write = false;
        int attemptsLeft = 0;
        int number = 0;  // writes only
        int server = 0;  // 0: the provider's own
        int waitMs = 0;  // 0: sized to the request
    };

    void enqueue(const Request &request);
    void sendNext();
    void sendCurrent();
    bool lineFree();
    void finish(QModbusReply *reply);
    void finishRead(QModbusReply *reply);
    void finishWrite(QModbusReply *reply);
    void track(QModbusReply *reply);
    void release(QModbusReply *reply); // forgotten, deleted later
    void shutDownClient();
    void failLink(); // the client failed: closed, then reported

    int serverAddress;
    QString name;
    QModbusDataUnit lastUnit;
    QModbusClient *modbusDevice = nullptr; // the RTU or TCP client
    QMap<int, QMap<int, QModbusDataUnit>> cache;
    QSet<QModbusReply *> outstanding;
    QString lastOpenError;
    zt::line::LineSettings lineSettings;
    zt::line::TcpFailure tcpFailure = zt::line::TcpFailure::None;
    QString tcpFailureDetail;
    QTimer *connectTimer = nullptr; // a gateway gets the line's time-out to accept
    bool writeConfirmed = false;
    int finishedWrite = 0;
    int readException = 0;
    int writeException = 0;

    QQueue<Request> queue;
    Request current;
    bool busy = false; // `current` is on the line or waits for its retry
    QModbusReply *timedOutAttempt = nullptr; // kept until the retry goes out
    bool afterTimeout = false; // a late reply may still be on the line
    qint64 timedOutAtMs = 0;
    QTimer *retryTimer = nullptr;
    QElapsedTimer lineClock;
    qint64 lastByteAtMs = -1; // when the line last carried a byte to us
    int baudRate = 0;
    int characterBits = 0;
};
