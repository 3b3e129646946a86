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
// under test opens the other. Every request ztsim sees is logged, and the
// module's configuration is kept in a state file, so that a restarted
// simulator comes back as it was.
class SimFixture {
public:
    SimFixture();
    ~SimFixture();  // always tears socat and ztsim down
    SimFixture(const SimFixture &) = delete;
    SimFixture &operator=(const SimFixture &) = delete;

    // Starts the line and a module of `type`; `simArgs` are further ztsim
    // options (faults, --firmware, --pace...). Returns once both pty ends
    // exist and ztsim is ready; false, with errorString(), otherwise.
    bool start(const QString &type, const QStringList &simArgs = {});
    void stop();
    QString errorString() const;

    QString programPort() const;    // the end the program under test opens
    QString simulatorPort() const;  // the end ztsim serves

    void stopSimulator();  // the line stays, the module falls silent
    bool restartSimulator(const QStringList &simArgs = {});  // same type and configuration
    void cutLine();        // ends socat: the line vanishes under both ends
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
    QString type_;
    QString error_;
};
