#pragma once

#include "i18n/uitext.h"

// Words in which a module's configuration is described to people: names of
// the settings, labels, values and the headings of the module record.
namespace zt::commission::text {

inline constexpr char Context[] = "zt::commission::text";
using Text = zt::UiText<Context>;

// A setting of a settings file, as a difference names it; %1 is the channel.
constexpr Text SettingRange{QT_TRANSLATE_NOOP("zt::commission::text", "Канал %1: датчик")};
constexpr Text SettingWiring{QT_TRANSLATE_NOOP("zt::commission::text", "Канал %1: схема подключения")};
constexpr Text SettingLower{QT_TRANSLATE_NOOP("zt::commission::text", "Канал %1: нижняя граница")};
constexpr Text SettingUpper{QT_TRANSLATE_NOOP("zt::commission::text", "Канал %1: верхняя граница")};
constexpr Text SettingInversion{QT_TRANSLATE_NOOP("zt::commission::text", "Канал %1: инверсия выхода")};
constexpr Text SettingFastConversion{QT_TRANSLATE_NOOP("zt::commission::text", "Канал %1: быстрое преобразование")};
constexpr Text SettingColdJunction{QT_TRANSLATE_NOOP("zt::commission::text", "Компенсация холодного спая")};

// Labels of a description.
constexpr Text Type{QT_TRANSLATE_NOOP("zt::commission::text", "Тип модуля")};
// A type code of the family that the catalogue does not list; %1 in hex.
constexpr Text UnknownType{QT_TRANSLATE_NOOP("zt::commission::text", "не из каталога, код 0x%1")};
constexpr Text Firmware{QT_TRANSLATE_NOOP("zt::commission::text", "Прошивка")};
constexpr Text PlbAddress{QT_TRANSLATE_NOOP("zt::commission::text", "Адрес модуля")};
constexpr Text PlbSpeed{QT_TRANSLATE_NOOP("zt::commission::text", "Скорость")};
constexpr Text PlbFormat{QT_TRANSLATE_NOOP("zt::commission::text", "Формат кадра")};
constexpr Text Channel{QT_TRANSLATE_NOOP("zt::commission::text", "Канал %1")};
constexpr Text Sensor{QT_TRANSLATE_NOOP("zt::commission::text", "Датчик")};
constexpr Text Wiring{QT_TRANSLATE_NOOP("zt::commission::text", "Схема подключения")};
constexpr Text ColdJunction{QT_TRANSLATE_NOOP("zt::commission::text", "Компенсация холодного спая")};
constexpr Text FastConversion{QT_TRANSLATE_NOOP("zt::commission::text", "Быстрое преобразование")};
constexpr Text Lower{QT_TRANSLATE_NOOP("zt::commission::text", "Нижняя граница преобразования")};
constexpr Text Upper{QT_TRANSLATE_NOOP("zt::commission::text", "Верхняя граница преобразования")};
constexpr Text Inverted{QT_TRANSLATE_NOOP("zt::commission::text", "Инверсия выхода")};
constexpr Text Input{QT_TRANSLATE_NOOP("zt::commission::text", "Входное значение")};
constexpr Text Temperature{QT_TRANSLATE_NOOP("zt::commission::text", "Температура")};
constexpr Text Output{QT_TRANSLATE_NOOP("zt::commission::text", "Расчетное выходное значение")};
constexpr Text ColdJunctionTemperature{QT_TRANSLATE_NOOP("zt::commission::text", "Температура холодного спая")};

// Values.
constexpr Text On{QT_TRANSLATE_NOOP("zt::commission::text", "вкл.")};
constexpr Text Off{QT_TRANSLATE_NOOP("zt::commission::text", "выкл.")};
constexpr Text Wires{QT_TRANSLATE_NOOP("zt::commission::text", "%1-проводная")};
constexpr Text OutsideList{QT_TRANSLATE_NOOP("zt::commission::text", "вне списка (код %1)")};
constexpr Text NotInList{QT_TRANSLATE_NOOP("zt::commission::text", "вне списка")};
constexpr Text Degrees{QT_TRANSLATE_NOOP("zt::commission::text", "°С")};  // the С is Cyrillic, as in the sensor lists
constexpr Text Ohm{QT_TRANSLATE_NOOP("zt::commission::text", "Ом")};
constexpr Text MilliAmpere{QT_TRANSLATE_NOOP("zt::commission::text", "мА")};

// The module record.
constexpr Text RecordTitle{QT_TRANSLATE_NOOP("zt::commission::text", "Запись о модуле %1")};
constexpr Text RecordTime{QT_TRANSLATE_NOOP("zt::commission::text", "Дата и время")};
constexpr Text RecordPort{QT_TRANSLATE_NOOP("zt::commission::text", "Порт")};
constexpr Text RecordSettings{QT_TRANSLATE_NOOP("zt::commission::text", "Настройка каналов")};
constexpr Text RecordLive{QT_TRANSLATE_NOOP("zt::commission::text", "Измеренные значения")};
constexpr Text RecordFile{QT_TRANSLATE_NOOP("zt::commission::text", "Файл настроек")};
constexpr Text RecordMatches{QT_TRANSLATE_NOOP("zt::commission::text", "Настройки модуля совпадают с файлом.")};
constexpr Text RecordDiffers{QT_TRANSLATE_NOOP("zt::commission::text", "Настройки модуля отличаются от файла:")};
constexpr Text RecordSetting{QT_TRANSLATE_NOOP("zt::commission::text", "Настройка")};
constexpr Text RecordModule{QT_TRANSLATE_NOOP("zt::commission::text", "Модуль")};
constexpr Text RecordFileValue{QT_TRANSLATE_NOOP("zt::commission::text", "Файл")};
constexpr auto RecordProgram = "ZTConfig %1";

} // namespace zt::commission::text
