#include "cli/invocation.h"

#include "cli/addresslist.h"
#include "cli/clitexts.h"
#include "line/linesettings.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace cli {

namespace {

struct CommandName {
    const char *name;
    Command command;
    bool takesFile;
};

constexpr CommandName commands[] = {
    {"identify", Command::Identify, false}, {"read", Command::Read, false},   {"save", Command::Save, true},
    {"write", Command::Write, true},        {"watch", Command::Watch, false}, {"report", Command::Report, true},
    {"scan", Command::Scan, false},
};

// Options that belong to some commands only.
struct OwnOption {
    const char *name;
    Command command;
};

constexpr OwnOption ownOptions[] = {
    {"json", Command::Read},     {"dry-run", Command::Write}, {"interval", Command::Watch},
    {"count", Command::Watch},   {"csv", Command::Watch},     {"dialect", Command::Watch},
    {"from", Command::Report},   {"from", Command::Scan},     {"to", Command::Scan},
    {"json", Command::Scan},     {"addresses", Command::Write}, {"report-dir", Command::Write},
};

bool ownedBy(const char *option, Command command)
{
    return std::any_of(std::begin(ownOptions), std::end(ownOptions),
                       [&](const OwnOption &o) { return qstrcmp(o.name, option) == 0 && o.command == command; });
}

QString utf8(const char *s) { return QString::fromUtf8(s); }

Parsed failure(const QString &error)
{
    Parsed p;
    p.error = error;
    return p;
}

bool parseNumber(const QString &text, int min, int max, int *value)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok || v < min || v > max)
        return false;
    *value = v;
    return true;
}

} // namespace

Parsed parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    const auto valued = [&parser](const char *name) {
        parser.addOption(QCommandLineOption(QLatin1String(name), QString(), QStringLiteral("value")));
    };
    for (const char *name : {"port", "tcp", "timeout", "baud", "format", "address", "interval", "count", "dialect", "from",
                             "to", "addresses", "report-dir"})
        valued(name);
    for (const char *name : {"json", "dry-run", "csv", "help", "version"})
        parser.addOption(QCommandLineOption(QLatin1String(name)));
    const auto value = [&parser](const char *name) { return parser.value(QLatin1String(name)); };
    const auto isSet = [&parser](const char *name) { return parser.isSet(QLatin1String(name)); };

    if (!parser.parse(arguments))
        return failure(parser.errorText());
    Parsed parsed;
    if (isSet("help") || isSet("version")) {
        parsed.what = isSet("help") ? Parsed::Help : Parsed::Version;
        return parsed;
    }

    QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return failure(utf8(text::NoCommand));
    const QString name = positional.takeFirst();
    const auto known = std::find_if(std::begin(commands), std::end(commands),
                                    [&name](const CommandName &c) { return name == QLatin1String(c.name); });
    if (known == std::end(commands))
        return failure(utf8(text::UnknownCommand).arg(name));
    Invocation &inv = parsed.invocation;
    inv.command = known->command;
    if (known->takesFile) {
        if (positional.isEmpty())
            return failure(utf8(text::NoFileArgument).arg(name));
        inv.file = positional.takeFirst();
    }
    if (!positional.isEmpty())
        return failure(utf8(text::ExtraArguments).arg(positional.join(QLatin1Char(' '))));
    for (const OwnOption &own : ownOptions) {
        if (isSet(own.name) && !ownedBy(own.name, inv.command))
            return failure(utf8(text::OptionNotForCommand).arg(QLatin1String(own.name), name));
    }

    if (isSet("tcp")) {
        if (isSet("port"))
            return failure(utf8(text::PortAndTcp));
        for (const char *serialOnly : {"baud", "format"})
            if (isSet(serialOnly))
                return failure(utf8(text::SerialOnly).arg(QLatin1String(serialOnly)));
        inv.line.link = zt::line::Link::Tcp;
        if (!zt::line::parseHostAndPort(value("tcp"), &inv.line.host, &inv.line.tcpPort))
            return failure(utf8(text::BadTcp).arg(value("tcp")));
        if (isSet("timeout")
            && !parseNumber(value("timeout"), zt::line::MinTimeoutMs, zt::line::MaxTimeoutMs, &inv.line.timeoutMs))
            return failure(utf8(text::BadTimeout).arg(value("timeout")));
    } else {
        if (isSet("timeout"))
            return failure(utf8(text::TimeoutNeedsTcp));
        inv.line.port = value("port");
        if (inv.line.port.isEmpty())
            return failure(utf8(text::NoPort));
    }
    // Only what a module can be set to.
    if (isSet("baud") && !(parseNumber(value("baud"), 1, 4000000, &inv.line.baudRate)
                           && zt::line::isValidSpeed(inv.line.baudRate))) {
        QStringList speeds;
        for (int speed : zt::line::speeds())
            speeds << QString::number(speed);
        return failure(utf8(text::BadBaud).arg(value("baud"), speeds.join(QStringLiteral(", "))));
    }
    if (isSet("format") && !(zt::line::parseFormat(value("format"), &inv.line.format)
                             && zt::line::isValidFormat(inv.line.format)))
        return failure(utf8(text::BadFormat).arg(value("format")));
    if (isSet("address")
        && !parseNumber(value("address"), zt::line::MinAddress, zt::line::MaxAddress, &inv.line.address))
        return failure(utf8(text::BadAddress).arg(value("address")));
    if (isSet("interval") && !parseNumber(value("interval"), 1, 86400000, &inv.intervalMs))
        return failure(utf8(text::BadNumber).arg(QStringLiteral("--interval"), value("interval")));
    if (isSet("count") && !parseNumber(value("count"), 1, std::numeric_limits<int>::max(), &inv.count))
        return failure(utf8(text::BadNumber).arg(QStringLiteral("--count"), value("count")));
    if (isSet("dialect") && !zt::livelog::dialectOfName(value("dialect"), &inv.dialect))
        return failure(QCoreApplication::translate("cli", text::BadDialect).arg(value("dialect")));
    if (inv.command == Command::Scan && isSet("address"))
        return failure(utf8(text::OptionNotForCommand).arg(QStringLiteral("address"), name));
    if (inv.command == Command::Scan) {
        const auto address = [&](const char *option, int *into) {
            return !isSet(option) || parseNumber(value(option), zt::line::MinAddress, zt::line::MaxAddress, into);
        };
        if (!address("from", &inv.firstAddress))
            return failure(utf8(text::BadAddress).arg(value("from")));
        if (!address("to", &inv.lastAddress))
            return failure(utf8(text::BadAddress).arg(value("to")));
        if (inv.firstAddress > inv.lastAddress)
            return failure(utf8(text::AddressesDown).arg(inv.firstAddress).arg(inv.lastAddress));
    } else {
        inv.fromFile = value("from");
    }
    if (isSet("addresses")) {
        QString error;
        if (isSet("address"))
            return failure(utf8(text::AddressAndAddresses));
        if (!parseAddressList(value("addresses"), &inv.addresses, &error))
            return failure(error);
    }
    if (isSet("report-dir") && !isSet("addresses"))
        return failure(utf8(text::ReportDirNeedsAddresses));
    inv.reportDir = value("report-dir");
    inv.json = isSet("json");
    inv.dryRun = isSet("dry-run");
    inv.csv = isSet("csv") || isSet("dialect");
    parsed.what = Parsed::Run;
    return parsed;
}

} // namespace cli
