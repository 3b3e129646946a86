#include "simfixture.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>

namespace {

constexpr int kStartTimeoutMs = 5000;
constexpr int kTerminateGraceMs = 2000;

// A child that is ended with the test: if the test process dies without
// its destructors (a crash, a CTest timeout), the kernel sends SIGTERM.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
class ChildProcess : public QProcess {
public:
    ChildProcess() { setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); }); }
};
#else
class ChildProcess : public QProcess {
protected:
    void setupChildProcess() override { prctl(PR_SET_PDEATHSIG, SIGTERM); }
};
#endif

void endProcess(std::unique_ptr<QProcess> &process)
{
    if (!process)
        return;
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(kTerminateGraceMs)) {
            process->kill();
            process->waitForFinished(kTerminateGraceMs);
        }
    }
    process.reset();
}

QString output(QProcess &process)
{
    return QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
}

// The modules ztsim serves, which a restart keeps: a module of `type`, or
// the --bus option among `simArgs`.
QStringList moduleArgs(const QString &type, const QStringList &simArgs)
{
    if (!type.isEmpty())
        return {QStringLiteral("--type"), type};
    const int bus = simArgs.indexOf(QStringLiteral("--bus"));
    return bus >= 0 ? simArgs.mid(bus, 2) : QStringList();
}

// A port of 127.0.0.1 that nothing listens on just now; 0 if none is found.
int freeLocalPort()
{
    QTcpServer server;
    return server.listen(QHostAddress::LocalHost, 0) ? server.serverPort() : 0;
}

}  // namespace

SimFixture::SimFixture() = default;

SimFixture::~SimFixture()
{
    stop();
}

bool SimFixture::start(const QString &type, const QStringList &simArgs)
{
    stop();
    error_.clear();
    modules_ = moduleArgs(type, simArgs);
    tcpPort_ = 0;
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid())
        return fail(QStringLiteral("cannot create a temporary directory: %1").arg(dir_->errorString()));
    if (startLine() && startSimulator(simArgs))
        return true;
    stop();
    return false;
}

bool SimFixture::startTcp(const QString &type, const QStringList &simArgs)
{
    stop();
    error_.clear();
    modules_ = moduleArgs(type, simArgs);
    dir_ = std::make_unique<QTemporaryDir>();
    if (!dir_->isValid())
        return fail(QStringLiteral("cannot create a temporary directory: %1").arg(dir_->errorString()));
    // Another process may take the free port before ztsim listens on it:
    // once more on another port then.
    for (int attempt = 0; attempt < 2; ++attempt) {
        error_.clear();
        tcpPort_ = freeLocalPort();
        if (!tcpPort_)
            return fail(QStringLiteral("no free TCP port on 127.0.0.1"));
        if (startSimulator(simArgs))
            return true;
        endProcess(sim_);
        if (!error_.contains(QLatin1String("cannot listen")))
            break;
    }
    stop();
    return false;
}

bool SimFixture::startLine()
{
    socat_ = std::make_unique<ChildProcess>();
    socat_->start(QStringLiteral("socat"),
                  {QStringLiteral("pty,raw,echo=0,link=%1").arg(programPort()),
                   QStringLiteral("pty,raw,echo=0,link=%1").arg(simulatorPort())});
    if (!socat_->waitForStarted(kStartTimeoutMs))
        return fail(QStringLiteral("cannot start socat: %1").arg(socat_->errorString()));

    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!QFileInfo::exists(programPort()) || !QFileInfo::exists(simulatorPort())) {
        if (socat_->state() == QProcess::NotRunning)
            return fail(QStringLiteral("socat ended: %1").arg(output(*socat_)));
        if (deadline.hasExpired())
            return fail(QStringLiteral("socat made no pty pair within %1 ms").arg(kStartTimeoutMs));
        QThread::msleep(10);
    }
    return true;
}

bool SimFixture::startSimulator(const QStringList &simArgs)
{
    sim_ = std::make_unique<ChildProcess>();
    QStringList args = modules_;
    args << QStringLiteral("--log") << path(QStringLiteral("ztsim.jsonl"))
         << QStringLiteral("--state") << path(QStringLiteral("ztsim.state"));
    if (tcpPort_)
        args << QStringLiteral("--tcp") << QStringLiteral("127.0.0.1:%1").arg(tcpPort_);
    else
        args << QStringLiteral("--device") << simulatorPort();
    sim_->start(QStringLiteral(ZTSIM_PATH), args + simArgs);
    if (!sim_->waitForStarted(kStartTimeoutMs))
        return fail(QStringLiteral("cannot start ztsim: %1").arg(sim_->errorString()));

    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!sim_->canReadLine()) {
        if (sim_->state() == QProcess::NotRunning || deadline.hasExpired()
            || !sim_->waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    const QByteArray line = sim_->readLine().trimmed();
    if (line != "ztsim: ready")
        return fail(QStringLiteral("ztsim did not get ready: %1").arg(output(*sim_)));
    return true;
}

void SimFixture::stop()
{
    endProcess(sim_);
    endProcess(socat_);
}

QString SimFixture::errorString() const
{
    return error_;
}

QString SimFixture::programPort() const
{
    return tcpPort_ ? QString() : path(QStringLiteral("ttyZT"));
}

QString SimFixture::simulatorPort() const
{
    return path(QStringLiteral("ttySIM"));
}

int SimFixture::tcpPort() const
{
    return tcpPort_;
}

void SimFixture::stopSimulator()
{
    endProcess(sim_);
}

bool SimFixture::restartSimulator(const QStringList &simArgs)
{
    endProcess(sim_);
    error_.clear();
    if (startSimulator(simArgs))
        return true;
    endProcess(sim_);
    return false;
}

void SimFixture::cutLine()
{
    endProcess(tcpPort_ ? sim_ : socat_);
}

bool SimFixture::restoreLine(const QStringList &simArgs)
{
    stop();
    error_.clear();
    if ((tcpPort_ || startLine()) && startSimulator(simArgs))
        return true;
    stop();
    return false;
}

QVector<QJsonObject> SimFixture::log() const
{
    QVector<QJsonObject> entries;
    QFile file(path(QStringLiteral("ztsim.jsonl")));
    if (!file.open(QIODevice::ReadOnly))
        return entries;
    while (!file.atEnd()) {
        const QJsonDocument entry = QJsonDocument::fromJson(file.readLine());
        if (entry.isObject())
            entries.append(entry.object());
    }
    return entries;
}

QVector<QJsonObject> SimFixture::acceptedWrites() const
{
    QVector<QJsonObject> writes;
    for (const QJsonObject &entry : log()) {
        const int function = entry.value(QStringLiteral("function")).toInt();
        if ((function == 6 || function == 16) && entry.value(QStringLiteral("outcome")).toString() == QLatin1String("ok"))
            writes.append(entry);
    }
    return writes;
}

bool SimFixture::fail(const QString &message)
{
    error_ = message;
    return false;
}

QString SimFixture::path(const QString &name) const
{
    return dir_ ? dir_->filePath(name) : QString();
}
