#pragma once

#include "module.h"

#include <string>

// The module's configuration kept in a text file between runs:
//   type ZT-2TI-2AO
//   0x2400 0x0001
// one "register value" pair (hexadecimal) per line; '#' starts a comment.
class StateFile {
public:
    explicit StateFile(std::string path) : path_(std::move(path)) {}

    bool enabled() const { return !path_.empty(); }
    // A file that does not exist yet leaves the factory configuration.
    bool load(Module &module, std::string &error) const;
    bool save(const Module &module, std::string &error) const;

private:
    std::string path_;
};
