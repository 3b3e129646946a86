#pragma once

// Scripted stand-ins for the window's message boxes, dialogs and port list.

#include "app/mainwindow.h"
#include "app/userprompts.h"
#include "modbus/portenumerator.h"

#include <QSet>
#include <QStringList>
#include <QVector>

struct ShownBox
{
    enum Kind { Critical, Information, Question, Warning };
    Kind kind;
    QString title;
    QString text;
};

class FakePrompts : public UserPrompts
{
public:
    void critical(QWidget *parent, const QString &title, const QString &text) override
    {
        boxes.append({ShownBox::Critical, title, text});
        if (showRealBoxes)
            UserPrompts::critical(parent, title, text);
    }
    void information(QWidget *, const QString &title, const QString &text) override
    {
        boxes.append({ShownBox::Information, title, text});
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        boxes.append({ShownBox::Warning, title, text});
    }
    bool question(QWidget *, const QString &title, const QString &text) override
    {
        boxes.append({ShownBox::Question, title, text});
        return answers.isEmpty() ? true : answers.takeFirst();
    }
    QString openFileName(const QString &, const QString &) override { return files.isEmpty() ? QString() : files.takeFirst(); }
    QString saveFileName(const QString &, const QString &) override { return files.isEmpty() ? QString() : files.takeFirst(); }

    QStringList texts() const
    {
        QStringList result;
        for (const ShownBox &box : boxes)
            result << box.text;
        return result;
    }

    QVector<ShownBox> boxes;
    QList<bool> answers; // for questions, in order; "Да" when empty
    QStringList files;   // for file dialogs, in order; cancelled when empty
    bool showRealBoxes = false; // also run the real modal box (critical only)
};

class FakePorts : public PortEnumerator
{
public:
    QStringList availablePorts() const override { return listed; }
    PortState state(const QString &name) const override
    {
        return !listed.contains(name) ? PortState::Gone : busy.contains(name) ? PortState::Busy : PortState::Present;
    }

    QStringList listed;
    QSet<QString> busy;
};

inline MainWindowOptions fakeOptions(FakePrompts *prompts, FakePorts *ports)
{
    MainWindowOptions options;
    options.prompts = prompts;
    options.portEnumerator = ports;
    options.pluginDir = QStringLiteral(ZT_PLUGIN_DIR); // the build's own
    return options;
}
