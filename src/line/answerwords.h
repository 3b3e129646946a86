#pragma once

#include <QString>

// A Modbus exception reply in words, the same in the window and in
// ztconfig-cli.
namespace zt::line {

// "недопустимое значение (03)"
QString exceptionInWords(int code);
// "Модуль ответил: недопустимое значение (03)"; a gateway's own exception
// says the module was not reached: "Нет связи с модулем: шлюз: … (0B)".
QString answerInWords(int code);

} // namespace zt::line
