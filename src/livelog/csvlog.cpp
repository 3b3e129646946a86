#include "livelog/csvlog.h"

#include "livelog/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zt::livelog {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate(text::Context, text);
}

// Hours since the epoch on the local clock: a time zone whose offset is not
// whole hours still splits at its own hour, and the hour repeated when the
// clocks go back stays in one file.
qint64 localHour(const QDateTime &time)
{
    return (time.toSecsSinceEpoch() + time.offsetFromUtc()) / 3600;
}

} // namespace

CsvLog::CsvLog(const LogHeader &header, Dialect dialect)
    : header(header)
    , dialect(dialect)
{
}

bool CsvLog::startOn(QFileDevice *device, const QString &name)
{
    out = device;
    outName = name;
    return put(preamble(dialect) + headerText(header, dialect));
}

bool CsvLog::startFile(const QString &chosen, bool splitHourly, const QDateTime &now)
{
    path = chosen;
    hourly = splitHourly;
    return openFile(now);
}

bool CsvLog::append(const QDateTime &time, const LiveValues &values)
{
    if (hourly && localHour(time) != hour && !openFile(time))
        return false;
    if (!put(rowText(time, values, dialect)))
        return false;
    // A file deleted, or on a stick pulled out, takes writes on Linux without
    // complaint; they would go nowhere.
    if (out == &file && !file.exists()) {
        error = tr(text::FileGone).arg(file.fileName());
        return false;
    }
    return true;
}

QString CsvLog::fileName() const
{
    return out == &file ? file.fileName() : QString();
}

bool CsvLog::openFile(const QDateTime &start)
{
    file.close();
    file.setFileName(hourly ? hourlyFileName(path, start) : path);
    hour = localHour(start);
    out = &file;
    outName = file.fileName();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        error = tr(text::OpenFailed).arg(outName, file.errorString());
        return false;
    }
    return put((file.size() == 0 ? preamble(dialect) : QByteArray()) + headerText(header, dialect));
}

bool CsvLog::put(const QByteArray &bytes)
{
    if (out->write(bytes) == bytes.size() && out->flush())
        return true;
    error = tr(text::WriteFailed).arg(outName, out->errorString());
    return false;
}

QString hourlyFileName(const QString &path, const QDateTime &start)
{
    const QFileInfo chosen(path);
    const QString suffix = chosen.suffix().isEmpty() ? QString() : QLatin1Char('.') + chosen.suffix();
    const QString stamp = start.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    return chosen.dir().filePath(chosen.completeBaseName() + QLatin1Char('_') + stamp + suffix);
}

} // namespace zt::livelog
