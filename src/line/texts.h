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

} // namespace zt::line::text
