#pragma once

#include "line/linesettings.h"
#include "livelog/csvformat.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The command line of ztconfig-cli: one command, the line and the command's
// own options.
namespace cli {

enum class Command { Identify, Read, Save, Write, Watch, Report, Scan };

struct Invocation {
    Command command = Command::Identify;
    zt::line::LineSettings line;
    QString file;       // save, write, report
    QString fromFile;   // report --from
    bool json = false;  // read, scan
    bool dryRun = false;  // write
    bool csv = false;   // watch
    zt::livelog::Dialect dialect = zt::livelog::Dialect::Rfc4180;  // watch --csv
    int intervalMs = 700;  // watch
    int count = 0;         // watch; 0: until stopped
    int firstAddress = zt::line::MinAddress, lastAddress = zt::line::MaxAddress;  // scan --from, --to
    QVector<int> addresses;  // write --addresses; empty: the line's one address
    QString reportDir;       // write --addresses --report-dir
};

struct Parsed {
    enum What { Run, Help, Version, Error } what = Error;
    Invocation invocation;
    QString error;  // Error: what is wrong, in words
};

// `arguments` includes the program name, as QCoreApplication::arguments().
Parsed parse(const QStringList &arguments);

} // namespace cli
