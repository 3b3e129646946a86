#pragma once

#include "i18n/uitext.h"

// What the channel tabs show about a typed conversion limit: the edit's frame
// and tooltip while typing, the message box when "Установить" refuses it.
namespace chtext {

inline constexpr char Context[] = "chtext";
using Text = zt::UiText<Context>;

constexpr auto RedFrame = "border-color: red; border-width: 3px; border-style: solid;border-radius: 5;";
constexpr auto GreenFrame = "border-color: green; border-width: 3px; border-style: solid; border-radius: 5;";

constexpr Text TipIncorrect{QT_TRANSLATE_NOOP("chtext", "Введено некорректное значение")};
constexpr Text TipAboveMax{QT_TRANSLATE_NOOP("chtext", "Введено значение превышает максимально допустимое")};
constexpr Text TipBelowMin{QT_TRANSLATE_NOOP("chtext", "Введено значение меньше минимально допустимое")};
constexpr Text TipCorrect{QT_TRANSLATE_NOOP("chtext", "Введено корректное значение")};

constexpr Text RefusedIncorrect{QT_TRANSLATE_NOOP("chtext", "Введено некорректное значение")};
constexpr Text RefusedAboveMax{QT_TRANSLATE_NOOP("chtext", "Введено значение превышает максимально допустимого")};
constexpr Text RefusedBelowMin{QT_TRANSLATE_NOOP("chtext", "Введено значение меньше минимально допустимого")};

} // namespace chtext
