#pragma once

#include <QtGlobal>

// Words of a CSV log: the header lines, the column names and what went wrong
// with the file. Translated in the context "CsvLog".
namespace zt::livelog::text {

constexpr auto Context = "CsvLog";

constexpr auto Type = QT_TRANSLATE_NOOP("CsvLog", "Тип модуля");
constexpr auto Firmware = QT_TRANSLATE_NOOP("CsvLog", "Прошивка");
constexpr auto Port = QT_TRANSLATE_NOOP("CsvLog", "Порт");
constexpr auto Line = QT_TRANSLATE_NOOP("CsvLog", "Параметры связи");

constexpr auto Time = QT_TRANSLATE_NOOP("CsvLog", "Время");
// %1 is the channel, 0 or 1, as the window's tabs number them.
constexpr auto Input = QT_TRANSLATE_NOOP("CsvLog", "Канал %1: вход");
constexpr auto Temperature = QT_TRANSLATE_NOOP("CsvLog", "Канал %1: температура");
constexpr auto Output = QT_TRANSLATE_NOOP("CsvLog", "Канал %1: выход");
constexpr auto ColdJunction = QT_TRANSLATE_NOOP("CsvLog", "Канал %1: холодный спай");
constexpr auto WithUnit = QT_TRANSLATE_NOOP("CsvLog", "%1, %2");  // column name, unit

constexpr auto Degrees = QT_TRANSLATE_NOOP("CsvLog", "°C");
constexpr auto MilliAmpere = QT_TRANSLATE_NOOP("CsvLog", "мА");

constexpr auto OpenFailed = QT_TRANSLATE_NOOP("CsvLog", "не удалось открыть файл %1: %2");
constexpr auto WriteFailed = QT_TRANSLATE_NOOP("CsvLog", "не удалось записать в %1: %2");
constexpr auto FileGone = QT_TRANSLATE_NOOP("CsvLog", "файл %1 удалён или его папка недоступна");

} // namespace zt::livelog::text
