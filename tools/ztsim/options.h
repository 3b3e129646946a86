#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct InjectedException {
    uint16_t address;
    uint8_t code;
};

struct Options {
    std::string type;
    std::string device;
    std::string firmware = "12.05.23";
    std::string stateFile;
    std::string logFile;
    bool silent = false;
    long failAfter = -1;  // requests answered before the module falls silent; -1: no limit
    std::vector<InjectedException> exceptions;
    long delayMs = 0;
    long corruptEvery = 0;  // 0: every reply is sound
    bool pace = false;
    // Writes to these registers are answered as taken but not kept.
    std::vector<uint16_t> droppedWrites;
    // Writes that touch these registers are answered with the exception; reads are not.
    std::vector<InjectedException> refusedWrites;
    std::vector<std::optional<float>> liveValues;  // forced live floats; empty: measured
};

enum class ParseResult { Run, Help, Error };

ParseResult parseOptions(int argc, char **argv, Options &options, std::string &error);
std::string helpText();
