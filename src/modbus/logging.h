#pragma once

#include <QLoggingCategory>

// Debug output is off by default; switch it on with
// QT_LOGGING_RULES="ztconfig.*.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcModbus)
Q_DECLARE_LOGGING_CATEGORY(lcApp)
