#pragma once

#include "bus.h"

#include <string>

// The configuration of the modules kept in a text file between runs:
//   type ZT-2TI-2AO
//   0x2400 0x0001
// one "register value" pair (hexadecimal) per line; '#' starts a comment.
// For a line of several modules each one's lines follow "module ADDRESS".
class StateFile {
public:
    StateFile(std::string path, bool perModule) : path_(std::move(path)), perModule_(perModule) {}

    bool enabled() const { return !path_.empty(); }
    // A file that does not exist yet leaves the factory configuration, as
    // does a missing section for a module of the line.
    bool load(Bus &bus, std::string &error) const;
    bool save(const Bus &bus, std::string &error) const;

private:
    std::string path_;
    bool perModule_;  // sections "module ADDRESS"
};
