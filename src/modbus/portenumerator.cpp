#include "portenumerator.h"

#include <QFile>
#include <QSerialPort>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <unistd.h>
#endif

QStringList PortEnumerator::availablePorts() const
{
    QStringList names;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos)
        names << info.portName();
    return names;
}

bool PortEnumerator::isBusy(const QString &portName) const
{
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : infos) {
        if (info.portName() == portName)
            return info.isBusy();
    }
    return false;
}

PortEnumerator::OpenFailure PortEnumerator::whyNotOpen(const QString &portName) const
{
    QSerialPort port(portName);
    if (port.open(QIODevice::ReadWrite)) {
        port.close();
        return {OpenFailure::Other, QString()};
    }
    const QString detail = port.errorString();
    switch (port.error()) {
    case QSerialPort::DeviceNotFoundError:
        return {OpenFailure::Gone, detail};
    case QSerialPort::PermissionError: {
        // The serial port says "permission" both for a device another program
        // holds (lock file, EBUSY) and for one the user may not open.
        bool denied = false;
#ifdef Q_OS_UNIX
        const QString name = port.portName();
        const QByteArray path = QFile::encodeName(name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name);
        denied = ::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES;
#endif
        return {denied ? OpenFailure::NoAccess : OpenFailure::Busy, detail};
    }
    default:
        return {OpenFailure::Other, detail};
    }
}

PortEnumerator *PortEnumerator::system()
{
    static PortEnumerator instance;
    return &instance;
}
