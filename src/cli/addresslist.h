#pragma once

#include <QString>
#include <QVector>

namespace cli {

// "3,5,17-20": module addresses 1..247 and ranges from low to high, each
// address once, in the order given. False with `error` in words otherwise.
bool parseAddressList(const QString &text, QVector<int> *addresses, QString *error);

} // namespace cli
