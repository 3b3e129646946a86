#include "mbpoll.h"

#include <QProcess>
#include <QRegularExpression>

MbpollResult mbpoll(const QString &port, const QString &table, int address, int count,
                    const QList<quint16> &writeValues, double timeoutSeconds, int server)
{
    const bool tcp = port.startsWith(QLatin1String("tcp:"));
    QStringList args = tcp ? QStringList{"-m", "tcp", "-p", port.mid(4)}
                           : QStringList{"-m", "rtu", "-b", "9600", "-P", "none"};
    args << "-a" << QString::number(server) << "-0" << "-1" << "-o" << QString::number(timeoutSeconds)
         << "-t" << table << "-r" << QString::number(address);
    if (writeValues.isEmpty())
        args << "-c" << QString::number(count);
    args << (tcp ? QStringLiteral("127.0.0.1") : port);
    for (quint16 value : writeValues)
        args << QString::number(value);

    QProcess process;
    process.start(QStringLiteral("mbpoll"), args);
    MbpollResult result;
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        result.error = QStringLiteral("mbpoll did not finish");
        return result;
    }
    result.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    result.error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    // Lines like "[9440]:  65486 (-50)": the first number is the register or
    // float.
    static const QRegularExpression line(QStringLiteral("^\\[\\d+\\]:\\s+(\\S+)"),
                                         QRegularExpression::MultilineOption);
    auto matches = line.globalMatch(QString::fromLocal8Bit(process.readAllStandardOutput()));
    while (matches.hasNext())
        result.values.append(matches.next().captured(1).toDouble());
    return result;
}

MbpollResult readHolding(const QString &port, int address, int count)
{
    return mbpoll(port, QStringLiteral("4"), address, count);
}

MbpollResult writeHolding(const QString &port, int address, quint16 value)
{
    return mbpoll(port, QStringLiteral("4"), address, 1, {value});
}

MbpollResult readLive(const QString &port)
{
    return mbpoll(port, QStringLiteral("3:float"), 0x0000, 8);
}
