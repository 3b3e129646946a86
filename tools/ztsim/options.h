#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ModuleType;

// A module of --bus: its server address and type.
struct BusEntry {
    uint8_t address;
    const ModuleType *type;
};

struct InjectedException {
    uint16_t address;
    uint8_t code;
};

struct Options {
    std::string type;
    std::vector<BusEntry> bus;  // several modules on the line, instead of --type
    std::string device;      // serial device, or empty with --tcp
    std::string tcpHost = "127.0.0.1";
    long tcpPort = 0;        // Modbus TCP port to listen on; 0: serial
    std::string firmware = "12.05.23";
    long outputMarker = -1; // the identification's output marker instead of the type's
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
    // Writes that touch these registers are taken, but their reply never leaves.
    std::vector<uint16_t> unansweredWrites;
    std::vector<std::optional<float>> liveValues;  // forced live floats; empty: measured
    long address = 0;        // server address; 0: 1, and a PLB module's address register as it is
    std::string format;      // 8N1, 8N2, 8O1 or 8E1; empty: 8N1, and a PLB module's format register as it is
    bool garble = false;     // replies go out as bytes that form no frame
    bool echo = false;       // each request comes back before the reply
    bool gatewaySilent = false;  // every request answered with exception 0x0B
};

// The server address the module answers as.
inline int serverAddress(const Options &options) { return options.address ? int(options.address) : 1; }

// Parity ('N', 'O', 'E') and stop bits of a format such as "8E1"; false for
// anything but 8N1, 8N2, 8O1 and 8E1.
bool parseFormat(const std::string &format, char &parity, int &stopBits);

enum class ParseResult { Run, Help, Error };

ParseResult parseOptions(int argc, char **argv, Options &options, std::string &error);
std::string helpText();
