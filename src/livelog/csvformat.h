#pragma once

#include "module/codec.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The text of a CSV log of live values: header lines saying what was logged
// and how, then one row per live block. Every line ends in CRLF, as RFC 4180
// asks and spreadsheets write themselves; a field holding the separator, a
// quote or a line break is quoted, its quotes doubled.
namespace zt::livelog {

enum class Dialect {
    // ";" between fields, "," before the decimals: what a spreadsheet in a
    // Russian locale opens by double-click. Starts with a UTF-8 byte order
    // mark, without which Excel reads the Cyrillic header as the ANSI code page.
    Spreadsheet,
    // "," and ".", no byte order mark: what scripts and CSV libraries expect.
    Rfc4180,
};

// The name a user gives a dialect (settings, the command line): "ru",
// "rfc4180". false for any other name.
QString dialectName(Dialect dialect);
bool dialectOfName(const QString &name, Dialect *dialect);

// What the log is of: shown in its header.
struct LogHeader {
    QString typeName;
    QString firmware;
    QString port;
    QString line;      // "9600 8N1, адрес 1"
    int position = 0;  // in the module catalogue: the input's unit
};

// The byte order mark, when the dialect has one; written once, at the start
// of a stream or an empty file.
QByteArray preamble(Dialect dialect);

// The type, firmware, port and line, one "label;value" line each, then the
// column names with their units.
QByteArray headerText(const LogHeader &header, Dialect dialect);

// The time in ISO 8601 with its offset from UTC, to the millisecond, then
// per channel the input, temperature, output and cold-junction temperature.
// A value that is no reading (NaN, infinity) is an empty field.
QByteArray rowText(const QDateTime &time, const LiveValues &values, Dialect dialect);

} // namespace zt::livelog
