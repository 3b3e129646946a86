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
// The manifest is unsigned, signed by another key, altered, or lacks the
// installer's size and SHA-256.
constexpr Text BadManifest{QT_TRANSLATE_NOOP("updmsg", "Файл обновлений не подписан или повреждён")};
constexpr Text NotConfigured{QT_TRANSLATE_NOOP("updmsg", "Обновления в этой сборке не настроены")};
constexpr Text Mismatch{QT_TRANSLATE_NOOP("updmsg", "Загруженный файл не совпадает с файлом обновлений; он удалён")};
// Where the installer is not run here (not Windows): the file is kept.
constexpr Text Verified{QT_TRANSLATE_NOOP("updmsg", "Загружено и проверено: %1")};
constexpr Text SaveFailed{QT_TRANSLATE_NOOP("updmsg", "Не удалось сохранить файл %1")};
constexpr Text StartFailed{QT_TRANSLATE_NOOP("updmsg", "Не удалось запустить программу установки %1")};

// A critical box of the main window when the update check's library is missing.

} // namespace updmsg
