#pragma once

// How ztconfig-cli ends; a shell loop on a production line stops on anything
// but Done. The help text and the README list the same codes.
namespace cli {

enum ExitCode {
    Done = 0,
    Usage = 2,        // a bad command line
    NoAnswer = 3,     // the port did not open, the module did not answer or was not recognised
    OtherType = 4,    // the settings file is for another module type
    BadFile = 5,      // a file that cannot be read or written, or holds a value the module's lists do not allow
    Refused = 6,      // the module refused a write
    NotKept = 7,      // read back, the module differs from the file
    Interrupted = 130,  // Ctrl+C while writing (128 + SIGINT)
};

} // namespace cli
