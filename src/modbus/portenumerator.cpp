#include "portenumerator.h"

#include <QFile>
#include <QFileInfo>
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

PortEnumerator::Naming PortEnumerator::hostNaming()
{
#ifdef Q_OS_WIN
    return Naming::Windows;
#else
    return Naming::Posix;
#endif
}

QString PortEnumerator::devicePath(const QString &portName) const
{
    if (naming == Naming::Windows || portName.contains(QLatin1Char('/')))
        return portName;
    return QStringLiteral("/dev/") + portName;
}

// A Windows port is no file to look for: it is there when the system lists
// it ("COM3", also written "\\.\COM3").
PortEnumerator::PortState PortEnumerator::state(const QString &portName) const
{
    if (naming == Naming::Windows) {
        QString name = portName;
        if (name.startsWith(QLatin1String("\\\\.\\")))
            name.remove(0, 4);
        return availablePorts().contains(name, Qt::CaseInsensitive) ? PortState::Present : PortState::Gone;
    }
    return QFileInfo::exists(devicePath(portName)) ? PortState::Present : PortState::Gone;
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
        const QByteArray path = QFile::encodeName(devicePath(port.portName()));
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
