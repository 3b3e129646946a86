#pragma once

#include "i18n/uitext.h"

// Texts of the update dialog besides those of its form.
namespace updmsg {

inline constexpr char Context[] = "updmsg";
using Text = zt::UiText<Context>;

constexpr Text WindowTitle{QT_TRANSLATE_NOOP("updmsg", "Программа установки")};
constexpr Text Offer{QT_TRANSLATE_NOOP("updmsg", "Доступна версия: %1 %2, обновить?")};
constexpr Text NoUpdates{QT_TRANSLATE_NOOP("updmsg", "Доступных обновлений нет!")};

// The warning box for an installer name the dialog will not store.
constexpr Text FileWarningTitle{QT_TRANSLATE_NOOP("updmsg", "Загрузка обновлений")};
constexpr Text FileError{QT_TRANSLATE_NOOP("updmsg", "Ошибка файла %1")};

// Shown in the dialog's label; the tool tip carries the technical reason.
constexpr Text DownloadFailed{QT_TRANSLATE_NOOP("updmsg", "Не удалось загрузить %1")};
constexpr Text BadManifest{QT_TRANSLATE_NOOP("updmsg", "Файл обновлений повреждён")};
constexpr Text SaveFailed{QT_TRANSLATE_NOOP("updmsg", "Не удалось сохранить файл %1")};
constexpr Text StartFailed{QT_TRANSLATE_NOOP("updmsg", "Не удалось запустить программу установки %1")};

} // namespace updmsg
