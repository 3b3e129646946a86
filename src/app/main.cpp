#include "language.h"
#include "mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <cstdio>

namespace {

void describeApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("ZTConfig"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZT_VERSION));
}

// Handles --help and --version itself (they exit); returns the options and
// the language asked for (empty: none). An unknown option or a surplus
// argument is reported and the program starts.
MainWindowOptions parseCommandLine(const QCoreApplication &app, QString *language)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Конфигуратор модулей серии ZT"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Serial device to offer in the port list even when the system "
                                                 "does not list it (a link in /dev/serial/by-id/, a pty)."),
                                  QStringLiteral("device"));
    parser.addOption(port);
    const QCommandLineOption lang(QStringLiteral("lang"),
                                  QStringLiteral("Language of the window: ru (the default) or en; "
                                                 "overrides the one chosen in the menu."),
                                  QStringLiteral("language"));
    parser.addOption(lang);
    parser.addPositionalArgument(QStringLiteral("settings-file"),
                                 QStringLiteral("A .ztset file to show in offline mode."),
                                 QStringLiteral("[settings-file]"));
    if (!parser.parse(app.arguments()))
        std::fprintf(stderr, "ztconfig: %s\n", qPrintable(parser.errorText()));
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp();
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    if (parser.positionalArguments().size() > 1)
        std::fprintf(stderr, "ztconfig: ignored: %s\n",
                     qPrintable(parser.positionalArguments().mid(1).join(QLatin1Char(' '))));

    *language = parser.value(lang);
    if (!language->isEmpty() && *language != QLatin1String(language::Russian)
        && *language != QLatin1String(language::English))
        std::fprintf(stderr, "ztconfig: unknown language %s, Russian is used\n", qPrintable(*language));

    MainWindowOptions options;
    options.settingsFile = parser.positionalArguments().value(0);
    options.namedPorts = parser.values(port);
    return options;
}

bool hasDisplay()
{
#ifdef Q_OS_LINUX
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char **argv)
{
    if (!hasDisplay()) {
        QCoreApplication app(argc, argv);
        describeApplication();
        QString language;
        parseCommandLine(app, &language);
        std::fputs("ztconfig: no display to show the window on (DISPLAY is not set).\n"
                   "Start it from a desktop session, or without a screen with\n"
                   "  xvfb-run -a ztconfig   or   QT_QPA_PLATFORM=offscreen ztconfig\n",
                   stderr);
        return 2;
    }
    // Sharp on high-density screens: Qt 5 scales only when asked to, Qt 6
    // always does.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    describeApplication();
    QApplication::setDesktopFileName(QStringLiteral("ru.morvane.ztconfig"));
    QString asked;
    const MainWindowOptions options = parseCommandLine(app, &asked);
    language::install(&app, language::chosen(asked, QSettings(QStringLiteral("Morvane"), QStringLiteral("ZTConfig"))));
    MainWindow window(options);
    window.show();
    return app.exec();
}
