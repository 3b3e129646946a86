#include "logging.h"

Q_LOGGING_CATEGORY(lcModbus, "ztconfig.modbus", QtInfoMsg)
Q_LOGGING_CATEGORY(lcApp, "ztconfig.app", QtInfoMsg)
