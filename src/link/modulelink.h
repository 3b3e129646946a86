#pragma once

#include "commission/modulestate.h"
#include "line/linesettings.h"
#include "settings/filewrite.h"

#include <QModbusDataUnit>
#include <QObject>
#include <QQueue>
#include <QTimer>
#include <QVector>

#include <functional>

class RtuProvider;

namespace zt::link {

Q_NAMESPACE

// Who asked for a write: its outcome goes back to that requester.
enum class Purpose { Limit, Option, Calibration, Reboot, Reset, LineChange, FileStep, Echo };
Q_ENUM_NS(Purpose)

struct WriteOutcome {
    Q_GADGET
public:
    enum Kind {
        Confirmed,   // the module answered: taken
        Refused,     // the module answered with an exception: not taken
        Unconfirmed, // no answer, or a gateway's exception: it may or may not have been taken
        NotSent,     // the link ended before the write went out
    };
    Q_ENUM(Kind)
    Kind kind = Confirmed;
    int code = 0; // Refused: the module's exception code; Unconfirmed: a gateway's, or 0
};

// How a settings file's steps ended.
enum class FileOutcome {
    Done,
    Refused,     // a step refused: refusalCode says why
    Unconfirmed, // a step went unanswered
    Stopped,     // the stop check said so before a step
    LinkEnded,   // the line or the module was lost: see linkEnded()'s reason
};
Q_ENUM_NS(FileOutcome)

// Why the link ended.
enum class Reason {
    Closed,        // close() was called
    LineLost,      // the port or the gateway's connection failed
    NoAnswer,      // a read went unanswered or was refused, a reply too short, or the watchdog ran out
    NotRecognised, // the identification is not of the family (a type it does not list still connects)
};
Q_ENUM_NS(Reason)

// One module on one line, for every front end: the transport, the line, the
// module as decoded so far, the live-value poll, the watchdog and one queue
// of requests that go out one at a time, in the order they were asked for.
// A read that fails ends the link (its module can no longer be trusted); a
// write that fails is reported to its requester, and the link stays.
class ModuleLink : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Idle,        // no line
        Connected,   // the line is open, nothing pending
        Identifying, // the identification is awaited
        Reading,     // blocks are awaited
        Writing,     // writes are queued or in flight
        WritingFile, // a settings file's steps are going out
        Polling,     // only the live values are read, every poll interval
    };
    Q_ENUM(State)

    explicit ModuleLink(QObject *parent = nullptr);
    ~ModuleLink() override; // closes the line without a word

    // Opens the line; false with openError() and failureText() when it does
    // not open. Over TCP the gateway may still refuse the connection: that
    // ends the link with Reason::LineLost.
    bool open(const line::LineSettings &line);
    void close(); // ends the link with Reason::Closed
    bool isOpen() const { return provider != nullptr; }

    QString openError() const { return openFailure; }
    // Over Modbus TCP, what failed in words; empty on a serial line.
    QString failureText() const;
    // The exception code of the read that ended the link; 0 when unanswered.
    int exceptionCode() const { return readException; }
    Reason endReason() const { return ended; }
    // Whether it was the watchdog that ended the link, before the transport's verdict.
    bool timedOut() const { return watchdogRanOut; }

    // Longest the identification or a write may go without its outcome
    // before the link ends with NoAnswer (timedOut()): the line's zt::line::watchdogMs()
    // unless set; 0 leaves the verdict to the transport's own attempts. The
    // other reads, of a module that has answered, always are: one that stops
    // answering then ends the link with NoAnswer.
    void setWatchdogMs(int ms) { watchdogSetting = ms; }

    void identify(); // read(Identification)
    // A reply handled as if the transport had delivered it, whatever is on
    // its way: the request in flight still awaits its own.
    void takeReply(const QModbusDataUnit &unit);
    // Reads the blocks (ModuleState::Block flags) in their one order into
    // module(); then blocksRead(), identified() on the way.
    void read(int blocks);
    // A write of holding registers from `address`; its number, 1 and up
    // across the link's lines, or 0 when no line is open.
    int write(Purpose purpose, int address, const QVector<quint16> &values);
    // The steps in order, each confirmed before its pause and the next.
    void writeFile(const QVector<filewrite::Step> &steps);
    // Asked before every step of a file; true ends it with FileOutcome::Stopped.
    void setStopCheck(std::function<bool()> check) { stopCheck = std::move(check); }
    // Ends the file's steps with FileOutcome::Stopped: at once between steps,
    // or once the step on its way has its outcome.
    void stopFile();
    bool isWritingFile() const { return file.running; }

    // The blocks read again after writes: `quietMs` after the last of a
    // burst (one re-read for them all, not one per write), and `afterFileMs`
    // after a settings file's steps are all confirmed. No blocks: none (the
    // default).
    void setReread(int blocks, int quietMs, int afterFileMs);

    // The live values at once and every `ms`, a tick skipped while a live
    // read is still pending or a file is being written.
    void startPolling(int ms);
    // Stops the reads the link makes of its own accord: the poll, and a re-read due.
    void stopPolling();

    State state() const { return shown; }
    // A module answered the identification on the line opened last (which
    // may have ended since).
    bool isIdentified() const { return identifiedOnLine; }
    int pendingWrites() const; // queued or in flight
    // Tells one line of this link from the next: 1 and up, counted by open().
    int lineNumber() const { return linesOpened; }
    const commission::ModuleState &module() const { return decoded; }
    const line::LineSettings &line() const { return lineSettings; }

signals:
    void stateChanged(zt::link::ModuleLink::State state);
    void identified(const zt::commission::ModuleState &module);
    void blocksRead(int blocks);
    void liveValues(const zt::LiveValues &live);
    void writeFinished(int number, zt::link::Purpose purpose, zt::link::WriteOutcome outcome);
    // `confirmed` steps were taken, those up to `sent` may have been.
    void fileWriteFinished(zt::link::FileOutcome outcome, int confirmed, int sent, int refusalCode);
    void linkEnded(zt::link::Reason reason);
    void transportStatus(const QString &text); // the transport's words for the status bar

private:
    struct Request {
        QModbusDataUnit unit;
        bool write = false;
        int number = 0; // writes only
        Purpose purpose = Purpose::Echo;
    };
    struct FileJob {
        bool running = false;
        QVector<filewrite::Step> steps;
        int next = 0;   // the step going out or due
        int number = 0; // the write of the step in flight
        bool inFlight = false;
        bool stopAsked = false;
    };
    struct Reread {
        int blocks = 0;
        int quietMs = 0;
        int afterFileMs = 0;
    };

    void enqueue(const Request &request);
    void sendNext();
    void onUnit(const QModbusDataUnit &unit);
    void onReadError();
    void onWriteEnd();
    void onWriteError();
    void writeEnded(WriteOutcome outcome);
    void nextStep();
    void fileStepEnded(const WriteOutcome &outcome);
    void finishFile(FileOutcome outcome, int code = 0);
    void end(Reason reason, int code = 0);
    void pollTick();
    void updateState();
    State currentState() const;

    RtuProvider *provider = nullptr;
    line::LineSettings lineSettings;
    QString openFailure;
    QString endFailure;
    int readException = 0;
    Reason ended = Reason::Closed;
    int watchdogSetting = -1;
    int writesNumbered = 0;
    int linesOpened = 0;
    bool identifiedOnLine = false;
    bool watchdogRanOut = false;

    QQueue<Request> queue;
    Request current;
    bool inFlight = false;
    int wantedBlocks = 0; // of read(), not in yet
    int readJob = 0;      // all the blocks read() was asked for
    commission::ModuleState decoded;
    FileJob file;
    std::function<bool()> stopCheck;
    Reread reread;

    QTimer watchdog;
    QTimer pollTimer;
    QTimer stepPause;
    QTimer rereadTimer;
    State shown = State::Idle;
};

} // namespace zt::link

Q_DECLARE_METATYPE(zt::link::WriteOutcome)
