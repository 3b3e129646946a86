#pragma once

#include <QCoreApplication>

// Texts of the view of the exchange with the module, translated in the
// context "TrafficView".
namespace traffictext {

constexpr auto Context = "TrafficView";

inline QString tr(const char *text)
{
    return QCoreApplication::translate(Context, text);
}

constexpr auto Title = QT_TRANSLATE_NOOP("TrafficView", "Обмен с модулем");

// Columns.
constexpr auto Time = QT_TRANSLATE_NOOP("TrafficView", "Время");
constexpr auto Direction = QT_TRANSLATE_NOOP("TrafficView", "Направление");
constexpr auto Function = QT_TRANSLATE_NOOP("TrafficView", "Функция");
constexpr auto Address = QT_TRANSLATE_NOOP("TrafficView", "Адрес");
constexpr auto CountOrValues = QT_TRANSLATE_NOOP("TrafficView", "Количество / значения");
constexpr auto Outcome = QT_TRANSLATE_NOOP("TrafficView", "Итог");
constexpr auto Bytes = QT_TRANSLATE_NOOP("TrafficView", "Байты");

constexpr auto Request = QT_TRANSLATE_NOOP("TrafficView", "запрос");
constexpr auto Reply = QT_TRANSLATE_NOOP("TrafficView", "ответ");

// Function names after the code, e.g. "03 чтение регистров хранения".
constexpr auto ReadHolding = QT_TRANSLATE_NOOP("TrafficView", "чтение регистров хранения");
constexpr auto ReadInput = QT_TRANSLATE_NOOP("TrafficView", "чтение входных регистров");
constexpr auto WriteRegister = QT_TRANSLATE_NOOP("TrafficView", "запись регистра");
constexpr auto WriteRegisters = QT_TRANSLATE_NOOP("TrafficView", "запись регистров");

// Outcomes; a request has none of its own.
constexpr auto Ok = QT_TRANSLATE_NOOP("TrafficView", "успешно");
constexpr auto Exception = QT_TRANSLATE_NOOP("TrafficView", "исключение %1");
constexpr auto BadCrc = QT_TRANSLATE_NOOP("TrafficView", "ошибка CRC");
constexpr auto Foreign = QT_TRANSLATE_NOOP("TrafficView", "чужой ответ");
constexpr auto Timeout = QT_TRANSLATE_NOOP("TrafficView", "тайм-аут");

// Commands.
constexpr auto Copy = QT_TRANSLATE_NOOP("TrafficView", "Копировать");
constexpr auto Save = QT_TRANSLATE_NOOP("TrafficView", "Сохранить…");
constexpr auto Clear = QT_TRANSLATE_NOOP("TrafficView", "Очистить");
constexpr auto SaveCaption = QT_TRANSLATE_NOOP("TrafficView", "Сохранить обмен с модулем");
constexpr auto SaveFilter = QT_TRANSLATE_NOOP("TrafficView", "Текст (*.txt)");
constexpr auto SaveFailed = QT_TRANSLATE_NOOP("TrafficView", "Не удалось сохранить %1: %2");

} // namespace traffictext
