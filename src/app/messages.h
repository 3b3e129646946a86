#pragma once

#include "i18n/uitext.h"

// Texts the main window shows in message boxes, the status bar and on the
// connect button. The form holds all other texts.
namespace msg {

inline constexpr char Context[] = "msg";
using Text = zt::UiText<Context>;

constexpr Text ErrorTitle{QT_TRANSLATE_NOOP("msg", "Ошибка")};

constexpr Text Connect{QT_TRANSLATE_NOOP("msg", "Соединиться")};
constexpr Text Disconnect{QT_TRANSLATE_NOOP("msg", "Отключиться")};

// Connecting.
constexpr Text NoPortName{QT_TRANSLATE_NOOP("msg", "Отсутствует имя порта")};
constexpr Text PortGone{QT_TRANSLATE_NOOP("msg", "Порт больше не доступен, проверте подключение и обновите список портов")};
constexpr Text PortBusy{QT_TRANSLATE_NOOP("msg", "Порт занят")};
constexpr Text PortNoAccess{QT_TRANSLATE_NOOP("msg", "Нет доступа к порту %1.\nВ Linux пользователь должен входить в группу dialout "
                                                     "(sudo usermod -aG dialout $USER, затем войти в систему заново).")};
constexpr Text PortOpenFailed{QT_TRANSLATE_NOOP("msg", "Не удалось открыть порт %1: %2")};
constexpr Text ConnectionTimeout{QT_TRANSLATE_NOOP("msg", "Ошибка соединения")};
constexpr Text LinkError{QT_TRANSLATE_NOOP("msg", "Ошибка связи")};
constexpr Text DeviceNotRecognised{QT_TRANSLATE_NOOP("msg", "Подключенное устройство не опознано")};

constexpr Text PortsRefreshed{QT_TRANSLATE_NOOP("msg", "Порты обновлены")};
constexpr Text ModuleReadError{QT_TRANSLATE_NOOP("msg", "Ошибка связи модулем")};

// Writes and their completion.
constexpr Text WriteTitle{QT_TRANSLATE_NOOP("msg", "Запись")};
constexpr Text WriteDone{QT_TRANSLATE_NOOP("msg", "Запись выполнена!")};
constexpr Text CalibrationTitle{QT_TRANSLATE_NOOP("msg", "Юстировка")};
constexpr Text CalibrationDone{QT_TRANSLATE_NOOP("msg", "Юстировка выполнена!")};
constexpr Text Rebooted{QT_TRANSLATE_NOOP("msg", "Модуль пререзагружен!")};
constexpr Text FactoryReset{QT_TRANSLATE_NOOP("msg", "Модуль сброшен до заводских настроек!")};
constexpr Text OfflineNoTransfer{QT_TRANSLATE_NOOP("msg", "В офлайн режиме передача данных не возможна")};

// Settings files.
constexpr Text SettingsTitle{QT_TRANSLATE_NOOP("msg", "Настройки")};
constexpr Text NoFileChosen{QT_TRANSLATE_NOOP("msg", "Файл конфигурации не выбран")};
constexpr Text FileForOtherModule{QT_TRANSLATE_NOOP("msg", "Выбранный файл не соответствует подключенному модулю!")};
constexpr Text FileBadValue{QT_TRANSLATE_NOOP("msg", "Недопустимое значение в файле настроек: %1 = %2.\nВ модуль ничего не записано.")};
constexpr Text FileMissingKey{QT_TRANSLATE_NOOP("msg", "В файле настроек %1 нет ключа %2.\nВ модуль ничего не записано.")};
constexpr Text FileSaveFailed{QT_TRANSLATE_NOOP("msg", "Не удалось сохранить файл настроек %1")};
constexpr Text FileWriteDone{QT_TRANSLATE_NOOP("msg", "Запись настроек завершена")};
constexpr Text FileWriteAborted{QT_TRANSLATE_NOOP("msg", "Запись настроек прервана: %1.\nМодуль мог принять только часть настроек.")};
constexpr Text AbortLinkClosed{QT_TRANSLATE_NOOP("msg", "связь с модулем прекращена")};
constexpr Text FileWriteCloseQuestion{QT_TRANSLATE_NOOP("msg", "Идёт запись настроек в модуль. Прервать запись и выйти?")};
constexpr Text AbortOffline{QT_TRANSLATE_NOOP("msg", "включён офлайн режим")};
constexpr Text NoModuleChosen{QT_TRANSLATE_NOOP("msg", "Модуль не выбран")};
constexpr Text LimitNotSaved{QT_TRANSLATE_NOOP("msg", "Введено некорректное значение: %1, канал %2.\nФайл не сохранён.")};

// Modes.
constexpr Text OfflineTitle{QT_TRANSLATE_NOOP("msg", "Офлайн режим")};
constexpr Text OfflineQuestion{QT_TRANSLATE_NOOP("msg", "Офлайн режим предназначен для конфигурирования модулей серии ZT без подключения "
                                                        "реальных приборов. Включить режим офлайн?")};
constexpr Text CalibrationModeQuestion{QT_TRANSLATE_NOOP("msg", "Юстировка должна выполняться в строгом соответствии с инструкцией \r\n"
                                                                "Включить режим юстировки?")};

// Commissioning: the module against a settings file, and the module record.
constexpr Text NeedModule{QT_TRANSLATE_NOOP("msg", "Модуль не подключен")};
constexpr Text FileWriteBusy{QT_TRANSLATE_NOOP("msg", "Идёт запись настроек в модуль")};
constexpr Text FileNotTaken{QT_TRANSLATE_NOOP("msg", "Модуль не принял настройки:\n%1")};
constexpr Text FileNotTakenLine{QT_TRANSLATE_NOOP("msg", "%1: в модуле %2, в файле %3")};
constexpr Text CompareSame{QT_TRANSLATE_NOOP("msg", "Настройки модуля совпадают с файлом %1")};
constexpr Text CompareDiffers{QT_TRANSLATE_NOOP("msg", "Настройки модуля отличаются от файла %1:")};
constexpr Text ReportTitle{QT_TRANSLATE_NOOP("msg", "Отчёт")};
constexpr Text ReportCaption{QT_TRANSLATE_NOOP("msg", "Сохранить отчёт")};
constexpr Text ReportFilter{QT_TRANSLATE_NOOP("msg", "PDF (*.pdf)")};
constexpr Text ReportSaved{QT_TRANSLATE_NOOP("msg", "Отчёт о модуле сохранён в %1")};
constexpr Text ReportFailed{QT_TRANSLATE_NOOP("msg", "Не удалось сохранить отчёт %1: %2")};

// Line settings, the module search, and why a module did not answer. %1 is
// the line as the status bar names it ("9600 8N1, адрес 1").
constexpr Text LineSettingsAction{QT_TRANSLATE_NOOP("msg", "&Параметры связи…")};
constexpr Text ModuleSearchAction{QT_TRANSLATE_NOOP("msg", "Поиск &модуля…")};
constexpr Text ModuleListAction{QT_TRANSLATE_NOOP("msg", "Модули на &линии…")};
constexpr Text LineTitle{QT_TRANSLATE_NOOP("msg", "Параметры связи")};
constexpr Text LineFollowQuestion{QT_TRANSLATE_NOOP("msg", "Модуль принял новые параметры связи: %1.\nПереподключиться с ними?")};
constexpr Text SearchTitle{QT_TRANSLATE_NOOP("msg", "Поиск модуля")};
constexpr Text SearchTrying{QT_TRANSLATE_NOOP("msg", "Проверяется: %1")};
constexpr Text CancelButton{QT_TRANSLATE_NOOP("msg", "Отмена")};
constexpr Text SearchNotFound{QT_TRANSLATE_NOOP("msg", "Модуль не найден ни на одной скорости, ни в одном формате, ни по одному адресу.\n"
                                                       "Проверьте питание модуля и подключение линий A и B.")};
constexpr Text NoAnswer{QT_TRANSLATE_NOOP("msg", "Ошибка соединения: модуль не отвечает (%1), на линии ни одного байта.\n"
                                                 "Проверьте питание модуля, подключение линий A и B (не перепутаны ли они) и "
                                                 "параметры связи (Режимы работы → Параметры связи…). Модуль с неизвестными "
                                                 "параметрами найдёт поиск: Режимы работы → Поиск модуля…")};
constexpr Text EchoAnswer{QT_TRANSLATE_NOOP("msg", "Ошибка соединения: адаптер RS-485 возвращает отправленный запрос (эхо), "
                                                   "и программа не может выделить ответ модуля.\n"
                                                   "Отключите эхо в настройках адаптера или возьмите адаптер с автоматическим "
                                                   "переключением приёма и передачи.")};
constexpr Text GarbageAnswer{QT_TRANSLATE_NOOP("msg", "Ошибка соединения: с линии приходят байты, но не кадр Modbus RTU (%1).\n"
                                                      "Вероятно, модуль настроен на другую скорость или формат. Найти его: "
                                                      "Режимы работы → Поиск модуля…")};
constexpr Text OtherAddressQuestion{QT_TRANSLATE_NOOP("msg", "Ошибка соединения: на запрос к адресу %1 ответил модуль с адресом %2.\n"
                                                             "Соединиться по адресу %2?")};
constexpr Text LateAnswer{QT_TRANSLATE_NOOP("msg", "Ошибка соединения: модуль ответил только на повторный запрос (%1).\n"
                                                   "Попробуйте соединиться ещё раз.")};

// A Modbus TCP gateway as the line: the port row names it, and a search
// behind it asks addresses only. %1 is the gateway as "host:port".
constexpr Text TcpPortRow{QT_TRANSLATE_NOOP("msg", "Modbus TCP")};
constexpr Text TcpPortRowTip{QT_TRANSLATE_NOOP("msg", "Шлюз Modbus TCP задаётся в меню Режимы работы → Параметры связи…")};
constexpr Text SearchTcpAddressesOnly{QT_TRANSLATE_NOOP("msg", "Через шлюз Modbus TCP проверяются только адреса 1–247: "
                                                               "скорость и формат линии RS-485 задаёт шлюз.")};
constexpr Text SearchTcpNotFound{QT_TRANSLATE_NOOP("msg", "Модуль не найден ни по одному адресу за шлюзом %1.\n"
                                                          "Скорость и формат линии RS-485 задаются в настройках шлюза; "
                                                          "проверьте их, питание модуля и подключение линий A и B к шлюзу.")};

} // namespace msg
