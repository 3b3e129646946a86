#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

class QProcess;
class QTemporaryDir;

// A simulated module on a private serial line for end-to-end tests: socat
// makes a pty pair in a temporary directory, ztsim serves one end, the code
// under test opens the other. Or the module behind a Modbus TCP gateway on a
// free port of 127.0.0.1. Every request ztsim sees is logged, and the
// module's configuration is kept in a state file, so that a restarted
// simulator comes back as it was.
class SimFixture {
public:
    SimFixture();
    ~SimFixture();  // always tears socat and ztsim down
    SimFixture(const SimFixture &) = delete;
    SimFixture &operator=(const SimFixture &) = delete;

    // Starts the line and a module of `type`; `simArgs` are further ztsim
    // options (faults, --firmware, --pace...). An empty type leaves the
    // modules to a --bus option in `simArgs`. Returns once both pty ends
    // exist and ztsim is ready; false, with errorString(), otherwise.
    bool start(const QString &type, const QStringList &simArgs = {});
    // The same behind a Modbus TCP gateway on 127.0.0.1:tcpPort(), a port
    // that was free; the module's address is the unit identifier.
    bool startTcp(const QString &type, const QStringList &simArgs = {});
    void stop();
    QString errorString() const;

    QString programPort() const;    // the end the program under test opens; empty over TCP
    QString simulatorPort() const;  // the end ztsim serves
    int tcpPort() const;            // the port the program connects to; 0 on a serial line

    void stopSimulator();  // the line stays, the module falls silent (over TCP: the port closes)
    bool restartSimulator(const QStringList &simArgs = {});  // same modules, configuration and port
    void cutLine();        // ends socat: the line vanishes under both ends (over TCP: ends ztsim)
    bool restoreLine(const QStringList &simArgs = {});  // a new line at the same ports, the module on it

    QVector<QJsonObject> log() const;             // every request logged so far
    QVector<QJsonObject> acceptedWrites() const;  // writes answered "ok", in order

private:
    bool startLine();
    bool startSimulator(const QStringList &simArgs);
    bool fail(const QString &message);
    QString path(const QString &name) const;

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QProcess> socat_;
    std::unique_ptr<QProcess> sim_;
    QStringList modules_;  // --type TYPE or --bus LIST
    int tcpPort_ = 0;
    QString error_;
};
