#pragma once

#include "commission/comparison.h"
#include "commission/modulestate.h"

#include <QDateTime>
#include <QString>
#include <QVector>

// The module record: one page that says what a module held when it was read.
namespace zt::commission {

struct ReportInput {
    QDateTime time;        // when the module was read
    QString port;          // the device and its line settings
    ModuleState state;     // identification, configuration and live values
    QString settingsFile;  // the file the module was written from; empty: none
    QVector<Difference> differences;  // the module against that file
};

// Rich text for QTextDocument: title, time, port, type and firmware, each
// channel's configuration and live values in words, the settings file.
QString reportHtml(const ReportInput &input);

} // namespace zt::commission
