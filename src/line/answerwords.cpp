#include "line/answerwords.h"

#include "line/tcpfailure.h"
#include "line/texts.h"

#include <iterator>

namespace zt::line {

namespace {
QString codeInHex(int code)
{
    return QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

QString nameOf(int code)
{
    const bool named = code >= 1 && code <= int(std::size(text::ExceptionNames)) && *text::ExceptionNames[code - 1].source;
    return named ? text::ExceptionNames[code - 1] : text::UnnamedException;
}
} // namespace

QString exceptionInWords(int code)
{
    return QStringLiteral("%1 (%2)").arg(nameOf(code), codeInHex(code));
}

QString answerInWords(int code)
{
    const text::Text &frame = isGatewayException(code) ? text::GatewayAnswered : text::ModuleAnswered;
    return frame.arg(nameOf(code), codeInHex(code));
}

} // namespace zt::line
