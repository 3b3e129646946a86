#pragma once

#include <string>

// The simulator process: its stop on SIGTERM or SIGINT and what it tells
// whoever started it.

void installStopHandlers();
bool stopRequested();

// "ztsim: ready" on stdout, once the module can be reached.
void announceReady();

// Prints "ztsim: MESSAGE" on stderr; returns the exit status 1.
int failWith(const std::string &message);
