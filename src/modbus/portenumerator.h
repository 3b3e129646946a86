#pragma once

#include <QStringList>

// The serial ports the system lists. Tests subclass it to list a pty or to
// pretend that a port vanished or is busy.
class PortEnumerator
{
public:
    virtual ~PortEnumerator() = default;

    virtual QStringList availablePorts() const;
    virtual bool isBusy(const QString &portName) const;

    static PortEnumerator *system();
};
