#pragma once

#include "commission/description.h"

#include <QDateTime>
#include <QString>

// The terminal: data on stdout, messages on stderr, both UTF-8, one line at
// a time and flushed, so that a pipe sees each line as it comes.
namespace cli {

void print(const QString &line);
void say(const QString &line);

// "Label: value in words", one line each.
void printFacts(const QVector<zt::commission::Fact> &facts, const QString &indent = QString());

// A module's exception code in words and digits: "недопустимое значение (03)".

// One line per channel: the live values in words.
void printLive(const zt::commission::Description &description, const QDateTime &time);

} // namespace cli
