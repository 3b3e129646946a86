#pragma once

#include <QtGlobal>

// What the window says about the CSV log of live values; the dialog's form
// holds its own labels. Translated in the context "CsvLogWindow".
namespace csvlogtext {

constexpr auto Context = "CsvLogWindow";

constexpr auto Action = QT_TRANSLATE_NOOP("CsvLogWindow", "&Запись в CSV…");
constexpr auto Title = QT_TRANSLATE_NOOP("CsvLogWindow", "Запись в CSV");
constexpr auto StartButton = QT_TRANSLATE_NOOP("CsvLogWindow", "Нач&ать");
constexpr auto FileCaption = QT_TRANSLATE_NOOP("CsvLogWindow", "Файл записи CSV");
constexpr auto FileFilter = QT_TRANSLATE_NOOP("CsvLogWindow", "CSV (*.csv)");

// The status bar. %1: the file's name, or why the log ended.
constexpr auto Running = QT_TRANSLATE_NOOP("CsvLogWindow", "Запись в CSV: %1");
constexpr auto Stopped = QT_TRANSLATE_NOOP("CsvLogWindow", "Запись в CSV остановлена");
constexpr auto StoppedBecause = QT_TRANSLATE_NOOP("CsvLogWindow", "Запись в CSV остановлена: %1");
constexpr auto NotStarted = QT_TRANSLATE_NOOP("CsvLogWindow", "Запись в CSV не начата: %1");

} // namespace csvlogtext
