#pragma once

#include "options.h"
#include "server.h"

// Serve the module until a stop is requested. Each returns the exit status:
// 0 after a stop, 1 when the device or port cannot be used or the serial
// line went away.

// On the serial device of --device, as Modbus RTU.
int serveSerial(const Options &options, Server &server);

// On the TCP port of --tcp, as Modbus TCP, one connection after another or
// several at once.
int serveTcp(const Options &options, Server &server);
