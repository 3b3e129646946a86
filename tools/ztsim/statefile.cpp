#include "statefile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

bool StateFile::load(Bus &bus, std::string &error) const
{
    if (!enabled())
        return true;
    std::ifstream in(path_);
    if (!in)
        return true;

    const auto &persistent = Module::persistentRegisters();
    BusModule *node = perModule_ ? nullptr : &bus.front();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        line = line.substr(0, line.find('#'));
        std::istringstream fields(line);
        std::string first, second, rest;
        if (!(fields >> first))
            continue;
        fields >> second >> rest;
        const std::string where = path_ + ":" + std::to_string(number) + ": ";
        if (first == "module") {
            char *end = nullptr;
            const unsigned long address = std::strtoul(second.c_str(), &end, 10);
            node = perModule_ && !second.empty() && !*end && rest.empty() && address <= 247
                       ? findOnBus(bus, uint8_t(address))
                       : nullptr;
            if (!node) {
                error = where + (perModule_ ? "no module " + second + " on the line"
                                            : "state of a line of modules, not of one");
                return false;
            }
            continue;
        }
        if (!node) {
            error = where + "expected \"module ADDRESS\" first";
            return false;
        }
        const Module &module = node->module;
        if (first == "type") {
            if (second != module.type().name) {
                error = where + "state of a " + second + ", not of a " + module.type().name;
                return false;
            }
            continue;
        }
        char *end1 = nullptr, *end2 = nullptr;
        const unsigned long address = std::strtoul(first.c_str(), &end1, 16);
        const unsigned long value = std::strtoul(second.c_str(), &end2, 16);
        if (second.empty() || !rest.empty() || *end1 || *end2 || value > 0xFFFF
            || std::find(persistent.begin(), persistent.end(), address) == persistent.end()) {
            error = where + "expected a configuration register and its value";
            return false;
        }
        node->module.restore(uint16_t(address), uint16_t(value));
    }
    return true;
}

bool StateFile::save(const Bus &bus, std::string &error) const
{
    if (!enabled())
        return true;
    // Written aside and renamed, so that a kill never leaves half a file.
    const std::string temporary = path_ + ".tmp";
    FILE *out = std::fopen(temporary.c_str(), "w");
    if (!out) {
        error = "cannot write " + temporary + ": " + std::strerror(errno);
        return false;
    }
    std::fprintf(out, "# ztsim state: register value (hexadecimal)\n");
    for (const BusModule &node : bus) {
        if (perModule_)
            std::fprintf(out, "module %d\n", node.address);
        std::fprintf(out, "type %s\n", node.module.type().name);
        for (uint16_t address : Module::persistentRegisters())
            std::fprintf(out, "0x%04X 0x%04X\n", address, node.module.holding(address));
    }
    const bool written = std::fclose(out) == 0;
    if (!written || std::rename(temporary.c_str(), path_.c_str()) != 0) {
        error = "cannot save state to " + path_ + ": " + std::strerror(errno);
        return false;
    }
    return true;
}
