#pragma once

#include "line/linesettings.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>

class PortEnumerator;
class QLabel;
class QSettings;
class QStatusBar;
class UserPrompts;

namespace Ui {
class MainWindow;
}

namespace zt::line {
struct Answer;
}

namespace zt::link {
class ModuleLink;
enum class Purpose;
enum class Reason;
struct WriteOutcome;
}

// The connection row and the line behind it: the port list, connecting, the
// line settings kept between runs, the module search and the list of modules
// on a line, why a module did not answer, and following a PLB module to the
// address, speed or format it was just given.
class ConnectionPanel : public QObject
{
    Q_OBJECT

public:
    // What the panel needs of the window it sits in.
    struct Window {
        QWidget *widget = nullptr;       // the parent of the panel's dialogs and boxes
        Ui::MainWindow *form = nullptr;  // the port row, the menu the entries join
        QStatusBar *statusBar = nullptr; // gets the note of the line in use
        QSettings *settings = nullptr;   // the line settings kept between runs
        UserPrompts *prompts = nullptr;
        std::function<bool()> isOffline;
        std::function<void()> disconnect;   // back to idle, the link closed
        std::function<void()> showControls; // the form's controls as the mode calls for
    };

    ConnectionPanel(const Window &window, zt::link::ModuleLink *link, PortEnumerator *ports,
                    const QStringList &namedPorts);

    bool isConnected() const;
    void refreshPorts();     // "Обновить"
    void connectOrDisconnect(); // "Соединиться" / "Отключиться"
    void connectToModule();

    // The line the next connection takes, and the place of the last attempt.
    const zt::line::LineSettings &settings() const { return lineSettings; }
    QString lastPlace() const { return linePort; }

    // A write the user made that may change the module's line; followed once
    // the module confirms it.
    void offerLineChange(int request, int address, quint16 value);
    // Runs `show`, which puts the module's own line in the form: what that
    // writes back is no change to follow.
    void showModuleLine(const std::function<void()> &show);

    // Whatever ended the link, its line is no longer in use; when it ended on
    // its own, back to idle and why. Connected by the window, after the views
    // that must take the end before a box opens.
    void onLinkEnded(zt::link::Reason reason);

    static QString moduleAnsweredText(int exceptionCode);
    // A write that failed, or the line itself. A module that refused it is no
    // broken line: its answer is named, as ztconfig-cli names it; a gateway's
    // exception says the module was not reached.
    static QString failedWriteText(int exceptionCode, const QString &failure);

private:
    void fillPortList();
    bool portReady(const QString &name);
    QString openFailureText(const QString &portName) const;
    // The line a search or a sweep goes over, the connection ended first;
    // false when there is none (offline, or the chosen port is not ready).
    bool lineToSweep(zt::line::LineSettings *line);
    void setUpLineSettings();
    void editLineSettings();
    void searchModule();  // searchprogress.cpp
    void listModules();   // modulelist.cpp
    void useLineSettings(const zt::line::LineSettings &settings); // stored, then connected with
    void explainFailedAttempt(int exceptionCode, const QString &tcpFailure); // lineanswer.cpp
    void showLineAnswer(const zt::line::Answer &answer);
    void showLineKind();
    void followLineWrite(int request, zt::link::Purpose purpose, zt::link::WriteOutcome outcome);
    void followModuleLine(int address, quint16 value);
    void critical(const QString &text);

    Window window;
    zt::link::ModuleLink *link;
    PortEnumerator *portEnumerator;
    QStringList namedPorts; // devices enumeration does not list (--port)
    zt::line::LineSettings lineSettings;
    QString linePort;      // of the last connect attempt
    QString serialPortRow; // the port row's caption in the form
    QLabel *lineStatus = nullptr;
    struct OfferedLine {
        zt::line::LineSettings settings;
        int on = 0; // the link's line whose module took it
    };
    OfferedLine offeredLine;
    struct LineWrite {
        int address;
        quint16 value;
    };
    QHash<int, LineWrite> lineWrites; // by the write that changes the module's line
};
