#pragma once

// Words in which a module's configuration is described to people: names of
// the settings, labels, values and the headings of the module record.
namespace zt::commission::text {

// A setting of a settings file, as a difference names it; %1 is the channel.
constexpr auto SettingRange = "Канал %1: датчик";
constexpr auto SettingWiring = "Канал %1: схема подключения";
constexpr auto SettingLower = "Канал %1: нижняя граница";
constexpr auto SettingUpper = "Канал %1: верхняя граница";
constexpr auto SettingInversion = "Канал %1: инверсия выхода";
constexpr auto SettingFastConversion = "Канал %1: быстрое преобразование";
constexpr auto SettingColdJunction = "Компенсация холодного спая";

// Labels of a description.
constexpr auto Type = "Тип модуля";
constexpr auto Firmware = "Прошивка";
constexpr auto PlbAddress = "Адрес модуля";
constexpr auto PlbSpeed = "Скорость";
constexpr auto PlbFormat = "Формат кадра";
constexpr auto Channel = "Канал %1";
constexpr auto Sensor = "Датчик";
constexpr auto Wiring = "Схема подключения";
constexpr auto ColdJunction = "Компенсация холодного спая";
constexpr auto FastConversion = "Быстрое преобразование";
constexpr auto Lower = "Нижняя граница преобразования";
constexpr auto Upper = "Верхняя граница преобразования";
constexpr auto Inverted = "Инверсия выхода";
constexpr auto Input = "Входное значение";
constexpr auto Temperature = "Температура";
constexpr auto Output = "Расчетное выходное значение";
constexpr auto ColdJunctionTemperature = "Температура холодного спая";

// Values.
constexpr auto On = "вкл.";
constexpr auto Off = "выкл.";
constexpr auto Wires = "%1-проводная";
constexpr auto OutsideList = "вне списка (код %1)";
constexpr auto NotInList = "вне списка";
constexpr auto Degrees = "°С";  // the С is Cyrillic, as in the sensor lists
constexpr auto Ohm = "Ом";
constexpr auto MilliAmpere = "мА";

// The module record.
constexpr auto RecordTitle = "Запись о модуле %1";
constexpr auto RecordTime = "Дата и время";
constexpr auto RecordPort = "Порт";
constexpr auto RecordSettings = "Настройка каналов";
constexpr auto RecordLive = "Измеренные значения";
constexpr auto RecordFile = "Файл настроек";
constexpr auto RecordMatches = "Настройки модуля совпадают с файлом.";
constexpr auto RecordDiffers = "Настройки модуля отличаются от файла:";
constexpr auto RecordSetting = "Настройка";
constexpr auto RecordModule = "Модуль";
constexpr auto RecordFileValue = "Файл";
constexpr auto RecordProgram = "ZTConfig %1";

} // namespace zt::commission::text
