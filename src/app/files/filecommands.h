#pragma once

#include "settings/modulesettings.h"

#include <QObject>

#include <functional>

class QWidget;
class UserPrompts;
class zt_settings;

namespace Ui {
class MainWindow;
}

namespace zt::link {
class ModuleLink;
enum class FileOutcome;
} // namespace zt::link

namespace zt::commission {
struct ModuleState;
}

// The commands that put a settings file into a module and hold a module
// against one: the chosen file written step by step through the module link,
// the check that the module took it, the comparison with a file before any
// write, and the module record. The window's read chain reads the blocks;
// once they have all come in, the question is answered.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    // What the commands need of the window.
    struct Window {
        QWidget *widget;
        Ui::MainWindow *form;
        UserPrompts *prompts;
        std::function<bool()> isOffline;
        std::function<bool()> isConnected;
        std::function<void()> showControls; // the form as the module and the modes now are
        std::function<void()> fileTaken;    // the module holds the file: typed limits no longer stand
    };

    FileCommands(const Window &window, zt::link::ModuleLink *link);

    bool isWriting() const;
    void writeChosenFile(); // "Записать"
    // Whether the window may close now. While a file is being written the
    // user is asked; the step on its way then ends first, and the window is
    // closed again once it has.
    bool mayClose();
    void compare();
    void report();
    // The blocks the window has just shown; a question waiting for them is answered.
    void blocksShown(int blocks);
    void forgetQuestion(); // the connection has ended
    // Loads a file for a command, saying why when it cannot.
    bool loadFile(const QString &path, zt_settings *into);
    // The controls that would start another command while a file is being written.
    void setControlsEnabled(bool enabled);

private:
    void onFileWriteFinished(zt::link::FileOutcome outcome, int confirmed);
    void logInterruptedWrite(int confirmed) const;
    bool moduleReachable();
    void afterNextRead(int blocks, std::function<void(const zt::commission::ModuleState &)> then);
    void verifyFileWrite();
    void critical(const QString &text);

    Window window;
    zt::link::ModuleLink *link;
    struct WrittenFile {
        QString path;
        zt::ModuleSettings settings;
        int on = 0; // the link's line it was written over
    };
    WrittenFile lastWritten;
    bool closeAfterWrite = false; // once the file's step on its way has ended
    struct AwaitedRead {
        int blocks = 0;
        int arrived = 0; // of those, since it was asked
        std::function<void(const zt::commission::ModuleState &)> then;
    };
    AwaitedRead awaitedRead; // the read being waited for, if any
};
