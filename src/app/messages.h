#pragma once

// Texts the main window shows in message boxes, the status bar and on the
// connect button. The form holds all other texts.
namespace msg {

constexpr auto ErrorTitle = "Ошибка";

constexpr auto Connect = "Соединиться";
constexpr auto Disconnect = "Отключиться";

// Connecting.
constexpr auto NoPortName = "Отсутствует имя порта";
constexpr auto PortGone = "Порт больше не доступен, проверте подключение и обновите список портов";
constexpr auto PortBusy = "Порт занят";
constexpr auto PortNoAccess = "Нет доступа к порту %1.\nВ Linux пользователь должен входить в группу dialout "
                              "(sudo usermod -aG dialout $USER, затем войти в систему заново).";
constexpr auto PortOpenFailed = "Не удалось открыть порт %1: %2";
constexpr auto ConnectionTimeout = "Ошибка соединения";
constexpr auto LinkError = "Ошибка связи";
constexpr auto DeviceNotRecognised = "Подключенное устройство не опознано";

constexpr auto PortsRefreshed = "Порты обновлены";
constexpr auto ModuleReadError = "Ошибка связи модулем";

// Writes and their completion.
constexpr auto WriteTitle = "Запись";
constexpr auto WriteDone = "Запись выполнена!";
constexpr auto CalibrationTitle = "Юстировка";
constexpr auto CalibrationDone = "Юстировка выполнена!";
constexpr auto Rebooted = "Модуль пререзагружен!";
constexpr auto FactoryReset = "Модуль сброшен до заводских настроек!";
constexpr auto OfflineNoTransfer = "В офлайн режиме передача данных не возможна";

// Settings files.
constexpr auto SettingsTitle = "Настройки";
constexpr auto NoFileChosen = "Файл конфигурации не выбран";
constexpr auto FileForOtherModule = "Выбранный файл не соответствует подключенному модулю!";
constexpr auto FileBadValue = "Недопустимое значение в файле настроек: %1 = %2.\nВ модуль ничего не записано.";
constexpr auto FileNotFound = "Файл настроек %1 не найден";
constexpr auto FileNoAccess = "Нет доступа к файлу настроек %1";
constexpr auto FileNotSettings = "Файл %1 не является файлом настроек";
constexpr auto FileSaveFailed = "Не удалось сохранить файл настроек %1";
constexpr auto FileWriteDone = "Запись настроек завершена";
constexpr auto FileWriteAborted = "Запись настроек прервана: %1.\nМодуль мог принять только часть настроек.";
constexpr auto AbortLinkClosed = "связь с модулем прекращена";
constexpr auto AbortOffline = "включён офлайн режим";
constexpr auto NoModuleChosen = "Модуль не выбран";
constexpr auto LimitNotSaved = "Введено некорректное значение: %1, канал %2.\nФайл не сохранён.";

// Modes.
constexpr auto OfflineTitle = "Офлайн режим";
constexpr auto OfflineQuestion = "Офлайн режим предназначен для конфигурирования модулей серии ZT без подключения "
                                 "реальных приборов. Включить режим офлайн?";
constexpr auto CalibrationModeQuestion = "Юстировка должна выполняться в строгом соответствии с инструкцией \r\n"
                                         "Включить режим юстировки?";

// Commissioning: the module against a settings file, and the module record.
constexpr auto NeedModule = "Модуль не подключен";
constexpr auto FileWriteBusy = "Идёт запись настроек в модуль";
constexpr auto FileNotTaken = "Модуль не принял настройки:\n%1";
constexpr auto FileNotTakenLine = "%1: в модуле %2, в файле %3";
constexpr auto CompareSame = "Настройки модуля совпадают с файлом %1";
constexpr auto CompareDiffers = "Настройки модуля отличаются от файла %1:";
constexpr auto ReportTitle = "Отчёт";
constexpr auto ReportCaption = "Сохранить отчёт";
constexpr auto ReportFilter = "PDF (*.pdf)";
constexpr auto ReportSaved = "Отчёт о модуле сохранён в %1";
constexpr auto ReportFailed = "Не удалось сохранить отчёт %1: %2";

// Line settings, the module search, and why a module did not answer. %1 is
// the line as the status bar names it ("9600 8N1, адрес 1").
constexpr auto LineSettingsAction = "Параметры связи…";
constexpr auto ModuleSearchAction = "Поиск модуля…";
constexpr auto LineTitle = "Параметры связи";
constexpr auto LineFollowQuestion = "Модуль принял новые параметры связи: %1.\nПереподключиться с ними?";
constexpr auto SearchTitle = "Поиск модуля";
constexpr auto SearchTrying = "Проверяется: %1";
constexpr auto CancelButton = "Отмена";
constexpr auto SearchNotFound = "Модуль не найден ни на одной скорости, ни в одном формате, ни по одному адресу.\n"
                                "Проверьте питание модуля и подключение линий A и B.";
constexpr auto NoAnswer = "Ошибка соединения: модуль не отвечает (%1), на линии ни одного байта.\n"
                          "Проверьте питание модуля, подключение линий A и B (не перепутаны ли они) и "
                          "параметры связи (Режимы работы → Параметры связи…). Модуль с неизвестными "
                          "параметрами найдёт поиск: Режимы работы → Поиск модуля…";
constexpr auto EchoAnswer = "Ошибка соединения: адаптер RS-485 возвращает отправленный запрос (эхо), "
                            "и программа не может выделить ответ модуля.\n"
                            "Отключите эхо в настройках адаптера или возьмите адаптер с автоматическим "
                            "переключением приёма и передачи.";
constexpr auto GarbageAnswer = "Ошибка соединения: с линии приходят байты, но не кадр Modbus RTU (%1).\n"
                               "Вероятно, модуль настроен на другую скорость или формат. Найти его: "
                               "Режимы работы → Поиск модуля…";
constexpr auto OtherAddressQuestion = "Ошибка соединения: на запрос к адресу %1 ответил модуль с адресом %2.\n"
                                      "Соединиться по адресу %2?";
constexpr auto LateAnswer = "Ошибка соединения: модуль ответил только на повторный запрос (%1).\n"
                            "Попробуйте соединиться ещё раз.";
constexpr auto ModuleAnswered = "Модуль ответил: %1 (%2)";
// Modbus exception codes 1 to 11; the others have no name.
constexpr const char *ExceptionNames[] = {
    "недопустимая функция", "недопустимый адрес", "недопустимое значение", "сбой устройства",
    "запрос принят, выполняется", "устройство занято", "отказ в выполнении", "ошибка чётности памяти",
    "", "шлюз: путь недоступен", "шлюз: устройство не ответило",
};
constexpr auto UnnamedException = "исключение";

} // namespace msg
