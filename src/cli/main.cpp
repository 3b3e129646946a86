// ztconfig-cli: lists, identifies, reads, saves, writes and records modules
// from a shell, without a window.

#include "cli/clitexts.h"
#include "cli/commands.h"
#include "cli/console.h"
#include "cli/exitcodes.h"
#include "cli/invocation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

int main(int argc, char **argv)
{
#ifdef Q_OS_WIN
    // Everything the program prints is UTF-8 (Russian); a Windows console
    // shows it as such only when told so.
    SetConsoleOutputCP(CP_UTF8);
#endif
    // The command decides the kind of application, so it is read before
    // there is one, and again from the application's own arguments.
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    const cli::Invocation early = cli::parse(raw).invocation;
    const bool report = early.command == cli::Command::Report || !early.reportDir.isEmpty();

    // The PDF's text layout needs a QGuiApplication (a QCoreApplication
    // crashes in the font code); it needs no screen.
    if (report && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(report ? new QGuiApplication(argc, argv) : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("ztconfig-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZT_VERSION));
    // The messages say what failed; the transport's own log only when asked
    // for (QT_LOGGING_RULES="ztconfig.*=true" wins over this).
    QLoggingCategory::setFilterRules(QStringLiteral("ztconfig.*=false"));

    const cli::Parsed parsed = cli::parse(QCoreApplication::arguments());
    switch (parsed.what) {
    case cli::Parsed::Help:
        std::fputs(cli::text::Help, stdout);
        return cli::Done;
    case cli::Parsed::Version:
        cli::print(QStringLiteral("ztconfig-cli %1").arg(QStringLiteral(ZT_VERSION)));
        return cli::Done;
    case cli::Parsed::Error:
        cli::say(parsed.error);
        cli::say(QString::fromUtf8(cli::text::SeeHelp));
        return cli::Usage;
    case cli::Parsed::Run:
        break;
    }
    return cli::run(parsed.invocation);
}
