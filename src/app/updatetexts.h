#pragma once

// Texts of the update dialog besides those of its form.
namespace updmsg {

constexpr auto WindowTitle = "Программа установки";
constexpr auto Offer = "Доступна версия: %1 %2, обновить?";
constexpr auto NoUpdates = "Доступных обновлений нет!";

// The warning box for an installer name the dialog will not store.
constexpr auto FileWarningTitle = "Загрузка обновлений";
constexpr auto FileError = "Ошибка файла %1";

// Shown in the dialog's label; the tool tip carries the technical reason.
constexpr auto DownloadFailed = "Не удалось загрузить %1";
constexpr auto BadManifest = "Файл обновлений повреждён";
constexpr auto SaveFailed = "Не удалось сохранить файл %1";
constexpr auto StartFailed = "Не удалось запустить программу установки %1";

} // namespace updmsg
