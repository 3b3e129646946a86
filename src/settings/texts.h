#pragma once

#include "i18n/uitext.h"

// Why a settings file did not load, for the window and ztconfig-cli alike.
namespace zt::settingsfile::text {

inline constexpr char Context[] = "zt::settingsfile";
using Text = UiText<Context>;

constexpr Text NotFound{QT_TRANSLATE_NOOP("zt::settingsfile", "Файл настроек %1 не найден")};
constexpr Text NoAccess{QT_TRANSLATE_NOOP("zt::settingsfile", "Нет доступа к файлу настроек %1")};
constexpr Text TooLarge{QT_TRANSLATE_NOOP("zt::settingsfile", "Файл %1 больше 64 КиБ: это не файл настроек")};
// %1 the file, %2 the line, %3 what is wrong with it.
constexpr Text NotSettings{QT_TRANSLATE_NOOP("zt::settingsfile", "Файл %1 не является файлом настроек: строка %2, %3")};
// %1 the file, %2 the section, %3 the key, %4 the value, %5 the line, %6 what the key takes.
constexpr Text BadValue{QT_TRANSLATE_NOOP("zt::settingsfile", "Файл настроек %1, раздел [%2], строка %5: недопустимое значение %3=%4; нужно %6")};

constexpr Text Binary{QT_TRANSLATE_NOOP("zt::settingsfile", "нулевой байт: это не текст")};
constexpr Text UnclosedSection{QT_TRANSLATE_NOOP("zt::settingsfile", "у имени раздела нет «]»")};
constexpr Text TextAfterSection{QT_TRANSLATE_NOOP("zt::settingsfile", "текст после имени раздела")};
constexpr Text NoEquals{QT_TRANSLATE_NOOP("zt::settingsfile", "нет «=» между ключом и значением")};
constexpr Text EmptyKey{QT_TRANSLATE_NOOP("zt::settingsfile", "нет имени ключа")};
// %1 the key, %2 the line where it first stands.
constexpr Text Repeated{QT_TRANSLATE_NOOP("zt::settingsfile", "ключ %1 уже задан в строке %2")};

// %1 and %2 the bounds.
constexpr Text WholeNumber{QT_TRANSLATE_NOOP("zt::settingsfile", "целое десятичное число от %1 до %2")};
constexpr Text Flag{QT_TRANSLATE_NOOP("zt::settingsfile", "true или false")};
constexpr Text TypeName{QT_TRANSLATE_NOOP("zt::settingsfile", "название типа модуля из списка или пустое значение")};

} // namespace zt::settingsfile::text
