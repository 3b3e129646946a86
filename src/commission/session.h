#pragma once

#include "commission/modulestate.h"
#include "line/linesettings.h"
#include "settings/filewrite.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <functional>

class RtuProvider;

namespace zt::commission {

// One module on one line, without a window: reads it into a ModuleState and
// writes steps of a settings file, one request at a time, through the
// program's transport.
class ModuleSession : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Done,
        NoAnswer,       // a request went unanswered, or the reply was too short
        NotRecognised,  // the identification is not one of a supported module
        Refused,        // the module answered a write with an exception: not taken
        Unconfirmed,    // a write went unanswered (a gateway's exception too): it may or may not have been taken
        LineLost,       // the port or the gateway's connection failed
        Stopped,        // the stop check said so before a request
    };
    Q_ENUM(Outcome)

    explicit ModuleSession(QObject *parent = nullptr);
    ~ModuleSession() override;

    bool open(const line::LineSettings &line);
    QString openError() const;
    // Over Modbus TCP, what failed in words (RtuProvider::failureText()).
    QString failureText() const;
    // The exception code of the read that ended the last read() with
    // NoAnswer; 0 when it went unanswered.
    int readExceptionCode() const;

    // Reads the blocks (ModuleState::Block flags) in the order the window
    // reads them, into state(); then finished().
    void read(int blocks);
    // Writes the steps in order, each one confirmed before the next and
    // followed by its pause; then finished().
    void write(const QVector<filewrite::Step> &steps);
    // Of the last write(): steps the module confirmed, and steps sent (one
    // more while a write is in flight or went unanswered).
    int stepsConfirmed() const { return confirmed; }
    int stepsSent() const { return sent; }
    // The exception code of the last Refused write.
    int refusalCode() const { return refusal; }
    // Asked before every request; true ends the work with Outcome::Stopped.
    void setStopCheck(std::function<bool()> check);

    const ModuleState &state() const { return current; }

signals:
    void finished(zt::commission::ModuleSession::Outcome outcome);

private:
    enum class Mode { Idle, Reading, Writing };

    void nextRead();
    void nextWrite();
    bool stopBeforeRequest();
    void finish(Outcome outcome);
    void onUnit(const QModbusDataUnit &unit);
    void onReadError();
    void onWriteEnd();
    void onWriteError();

    RtuProvider *provider = nullptr;
    QString error;
    Mode mode = Mode::Idle;
    ModuleState current;
    QVector<QModbusDataUnit> reads;
    QVector<filewrite::Step> steps;
    int confirmed = 0;
    int sent = 0;
    int refusal = 0;
    QTimer pause;
    std::function<bool()> stopCheck;
};

} // namespace zt::commission
