#include "options.h"

#include "moduletypes.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <getopt.h>

namespace {

enum OptionId {
    OptType = 1000, OptDevice, OptFirmware, OptOutputMarker, OptState, OptLog, OptSilent, OptFailAfter,
    OptException, OptDelay, OptCorruptCrc, OptPace, OptHelp,
    OptDropWrites, OptRefuseWrites, OptLiveValues, OptUnansweredWrites,
    OptAddress, OptFormat, OptGarble, OptEcho, OptTcp, OptGatewaySilent, OptBus,
};

// Decimal, or hexadecimal with a 0x prefix.
bool parseInteger(const std::string &text, long min, long max, long &value)
{
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char *digits = text.c_str() + (hex ? 2 : 0);
    if (*digits == '\0')
        return false;
    char *end = nullptr;
    errno = 0;
    value = std::strtol(digits, &end, hex ? 16 : 10);
    return errno == 0 && *end == '\0' && value >= min && value <= max;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "dd.MM.yy", a real calendar date of 20yy.
bool validDate(const std::string &text)
{
    if (text.size() != 8 || text[2] != '.' || text[5] != '.')
        return false;
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!isDigit(text[i]))
            return false;
    const int day = std::stoi(text.substr(0, 2));
    const int month = std::stoi(text.substr(3, 2));
    const int year = 2000 + std::stoi(text.substr(6, 2));
    if (month < 1 || month > 12)
        return false;
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
    return day >= 1 && day <= days[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool parseException(const std::string &text, InjectedException &injected)
{
    const size_t colon = text.find(':');
    long address, code;
    if (colon == std::string::npos || !parseInteger(text.substr(0, colon), 0, 0xFFFF, address)
        || !parseInteger(text.substr(colon + 1), 1, 255, code))
        return false;
    injected = {uint16_t(address), uint8_t(code)};
    return true;
}

// Up to eight floats as strtof reads them ("nan", "-inf", "1e-45"), or "."
// for the measured value.
bool parseLiveValues(const std::string &text, std::vector<std::optional<float>> &values)
{
    values.clear();
    size_t begin = 0;
    while (values.size() < 8) {
        const size_t comma = text.find(',', begin);
        const std::string item = text.substr(begin, comma - begin);
        char *end = nullptr;
        const float value = std::strtof(item.c_str(), &end);
        if (item == ".")
            values.emplace_back();
        else if (!item.empty() && *end == '\0')
            values.emplace_back(value);
        else
            return false;
        if (comma == std::string::npos)
            return true;
        begin = comma + 1;
    }
    return false;
}

// "[HOST:]PORT", HOST a dotted IPv4 address (libmodbus listens on no other).
bool parseTcp(const std::string &text, std::string &host, long &port)
{
    const size_t colon = text.rfind(':');
    if (colon != std::string::npos)
        host = text.substr(0, colon);
    in_addr address;
    return inet_pton(AF_INET, host.c_str(), &address) == 1
           && parseInteger(text.substr(colon == std::string::npos ? 0 : colon + 1), 1, 65535, port);
}

bool fail(std::string &error, const std::string &message)
{
    error = message;
    return false;
}

// "3:PLB-2TI-4-20-M,17:PLB-2RTD-4-20-M": server addresses 1..247, each once.
bool parseBus(const std::string &text, std::vector<BusEntry> &bus, std::string &error)
{
    bus.clear();
    for (size_t begin = 0;;) {
        const size_t comma = text.find(',', begin);
        const std::string item = text.substr(begin, comma - begin);
        const size_t colon = item.find(':');
        long address;
        if (colon == std::string::npos || !parseInteger(item.substr(0, colon), 1, 247, address))
            return fail(error, "--bus needs ADDRESS:TYPE,... with addresses 1..247, not '" + item + "'");
        const std::string name = item.substr(colon + 1);
        const ModuleType *type = findModuleType(name);
        if (!type)
            return fail(error, "--bus: unknown module type '" + name + "' (--help lists them)");
        for (const BusEntry &entry : bus)
            if (entry.address == address)
                return fail(error, "--bus: address " + std::to_string(address) + " is given twice");
        bus.push_back({uint8_t(address), type});
        if (comma == std::string::npos)
            return true;
        begin = comma + 1;
    }
}

bool apply(int id, const std::string &arg, Options &o, std::string &error)
{
    switch (id) {
    case OptType:
        o.type = arg;
        return findModuleType(arg) || fail(error, "unknown module type '" + arg + "' (--help lists them)");
    case OptDevice:
        o.device = arg;
        return true;
    case OptTcp:
        return parseTcp(arg, o.tcpHost, o.tcpPort)
               || fail(error, "--tcp needs [HOST:]PORT, HOST an IPv4 address such as 127.0.0.1 or 0.0.0.0 "
                              "and PORT 1..65535, not '" + arg + "'");
    case OptFirmware:
        o.firmware = arg;
        return validDate(arg) || fail(error, "--firmware needs a date dd.MM.yy, not '" + arg + "'");
    case OptOutputMarker:
        return parseInteger(arg, 0, 0xFFFF, o.outputMarker)
               || fail(error, "--output-marker needs a register value 0..65535, not '" + arg + "'");
    case OptState:
        o.stateFile = arg;
        return true;
    case OptLog:
        o.logFile = arg;
        return true;
    case OptSilent:
        o.silent = true;
        return true;
    case OptFailAfter:
        return parseInteger(arg, 0, 1L << 30, o.failAfter)
               || fail(error, "--fail-after needs a number of requests, not '" + arg + "'");
    case OptException: {
        InjectedException injected;
        if (!parseException(arg, injected))
            return fail(error, "--exception needs ADDR:CODE (e.g. 0x2400:4), not '" + arg + "'");
        o.exceptions.push_back(injected);
        return true;
    }
    case OptDelay:
        return parseInteger(arg, 0, 60000, o.delayMs)
               || fail(error, "--delay needs milliseconds 0..60000, not '" + arg + "'");
    case OptCorruptCrc:
        return parseInteger(arg, 1, 1L << 30, o.corruptEvery)
               || fail(error, "--corrupt-crc needs a positive number, not '" + arg + "'");
    case OptPace:
        o.pace = true;
        return true;
    case OptDropWrites: {
        long address;
        if (!parseInteger(arg, 0, 0xFFFF, address))
            return fail(error, "--drop-writes needs a register address, not '" + arg + "'");
        o.droppedWrites.push_back(uint16_t(address));
        return true;
    }
    case OptRefuseWrites: {
        InjectedException injected;
        if (!parseException(arg, injected))
            return fail(error, "--refuse-writes needs ADDR:CODE (e.g. 0x2520:4), not '" + arg + "'");
        o.refusedWrites.push_back(injected);
        return true;
    }
    case OptAddress:
        return parseInteger(arg, 1, 247, o.address)
               || fail(error, "--address needs a server address 1..247, not '" + arg + "'");
    case OptFormat: {
        char parity;
        int stopBits;
        o.format = arg;
        return parseFormat(arg, parity, stopBits) || fail(error, "--format needs 8N1, 8N2, 8O1 or 8E1, not '" + arg + "'");
    }
    case OptGarble:
        o.garble = true;
        return true;
    case OptEcho:
        o.echo = true;
        return true;
    case OptGatewaySilent:
        o.gatewaySilent = true;
        return true;
    case OptBus:
        return parseBus(arg, o.bus, error);
    case OptUnansweredWrites: {
        long address;
        if (!parseInteger(arg, 0, 0xFFFF, address))
            return fail(error, "--unanswered-writes needs a register address, not '" + arg + "'");
        o.unansweredWrites.push_back(uint16_t(address));
        return true;
    }
    case OptLiveValues:
        return parseLiveValues(arg, o.liveValues)
               || fail(error, "--live-values needs up to 8 floats or '.', e.g. nan,inf,.,1e30; not '"
                                  + arg + "'");
    }
    return fail(error, "unknown option");
}

// What only a serial line has: its timing, its bytes, its CRC, its adapter.
std::string serialOnly(const Options &o)
{
    const std::pair<bool, const char *> options[] = {
        {o.pace, "--pace"}, {o.garble, "--garble"}, {o.corruptEvery > 0, "--corrupt-crc"}, {o.echo, "--echo"}};
    for (const auto &[given, name] : options)
        if (given)
            return std::string(name) + " concerns a serial line, not --tcp";
    return {};
}

}  // namespace

bool parseFormat(const std::string &format, char &parity, int &stopBits)
{
    if (format != "8N1" && format != "8N2" && format != "8O1" && format != "8E1")
        return false;
    parity = format[1];
    stopBits = format[2] - '0';
    return true;
}

ParseResult parseOptions(int argc, char **argv, Options &options, std::string &error)
{
    static const option longOptions[] = {
        {"type", required_argument, nullptr, OptType},
        {"device", required_argument, nullptr, OptDevice},
        {"firmware", required_argument, nullptr, OptFirmware},
        {"output-marker", required_argument, nullptr, OptOutputMarker},
        {"state", required_argument, nullptr, OptState},
        {"log", required_argument, nullptr, OptLog},
        {"silent", no_argument, nullptr, OptSilent},
        {"fail-after", required_argument, nullptr, OptFailAfter},
        {"exception", required_argument, nullptr, OptException},
        {"delay", required_argument, nullptr, OptDelay},
        {"corrupt-crc", required_argument, nullptr, OptCorruptCrc},
        {"pace", no_argument, nullptr, OptPace},
        {"help", no_argument, nullptr, OptHelp},
        {"drop-writes", required_argument, nullptr, OptDropWrites},
        {"refuse-writes", required_argument, nullptr, OptRefuseWrites},
        {"unanswered-writes", required_argument, nullptr, OptUnansweredWrites},
        {"live-values", required_argument, nullptr, OptLiveValues},
        {"address", required_argument, nullptr, OptAddress},
        {"format", required_argument, nullptr, OptFormat},
        {"garble", no_argument, nullptr, OptGarble},
        {"echo", no_argument, nullptr, OptEcho},
        {"tcp", required_argument, nullptr, OptTcp},
        {"gateway-silent", no_argument, nullptr, OptGatewaySilent},
        {"bus", required_argument, nullptr, OptBus},
        {nullptr, 0, nullptr, 0},
    };
    opterr = 0;
    optind = 1;
    int id;
    while ((id = getopt_long(argc, argv, "", longOptions, nullptr)) != -1) {
        if (id == OptHelp)
            return ParseResult::Help;
        if (id == '?') {
            error = std::string("unknown option or missing value: ") + argv[optind - 1];
            return ParseResult::Error;
        }
        if (!apply(id, optarg ? optarg : "", options, error))
            return ParseResult::Error;
    }
    if (optind < argc)
        error = std::string("unexpected argument: ") + argv[optind];
    else if (options.type.empty() == options.bus.empty())
        error = "either --type or --bus is required";
    else if (options.address && !options.bus.empty())
        error = "--bus gives each module its address: no --address with it";
    else if (options.device.empty() == !options.tcpPort)
        error = "either --device or --tcp is required";
    else if (options.tcpPort)
        error = serialOnly(options);
    return error.empty() ? ParseResult::Run : ParseResult::Error;
}

std::string helpText()
{
    std::string types;
    for (const ModuleType &type : moduleTypes())
        types += std::string("                         ") + type.name + "\n";

    return "Usage: ztsim (--type NAME | --bus LIST) (--device PATH | --tcp [HOST:]PORT)\n"
           "             [options]\n"
           "\n"
           "Serves one simulated ZT or PLB converter module as Modbus RTU server 1,\n"
           "9600 baud 8N1 (or --address, --format), on a serial device, or as unit 1\n"
           "behind a Modbus TCP gateway: identification, configuration, live values\n"
           "and commands, with faults to inject for tests.\n"
           "\n"
           "Module:\n"
           "  --type NAME            module type, one of:\n"
           + types +
           "  --bus A:NAME,...       several modules on the line instead, each at its\n"
           "                         own server address A (1..247) with its own\n"
           "                         registers, e.g. 3:PLB-2TI-4-20-M,17:ZT-1P-1AO; a\n"
           "                         request for any other address gets no reply\n"
           "  --device PATH          serial device to serve on (one end of a pty pair)\n"
           "  --tcp [HOST:]PORT      serve Modbus TCP on HOST (an IPv4 address, default\n"
           "                         127.0.0.1) and PORT instead, as a gateway with the\n"
           "                         module on its line: the server address is the unit\n"
           "                         identifier; requests for other units get no reply\n"
           "  --firmware DD.MM.YY    firmware date the module reports (default 12.05.23)\n"
           "  --output-marker N      the output marker register (0x2003) reports N: with a\n"
           "                         two-output type and N other than 0x0204, a type code\n"
           "                         no catalogue lists\n"
           "  --state FILE           load the configuration from FILE at start; save it\n"
           "                         there after every accepted write and at exit\n"
           "  --address N            answer as server N (1..247) instead of 1; a PLB type\n"
           "                         also reports N in its address register\n"
           "  --format F             character format 8N1, 8N2, 8O1 or 8E1: the device is\n"
           "                         opened with it and a PLB type reports it; a pty\n"
           "                         carries no parity, so use --garble for a mismatch\n"
           "\n"
           "Faults and observation (for each module of --bus alike):\n"
           "  --silent               never answer\n"
           "  --gateway-silent       answer every request with exception 0x0B, as a\n"
           "                         gateway whose module failed to respond\n"
           "  --fail-after N         answer the first N requests, then fall silent\n"
           "  --exception ADDR:CODE  answer every request whose registers include ADDR\n"
           "                         (0x2400 or 9216) with exception CODE; repeatable\n"
           "  --delay MS             wait MS milliseconds before each reply\n"
           "  --corrupt-crc N        send every Nth reply with a wrong CRC\n"
           "  --pace                 send replies at the pace of a 9600-baud line: 10 bits\n"
           "                         per byte after the request's own line time and 3.5\n"
           "                         characters of silence; a request that arrives while\n"
           "                         a reply goes out collides with it (log: collision)\n"
           "  --live-values LIST     force the live floats in register order (input 0,\n"
           "                         temperature 0, output 0, input 1, temperature 1,\n"
           "                         output 1, cold junction 0 and 1): up to 8 comma-\n"
           "                         separated numbers (nan, inf, -inf, 1e-45, 1e30...)\n"
           "                         or '.' for the measured value\n"
           "  --drop-writes ADDR     answer writes to ADDR as taken but keep the old value\n"
           "                         (a module that does not keep a setting); repeatable\n"
           "  --refuse-writes ADDR:CODE  answer writes that include ADDR with exception\n"
           "                         CODE, reads as usual; repeatable\n"
           "  --unanswered-writes ADDR  take writes that include ADDR but send no reply\n"
           "                         (the reply lost on the line); repeatable\n"
           "  --garble               send each reply as bytes that form no valid frame, as\n"
           "                         a master at another speed or format would read it\n"
           "  --echo                 send each request back before the reply, as an\n"
           "                         adapter that echoes what it transmits\n"
           "  --log FILE             append one JSON object per request to FILE: time (s\n"
           "                         since start), server (the module's address),\n"
           "                         function, address, count (reads and function 16),\n"
           "                         values (writes), outcome (ok, exception:N, silent\n"
           "                         or corrupt-crc)\n"
           "  --help                 show this help\n"
           "--pace, --garble, --corrupt-crc and --echo concern a serial line, not --tcp.\n"
           "\n"
           "Pointing ZTConfig at a simulated module (each command in its own terminal):\n"
           "  1. socat -d -d pty,raw,echo=0,link=/tmp/ttyZT pty,raw,echo=0,link=/tmp/ttySIM\n"
           "  2. ztsim --type ZT-2TI-2AO --device /tmp/ttySIM\n"
           "  3. ztconfig --port /tmp/ttyZT\n"
           "\n"
           "ztsim prints \"ztsim: ready\" once it listens. It exits on SIGTERM or Ctrl+C,\n"
           "or when the line goes away (socat ended).\n";
}
