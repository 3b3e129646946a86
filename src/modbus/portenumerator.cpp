#include "portenumerator.h"

#include <QSerialPortInfo>

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

PortEnumerator *PortEnumerator::system()
{
    static PortEnumerator instance;
    return &instance;
}
