#pragma once

#include <QString>
#include <QStringList>

// The serial ports the system lists. Tests subclass it to list a pty or to
// pretend that a port vanished or is busy.
class PortEnumerator
{
public:
    // How the system names its serial devices: files under /dev, or names
    // such as "COM3" that only the system's port list knows.
    enum class Naming { Posix, Windows };
    static Naming hostNaming();

    explicit PortEnumerator(Naming naming = hostNaming()) : naming(naming) {}
    virtual ~PortEnumerator() = default;

    // The device a port name stands for: a path as it is given; a bare name
    // under /dev on POSIX systems, as it is on Windows.
    QString devicePath(const QString &portName) const;

    virtual QStringList availablePorts() const;

    // The one port about to be opened. The system's answer looks only for
    // its device: listing every port asks udev about each (about 13 ms), and
    // a port another program holds is told apart when it refuses to open.
    enum class PortState { Present, Busy, Gone };
    virtual PortState state(const QString &portName) const;

    // Why a port refuses to open, found by opening it once more and asking
    // the serial port (and, for a permission error, the file system).
    struct OpenFailure {
        enum Kind { Busy, NoAccess, Gone, Other } kind;
        QString detail;  // the serial port's own words
    };
    virtual OpenFailure whyNotOpen(const QString &portName) const;

    static PortEnumerator *system();

private:
    Naming naming;
};
