#include "rtuprovider.h"

#include "line/linetiming.h"
#include "line/texts.h"
#include "logging.h"

#include <QCoreApplication>
#include <QModbusReply>
#include <QModbusTcpClient>
#include <QSerialPort>
#include <QTimer>
#include <QVariant>

// Qt 6 renamed the RTU master a client; nothing else of it changed here.
#if QT_VERSION >= QT_VERSION_CHECK(6, 2, 0)
#include <QModbusRtuSerialClient>
using RtuClient = QModbusRtuSerialClient;
#else
#include <QModbusRtuSerialMaster>
using RtuClient = QModbusRtuSerialMaster;
#endif

namespace {

constexpr int Attempts = zt::line::RequestAttempts;
// Beyond the frame gap before a retry: the event loop may deliver the last
// bytes of a late reply a little after they arrived.
constexpr int RetryMarginMs = 20;

QString hex4(int value)
{
    return QStringLiteral("%1").arg(value, 4, 16, QLatin1Char('0')).toUpper();
}

// Only for replies that ended in a protocol error, i.e. an exception
// response, whose data is the exception code. Read from the data: Qt's own
// isException() loads an out-of-range enum value (undefined behaviour).
int exceptionCodeOf(const QModbusReply *reply)
{
    const QByteArray data = reply->rawResult().data();
    return data.isEmpty() ? 0xff : quint8(data.at(0));
}

} // namespace

RtuProvider::RtuProvider(const QString &name, int serverAddress, QObject *parent)
    : QObject(parent)
    , serverAddress(serverAddress)
    , name(name)
    , connectTimer(new QTimer(this))
    , retryTimer(new QTimer(this))
{
    retryTimer->setSingleShot(true);
    connect(retryTimer, &QTimer::timeout, this, &RtuProvider::sendWhenLineFree);
    connectTimer->setSingleShot(true);
    connect(connectTimer, &QTimer::timeout, this, [this] {
        tcpFailure = zt::line::TcpFailure::NoRoute;
        failLink();
    });
}

QString RtuProvider::failureText() const
{
    return lineSettings.isTcp() ? zt::line::tcpFailureText(lineSettings, tcpFailure, tcpFailureDetail) : QString();
}

QString RtuProvider::readStatusText(int serverAddress, int address)
{
    return QStringLiteral("RQ ID:%1 Addr: 0x%2").arg(serverAddress).arg(hex4(address));
}

QString RtuProvider::writeStatusText(int serverAddress, int address, quint16 firstValue)
{
    return QStringLiteral("WQ ID:%1 Addr: 0x%2 Data:%3")
        .arg(serverAddress)
        .arg(hex4(address), hex4(firstValue));
}

void RtuProvider::openPort(const zt::line::LineSettings &line)
{
    if (modbusDevice && modbusDevice->state() == QModbusDevice::ConnectedState) {
        qCWarning(lcModbus) << "Соединение уже установленно!!!";
        return;
    }
    lineSettings = line;
    tcpFailure = zt::line::TcpFailure::None;
    qCDebug(lcModbus).noquote() << "Modbus device - " + zt::line::place(line);

    if (line.isTcp()) {
        modbusDevice = new QModbusTcpClient(this);
        modbusDevice->setConnectionParameter(QModbusDevice::NetworkAddressParameter, line.host);
        modbusDevice->setConnectionParameter(QModbusDevice::NetworkPortParameter, line.tcpPort);
    } else {
        modbusDevice = new RtuClient(this);
        modbusDevice->setConnectionParameter(QModbusDevice::SerialPortNameParameter, line.port);
        modbusDevice->setConnectionParameter(QModbusDevice::SerialParityParameter, line.format.parity);
        modbusDevice->setConnectionParameter(QModbusDevice::SerialDataBitsParameter, line.format.dataBits);
        modbusDevice->setConnectionParameter(QModbusDevice::SerialStopBitsParameter, line.format.stopBits);
        modbusDevice->setConnectionParameter(QModbusDevice::SerialBaudRateParameter, line.baudRate);
    }
    modbusDevice->setNumberOfRetries(0);
    baudRate = line.baudRate;
    characterBits = zt::line::characterBits(line.format);
    connect(modbusDevice, &QModbusDevice::stateChanged, this, &RtuProvider::onStateChanged);
    // The client's own serial port tells when bytes arrive; it reads them
    // first, this only notes the time. Without it every retry counts the
    // line as quiet.
    lineClock.start();
    if (auto *port = modbusDevice->findChild<QSerialPort *>())
        connect(port, &QSerialPort::readyRead, this, [this] { lastByteAtMs = lineClock.elapsed(); });

    if (!modbusDevice->connectDevice()) {
        // A port that did not open leaves no client behind: the provider
        // stays closed and the caller reads the reason from openError().
        lastOpenError = modbusDevice->errorString();
        tcpFailure = zt::line::TcpFailure::Other;
        tcpFailureDetail = lastOpenError;
        qCWarning(lcModbus).noquote() << "Open failed:" << lastOpenError;
        modbusDevice->disconnect(this);
        modbusDevice->deleteLater();
        modbusDevice = nullptr;
        return;
    }
    // Watched only once open: the failure of connectDevice() itself is
    // reported by its return value above.
    connect(modbusDevice, &QModbusDevice::errorOccurred, this, &RtuProvider::onDeviceError);

    // A TCP client is still connecting: requests wait in the queue until it
    // is connected, and a gateway that does not accept within the line's
    // time-out counts as unreachable.
    if (line.isTcp()) {
        connectTimer->start(line.timeoutMs);
        emit sendStatus(zt::line::text::TcpConnecting.arg(zt::line::place(line)));
    } else {
        emit sendStatus(QCoreApplication::translate("RtuProvider", "RTU порт %1 (%2) открыт: %3")
                            .arg(name, QString::number(line.baudRate), line.port));
    }
    emit openDevice();
    opened = true;
}

void RtuProvider::closePort()
{
    if (!modbusDevice)
        return;
    emit closeDevice();
    qCDebug(lcModbus) << "closePort";
    emit sendStatus(lineSettings.isTcp() ? zt::line::text::TcpDisconnected.arg(zt::line::place(lineSettings))
                                         : QCoreApplication::translate("RtuProvider", "RTU порт %1 закрыт").arg(name));
    shutDownClient();
}

// Requests still outstanding when the program closes the port end here
// without a report: the window knows it closed the line, and an aborted
// request is no failure of the module.
void RtuProvider::shutDownClient()
{
    opened = false;
    queue.clear();
    busy = false;
    retryTimer->stop();
    connectTimer->stop();
    afterTimeout = false;
    timedOutAttempt = nullptr; // among the outstanding replies
    for (QModbusReply *reply : qAsConst(outstanding)) {
        reply->disconnect(this);
        reply->deleteLater();
    }
    outstanding.clear();
    QModbusClient *client = modbusDevice;
    modbusDevice = nullptr;
    client->disconnect(this);
    client->disconnectDevice();
}

// Qt's TCP client reports every socket failure as a ConnectionError with
// the socket's text; the socket itself, a child of the client, still holds
// the error's kind.
void RtuProvider::onDeviceError(QModbusDevice::Error error)
{
    if (error == QModbusDevice::NoError || sender() != modbusDevice)
        return;
    qCWarning(lcModbus).noquote() << QStringLiteral("!!! Error: %1").arg(modbusDevice->errorString());
    if (lineSettings.isTcp()) {
        const auto *socket = modbusDevice->findChild<QAbstractSocket *>();
        tcpFailure = socket ? zt::line::tcpFailureOf(socket->error()) : zt::line::TcpFailure::Other;
        tcpFailureDetail = socket ? socket->errorString() : modbusDevice->errorString();
    }
    failLink();
}

void RtuProvider::failLink()
{
    // Close before telling anyone: Qt's RTU client keeps repeating the error
    // in a busy loop until it is disconnected, and a receiver may open a
    // modal box whose event loop would deliver every repetition.
    shutDownClient();
    emit closeDevice();
    emit sendStatus(lineSettings.isTcp() ? failureText()
                                         : QCoreApplication::translate("RtuProvider", "Ошибка порта %1").arg(name));
    emit writeDataError();
}

void RtuProvider::onStateChanged(QModbusDevice::State state)
{
    switch (state) {
    case QModbusDevice::UnconnectedState:
        qCDebug(lcModbus) << "RTU provider: Разъединение.";
        break;
    case QModbusDevice::ConnectingState:
        qCDebug(lcModbus) << "RTU provider: Запрос на соединение.";
        break;
    case QModbusDevice::ConnectedState:
        qCDebug(lcModbus) << "RTU provider: Соединение установленно.";
        if (lineSettings.isTcp()) {
            connectTimer->stop();
            emit sendStatus(zt::line::text::TcpConnected.arg(zt::line::place(lineSettings)));
            sendNext();
        }
        break;
    case QModbusDevice::ClosingState:
        qCDebug(lcModbus) << "RTU provider: Порт закрыт.";
        break;
    }
}

void RtuProvider::readUnit(QModbusDataUnit unit)
{
    if (!modbusDevice)
        return;
    emit sendStatus(readStatusText(serverAddress, unit.startAddress()));
    enqueue({unit, false, Attempts});
}

void RtuProvider::readOnceFrom(const QModbusDataUnit &unit, int server, int waitMs)
{
    if (!modbusDevice)
        return;
    emit sendStatus(readStatusText(server, unit.startAddress()));
    enqueue({unit, false, 1, 0, server, waitMs});
}

int RtuProvider::writeUnit(QModbusDataUnit unit)
{
    if (!modbusDevice)
        return 0;
    const QString status = writeStatusText(serverAddress, unit.startAddress(),
                                           unit.valueCount() ? unit.value(0) : 0);
    qCDebug(lcModbus).noquote() << status;
    emit sendStatus(status);
    // Numbered across providers: a number never names a write of an earlier
    // connection.
    static int writesNumbered = 0;
    const int number = ++writesNumbered;
    enqueue({unit, true, Attempts, number});
    return number;
}

void RtuProvider::enqueue(const Request &request)
{
    queue.enqueue(request);
    requestPending = true;
    sendNext();
}

void RtuProvider::sendNext()
{
    // A TCP client still connecting would refuse the request: it waits.
    if (!modbusDevice || modbusDevice->state() == QModbusDevice::ConnectingState || busy || queue.isEmpty()
        || !lineFree())
        return;
    current = queue.dequeue();
    busy = true;
    sendCurrent();
}

void RtuProvider::sendCurrent()
{
    using zt::line::Direction;
    const Direction direction = current.write ? Direction::Write : Direction::Read;
    // Over TCP the gateway gets the line's time-out, whatever the reply's length.
    const int timeoutMs = current.waitMs ? current.waitMs
                          : lineSettings.isTcp()
                              ? lineSettings.timeoutMs
                              : zt::line::responseTimeoutMs(current.unit, direction, baudRate, characterBits);
    modbusDevice->setTimeout(timeoutMs);
    --current.attemptsLeft;
    const int server = current.server ? current.server : serverAddress;
    QModbusReply *reply = current.write ? modbusDevice->sendWriteRequest(current.unit, server)
                                        : modbusDevice->sendReadRequest(current.unit, server);
    if (!reply || reply->isFinished()) {
        // A client that refuses the request has reported why through
        // errorOccurred already, and that closed the line: no client now.
        if (!reply)
            qCWarning(lcModbus).noquote() << (current.write ? "Write error: " : "Ошибка чтения: ")
                                                 + (modbusDevice ? modbusDevice->errorString() : QStringLiteral("port closed"));
        delete reply; // a broadcast is finished at once: nothing comes back
        busy = false;
        sendNext();
        return;
    }
    track(reply);
    connect(reply, &QModbusReply::finished, this, &RtuProvider::onReplyFinished);
}

void RtuProvider::onReplyFinished()
{
    auto *reply = qobject_cast<QModbusReply *>(sender());
    if (!reply)
        return;
    if (reply->error() == QModbusDevice::TimeoutError) {
        // Over TCP a late reply carries its own transaction number: nothing
        // collides with the retry.
        afterTimeout = !lineSettings.isTcp();
        timedOutAtMs = lineClock.elapsed();
        if (current.attemptsLeft > 0) {
            timedOutAttempt = reply;
            sendWhenLineFree();
            return;
        }
    }
    finish(reply);
}

// After a time-out the module's late reply may still be arriving: anything
// sent now would collide with it on a half-duplex line. So nothing goes out
// until the line has been quiet for a frame gap, or, on a line that never
// falls quiet, until another time-out has passed.
bool RtuProvider::lineFree()
{
    if (!afterTimeout)
        return true;
    const qint64 now = lineClock.elapsed();
    const qint64 quietMs = lastByteAtMs < 0 ? now : now - lastByteAtMs;
    const int neededMs = zt::line::frameGapMs(baudRate, characterBits) + RetryMarginMs;
    if (quietMs >= neededMs || now - timedOutAtMs >= modbusDevice->timeout()) {
        afterTimeout = false;
        return true;
    }
    retryTimer->start(int(neededMs - quietMs));
    return false;
}

void RtuProvider::sendWhenLineFree()
{
    if (!modbusDevice || !lineFree())
        return;
    if (!timedOutAttempt) {
        sendNext();
        return;
    }
    release(timedOutAttempt);
    timedOutAttempt = nullptr;
    qCDebug(lcModbus).noquote() << QStringLiteral("Retry, %1 attempt(s) left").arg(current.attemptsLeft);
    sendCurrent();
}

void RtuProvider::track(QModbusReply *reply)
{
    outstanding.insert(reply);
    connect(reply, &QObject::destroyed, this, [this, reply] { outstanding.remove(reply); });
}

void RtuProvider::release(QModbusReply *reply)
{
    outstanding.remove(reply);
    reply->disconnect(this);
    reply->deleteLater();
}

// The request is done: the line is free for the next one before anyone
// hears the outcome, since a receiver may send the next request at once.
void RtuProvider::finish(QModbusReply *reply)
{
    release(reply);
    busy = false;
    if (lineSettings.isTcp())
        tcpFailure = reply->error() == QModbusDevice::TimeoutError ? zt::line::TcpFailure::NoAnswer
                                                                    : zt::line::TcpFailure::None;
    if (current.write)
        finishWrite(reply);
    else
        finishRead(reply);
    sendNext();
}

void RtuProvider::finishRead(QModbusReply *reply)
{
    switch (reply->error()) {
    case QModbusDevice::NoError:
        lastUnit = reply->result();
        cache[lastUnit.registerType()][lastUnit.startAddress()] = lastUnit;
        requestPending = false;
        emit readDataEnd();
        emit readCurUnit(lastUnit);
        return;
    case QModbusDevice::ProtocolError:
        readException = exceptionCodeOf(reply);
        qCWarning(lcModbus).noquote() << QStringLiteral("Ошибка чтения: %1 (Mobus exception: 0x%2)")
                                              .arg(reply->errorString())
                                              .arg(exceptionCodeOf(reply), 0, 16);
        break;
    default:
        readException = 0;
        qCWarning(lcModbus).noquote()
            << QStringLiteral("Модуль ID: %3 не отвечает или отсутствует на линии: %1 (code: 0x%2) ")
                   .arg(reply->errorString())
                   .arg(int(reply->error()), 0, 16)
                   .arg(reply->serverAddress());
        break;
    }
    emit readDataError();
}

// writeDataEnd() comes for every finished write, before any error.
void RtuProvider::finishWrite(QModbusReply *reply)
{
    writeConfirmed = reply->error() == QModbusDevice::NoError;
    writeException = reply->error() == QModbusDevice::ProtocolError ? exceptionCodeOf(reply) : 0;
    finishedWrite = current.number;
    requestPending = false;
    emit writeDataEnd();
    switch (reply->error()) {
    case QModbusDevice::NoError:
        return;
    case QModbusDevice::ProtocolError:
        qCWarning(lcModbus).noquote() << QStringLiteral("Write protocol error: %1 (Mobus exception: 0x%2)")
                                              .arg(reply->errorString())
                                              .arg(exceptionCodeOf(reply), 0, 16);
        break;
    default:
        qCWarning(lcModbus).noquote() << QStringLiteral("Write response error: %1 (code: 0x%2)")
                                              .arg(reply->errorString())
                                              .arg(int(reply->error()), 0, 16);
        break;
    }
    emit writeDataError();
}

void RtuProvider::writeRegister(int addr, ushort data, RegType reg)
{
    writeUnit(QModbusDataUnit(toRegisterType(reg), addr, QVector<quint16>{data}));
    requestPending = true;
}

void RtuProvider::readRegister(int addr, RegType reg)
{
    readUnit(QModbusDataUnit(toRegisterType(reg), addr, 1));
    requestPending = true;
}

void RtuProvider::writeDatas(int addr, QVector<quint16> array, RegType reg)
{
    writeUnit(QModbusDataUnit(toRegisterType(reg), addr, array));
    requestPending = true;
}

void RtuProvider::readDatas(int addr, int len, RegType reg)
{
    readUnit(QModbusDataUnit(toRegisterType(reg), addr, quint16(len)));
    requestPending = true;
}

ushort RtuProvider::getData(int addr, RegType reg)
{
    const QVector<quint16> values = getDatas(addr, reg);
    return values.isEmpty() ? 0 : values.first();
}

QVector<quint16> RtuProvider::getDatas(int addr, RegType reg)
{
    const QModbusDataUnit unit = cache.value(int(reg)).value(addr);
    return unit.isValid() ? unit.values() : QVector<quint16>();
}

void RtuProvider::errorWR()
{
    emit writeDataError();
}

void RtuProvider::onReadDataEnd()
{
    requestPending = false;
    emit readDataEnd();
}

void RtuProvider::onWriteDataEnd()
{
    requestPending = false;
    emit writeDataEnd();
}
