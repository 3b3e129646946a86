#pragma once

#include <QtGlobal>

// Texts of the trend window, translated in the "TrendWindow" context.
namespace trendtext {

constexpr auto Context = "TrendWindow";

constexpr auto MenuAction = QT_TRANSLATE_NOOP("TrendWindow", "&График");
constexpr auto Title = QT_TRANSLATE_NOOP("TrendWindow", "График");
// %1: why the window's library did not load.
constexpr auto NotLoaded = QT_TRANSLATE_NOOP("TrendWindow", "Не удалось открыть окно графика: %1");
// The tip of the disabled menu entry in a build without Qwt.
constexpr auto NotBuilt = QT_TRANSLATE_NOOP("TrendWindow", "В этой сборке программы нет окна графика");

// The plots' axes and legends; %1 is the channel number or the input's unit.
constexpr auto Temperature = QT_TRANSLATE_NOOP("TrendWindow", "Температура, °C");
constexpr auto Input = QT_TRANSLATE_NOOP("TrendWindow", "Входное значение");
constexpr auto InputWithUnit = QT_TRANSLATE_NOOP("TrendWindow", "Входное значение, %1");
constexpr auto Output = QT_TRANSLATE_NOOP("TrendWindow", "Выходной ток, мА");
constexpr auto Channel = QT_TRANSLATE_NOOP("TrendWindow", "Канал %1");
constexpr auto Time = QT_TRANSLATE_NOOP("TrendWindow", "Время");
constexpr auto Usage = QT_TRANSLATE_NOOP("TrendWindow",
                                         "Левая кнопка: выделить область для увеличения; правая кнопка: назад; "
                                         "средняя кнопка: сдвиг по времени; колесо: масштаб времени. "
                                         "Щелчок по названию канала скрывает или показывает линию.");

// The tool bar.
constexpr auto Pause = QT_TRANSLATE_NOOP("TrendWindow", "Пауза");
constexpr auto PauseTip = QT_TRANSLATE_NOOP("TrendWindow", "Остановить прокрутку; значения продолжают записываться");
constexpr auto Show = QT_TRANSLATE_NOOP("TrendWindow", "Показать:");
constexpr auto Last10Min = QT_TRANSLATE_NOOP("TrendWindow", "последние 10 мин");
constexpr auto LastHour = QT_TRANSLATE_NOOP("TrendWindow", "1 ч");
constexpr auto All = QT_TRANSLATE_NOOP("TrendWindow", "всё");
constexpr auto SavePng = QT_TRANSLATE_NOOP("TrendWindow", "Сохранить PNG…");

// Saving the picture.
constexpr auto SaveCaption = QT_TRANSLATE_NOOP("TrendWindow", "Сохранить график");
constexpr auto PngFilter = QT_TRANSLATE_NOOP("TrendWindow", "Изображение PNG (*.png)");
constexpr auto SaveFailedTitle = QT_TRANSLATE_NOOP("TrendWindow", "Ошибка");
constexpr auto SaveFailed = QT_TRANSLATE_NOOP("TrendWindow", "Не удалось сохранить изображение %1");

} // namespace trendtext
