#pragma once

// Texts the main window shows in message boxes, the status bar and on the
// connect button. The form holds all other texts.
namespace msg {

constexpr auto ErrorTitle = "Ошибка";

constexpr auto Connect = "Соединиться";
constexpr auto Disconnect = "Отключиться";

constexpr auto NoPortName = "Отсутствует имя порта";
constexpr auto PortGone = "Порт больше не доступен, проверте подключение и обновите список портов";
constexpr auto PortBusy = "Порт занят";
constexpr auto ConnectionTimeout = "Ошибка соединения";
constexpr auto LinkError = "Ошибка связи";
constexpr auto DeviceNotRecognised = "Подключенное устройство не опознано";

constexpr auto PortsRefreshed = "Порты обновлены";
constexpr auto ModuleReadError = "Ошибка связи модулем";

} // namespace msg
