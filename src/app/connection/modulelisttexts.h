#pragma once

#include "i18n/uitext.h"

// What the list of the modules on a line says while it is filled; the
// dialog's form holds its own labels.
namespace modulelisttext {

inline constexpr char Context[] = "ModuleList";
using Text = zt::UiText<Context>;

constexpr Text Asking{QT_TRANSLATE_NOOP("ModuleList", "Опрашивается адрес %1 из %2")};
constexpr Text Found{QT_TRANSLATE_NOOP("ModuleList", "Ответили модулей: %1")};
constexpr Text Stopped{QT_TRANSLATE_NOOP("ModuleList", "Опрос остановлен на адресе %1. Ответили модулей: %2")};
constexpr Text NoneFound{QT_TRANSLATE_NOOP("ModuleList", "Ни один модуль не ответил. Проверьте питание модулей, подключение линий A и B "
                                                         "и скорость и формат (Режимы работы → Параметры связи…).")};
constexpr Text Unrecognised{QT_TRANSLATE_NOOP("ModuleList", "устройство не опознано")};
constexpr Text Close{QT_TRANSLATE_NOOP("ModuleList", "Закрыть")};

} // namespace modulelisttext
