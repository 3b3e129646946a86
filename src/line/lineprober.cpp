#include "line/lineprober.h"

#include "line/linetiming.h"
#include "line/rtuframe.h"
#include "modbus/logging.h"

#include <QSerialPort>
#include <QTimer>

namespace zt::line {

LineProber::LineProber(QObject *parent)
    : QObject(parent)
    , port(new QSerialPort(this))
    , window(new QTimer(this))
{
    window->setSingleShot(true);
    window->setTimerType(Qt::PreciseTimer);
    connect(window, &QTimer::timeout, this, &LineProber::finish);
    connect(port, &QSerialPort::readyRead, this, &LineProber::onReadyRead);
    connect(port, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::ResourceError)
            return;
        close();
        emit lineLost();
    });
}

LineProber::~LineProber()
{
    close();
}

bool LineProber::open(const QString &portName)
{
    port->setPortName(portName);
    return port->open(QIODevice::ReadWrite);
}

QString LineProber::errorString() const
{
    return port->errorString();
}

void LineProber::close()
{
    window->stop();
    if (port->isOpen())
        port->close();
}

void LineProber::probe(const LineSettings &settings)
{
    asked = settings;
    port->setBaudRate(settings.baudRate);
    port->setDataBits(QSerialPort::DataBits(settings.format.dataBits));
    port->setParity(settings.format.parity);
    port->setStopBits(settings.format.stopBits);
    // Bytes from before this request belong to no answer of it.
    port->clear();
    port->readAll();
    received.clear();
    request = identificationRequest(settings.address);
    port->write(request);
    window->start(tryWaitMs(settings));
}

void LineProber::onReadyRead()
{
    received += port->readAll();
    if (window->isActive() && isComplete(classify(request, received)))
        finish();
}

void LineProber::finish()
{
    window->stop();
    const Answer answer = classify(request, received);
    qCDebug(lcModbus).noquote() << "Probe" << describe(asked) << "kind" << answer.kind << "bytes"
                                << received.toHex(' ');
    emit answered(answer, asked);
}

} // namespace zt::line
