#pragma once

#include "livelog/csvformat.h"

#include <QFile>

// A CSV log being written: to a stream the caller keeps (stdout), or to a
// file, optionally a new one every hour. Each row is handed to the system
// before append() returns, so a crash of the program loses no row written;
// a failed write or a file that vanished is reported, and the log is over.
namespace zt::livelog {

class CsvLog
{
public:
    CsvLog(const LogHeader &header, Dialect dialect);

    // `device` is open for writing; `name` says it in errors ("stdout").
    bool startOn(QFileDevice *device, const QString &name);
    // Rows go after what the file already holds, under a header of their own,
    // so a log started again on a remembered name never replaces the last one.
    // Hourly: one file per hour of local time, named after `path` with the
    // time of its first row ("log.csv" -> "log_2026-12-07_17-23-45.csv").
    bool startFile(const QString &path, bool hourly, const QDateTime &now);
    // `time` is the row's own: a row in a new hour opens the next file.
    bool append(const QDateTime &time, const LiveValues &values);

    QString errorString() const { return error; }  // why start or append failed
    QString fileName() const;  // the file rows go to now; empty for a stream

private:
    bool openFile(const QDateTime &start);
    bool put(const QByteArray &bytes);

    const LogHeader header;
    const Dialect dialect;
    QString path;         // as chosen; hourly files are named after it
    bool hourly = false;
    qint64 hour = 0;      // of local time, of the file being written
    QFile file;
    QFileDevice *out = nullptr;
    QString outName;
    QString error;
};

// The file of an hourly log that starts at `start`.
QString hourlyFileName(const QString &path, const QDateTime &start);

} // namespace zt::livelog
