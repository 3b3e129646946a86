#pragma once

#include <QCoreApplication>
#include <QString>

#include <utility>

namespace zt {

// A UI text kept in its Russian source form. lupdate finds it in the
// QT_TRANSLATE_NOOP that spells it, under the same context; wherever a
// QString is wanted it reads as the installed language's text, or as the
// source itself when no translator is installed (ztconfig-cli).
template<const char *Context>
struct UiText
{
    const char *source;

    QString text() const { return QCoreApplication::translate(Context, source); }
    operator QString() const { return text(); }
    template<class... Args>
    QString arg(Args &&...args) const { return text().arg(std::forward<Args>(args)...); }
};

} // namespace zt
