#pragma once

#include <QString>

class QCoreApplication;
class QMenu;
class QSettings;

// The language of the window's texts. Russian, the source of every text, is
// the default; English comes from the catalogue built into the program.
namespace language {

constexpr auto Russian = "ru";
constexpr auto English = "en";

// The language asked for on the command line (--lang), else the one stored
// in the settings, else Russian. An unknown name counts as Russian.
QString chosen(const QString &commandLine, const QSettings &settings);

// Installs the translators for the language; call before any window exists.
void install(QCoreApplication *app, const QString &language);

// "Язык" in the menu: the choice is stored and takes effect at the next start.
QMenu *addMenu(QMenu *menu, QSettings *settings);

} // namespace language
