#pragma once

#include "i18n/uitext.h"

// How the line to a Modbus TCP gateway went, for the window and ztconfig-cli
// alike. %1 is the gateway as "host:port", %2 a time-out in milliseconds.
namespace zt::line::text {

inline constexpr char Context[] = "zt::line";
using Text = UiText<Context>;

constexpr Text TcpHostNotFound{QT_TRANSLATE_NOOP("zt::line", "Шлюз Modbus TCP %1 не найден: такого имени нет в сети")};
constexpr Text TcpRefused{QT_TRANSLATE_NOOP("zt::line", "Шлюз Modbus TCP %1 отказал в соединении: на этом адресе и порту "
                                                        "нет сервера Modbus TCP")};
constexpr Text TcpNoRoute{QT_TRANSLATE_NOOP("zt::line", "Шлюз Modbus TCP %1 недоступен: нет маршрута или нет ответа за %2 мс")};
constexpr Text TcpClosed{QT_TRANSLATE_NOOP("zt::line", "Шлюз Modbus TCP %1 закрыл соединение")};
constexpr Text TcpNoAnswer{QT_TRANSLATE_NOOP("zt::line", "Шлюз Modbus TCP %1 не ответил на запрос за %2 мс")};
// %2 the system's own words.
constexpr Text TcpOther{QT_TRANSLATE_NOOP("zt::line", "Ошибка соединения со шлюзом Modbus TCP %1: %2")};

// The transport's status texts.
constexpr Text TcpConnecting{QT_TRANSLATE_NOOP("zt::line", "Modbus TCP %1: соединение…")};
constexpr Text TcpConnected{QT_TRANSLATE_NOOP("zt::line", "Modbus TCP %1: соединение установлено")};
constexpr Text TcpDisconnected{QT_TRANSLATE_NOOP("zt::line", "Modbus TCP %1: соединение закрыто")};

// A module's exception reply, or a gateway's (0A, 0B: the module was not
// reached). %1 is the exception in words, %2 its code in hex.
constexpr Text ModuleAnswered{QT_TRANSLATE_NOOP("zt::line", "Модуль ответил: %1 (%2)")};
constexpr Text GatewayAnswered{QT_TRANSLATE_NOOP("zt::line", "Нет связи с модулем: %1 (%2)")};
// Modbus exception codes 1 to 11; the others have no name.
constexpr Text ExceptionNames[] = {
    {QT_TRANSLATE_NOOP("zt::line", "недопустимая функция")}, {QT_TRANSLATE_NOOP("zt::line", "недопустимый адрес")},
    {QT_TRANSLATE_NOOP("zt::line", "недопустимое значение")}, {QT_TRANSLATE_NOOP("zt::line", "сбой устройства")},
    {QT_TRANSLATE_NOOP("zt::line", "запрос принят, выполняется")}, {QT_TRANSLATE_NOOP("zt::line", "устройство занято")},
    {QT_TRANSLATE_NOOP("zt::line", "отказ в выполнении")}, {QT_TRANSLATE_NOOP("zt::line", "ошибка чётности памяти")},
    {""}, {QT_TRANSLATE_NOOP("zt::line", "шлюз: нет пути к устройству")}, {QT_TRANSLATE_NOOP("zt::line", "шлюз: устройство не ответило")},
};
constexpr Text UnnamedException{QT_TRANSLATE_NOOP("zt::line", "исключение")};

} // namespace zt::line::text
