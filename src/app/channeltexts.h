#pragma once

// What the channel tabs show about a typed conversion limit: the edit's frame
// and tooltip while typing, the message box when "Установить" refuses it.
namespace chtext {

constexpr auto RedFrame = "border-color: red; border-width: 3px; border-style: solid;border-radius: 5;";
constexpr auto GreenFrame = "border-color: green; border-width: 3px; border-style: solid; border-radius: 5;";

constexpr auto TipIncorrect = "Введено некорректное значение";
constexpr auto TipAboveMax = "Введено значение превышает максимально допустимое";
constexpr auto TipBelowMin = "Введено значение меньше минимально допустимое";
constexpr auto TipCorrect = "Введено корректное значение";

constexpr auto RefusedIncorrect = "Введено некорректное значение";
constexpr auto RefusedAboveMax = "Введено значение превышает максимально допустимого";
constexpr auto RefusedBelowMin = "Введено значение меньше минимально допустимого";

} // namespace chtext
