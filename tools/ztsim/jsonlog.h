#pragma once

#include "request.h"

#include <cstdio>
#include <string>

// One JSON object per request and line, flushed at once so that a test can
// read what the module was asked while the simulator runs.
class JsonLog {
public:
    JsonLog() = default;
    JsonLog(const JsonLog &) = delete;
    JsonLog &operator=(const JsonLog &) = delete;
    ~JsonLog();

    // An empty path keeps logging off. The file is appended to, so a
    // restarted simulator continues the same log.
    bool open(const std::string &path, std::string &error);
    // A request to the module at server address `server`.
    void record(double time, int server, const Request &request, const std::string &outcome);
    // Something that happened on the line rather than a request.
    void event(double time, const std::string &name);

private:
    void write(const std::string &line);

    FILE *file_ = nullptr;
};
