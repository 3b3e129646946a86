#pragma once

// Ctrl+C (and SIGTERM) during a write: the program finishes the request in
// flight and says what was written instead of dying in the middle.
namespace cli::interrupt {

void catchFromNowOn();
bool requested();

} // namespace cli::interrupt
