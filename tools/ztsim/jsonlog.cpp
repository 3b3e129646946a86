#include "jsonlog.h"

#include <cerrno>
#include <cstring>

JsonLog::~JsonLog()
{
    if (file_)
        std::fclose(file_);
}

bool JsonLog::open(const std::string &path, std::string &error)
{
    if (path.empty())
        return true;
    file_ = std::fopen(path.c_str(), "a");
    if (!file_)
        error = "cannot open log " + path + ": " + std::strerror(errno);
    return file_ != nullptr;
}

void JsonLog::record(double time, int server, const Request &request, const std::string &outcome)
{
    if (!file_)
        return;
    std::string line = "{\"time\":" + std::to_string(time) + ",\"server\":" + std::to_string(server)
                       + ",\"function\":" + std::to_string(request.function);
    if (request.hasAddress)
        line += ",\"address\":" + std::to_string(request.address);
    if (request.hasCount)
        line += ",\"count\":" + std::to_string(request.count);
    if (request.isWrite && !request.values.empty()) {
        line += ",\"values\":[";
        for (size_t i = 0; i < request.values.size(); ++i)
            line += (i ? "," : "") + std::to_string(request.values[i]);
        line += "]";
    }
    line += ",\"outcome\":\"" + outcome + "\"}\n";
    write(line);
}

void JsonLog::event(double time, const std::string &name)
{
    if (file_)
        write("{\"time\":" + std::to_string(time) + ",\"event\":\"" + name + "\"}\n");
}

void JsonLog::write(const std::string &line)
{
    std::fputs(line.c_str(), file_);
    std::fflush(file_);
}
