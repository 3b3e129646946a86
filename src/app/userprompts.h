#pragma once

#include <QString>

class QWidget;

// Modal message boxes and file dialogs of the main window. Tests subclass it
// to answer questions and to record what the user would have seen.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    virtual void critical(QWidget *parent, const QString &title, const QString &text);
    virtual void information(QWidget *parent, const QString &title, const QString &text);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    // "Да" (the default) and "Нет"; true for "Да".
    virtual bool question(QWidget *parent, const QString &title, const QString &text);

    // An empty path when the user cancels.
    virtual QString openFileName(const QString &caption, const QString &filter);
    virtual QString saveFileName(const QString &caption, const QString &filter);

    static UserPrompts *standard();
};
