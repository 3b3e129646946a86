#pragma once

// Ctrl+C, SIGTERM and SIGHUP during a write: the program finishes the request
// in flight and says what was written instead of dying in the middle; a
// second one ends it at once. A reader of the output that went away
// (SIGPIPE) does not end it either.
namespace cli::interrupt {

void catchFromNowOn();
bool requested();

} // namespace cli::interrupt
