#pragma once

#include "line/linesettings.h"
#include "line/rawanswer.h"

#include <QObject>
#include <QVector>

class RtuProvider;

namespace zt::line {

class LineProber;

// Looks for a module on one port: tries the candidates of searchOrder() one
// after the other, each with one identification request, until a frame
// carries the module's identification. It only ever reads the
// identification block: a search writes to no module. On a serial port it
// listens to the raw line; behind a Modbus TCP gateway, which has no raw
// line, it asks through the program's transport, once per address.
class ModuleSearch : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        Found,
        NotFound,
        Echo,     // the adapter returns every request: no try can tell anything
        LineLost, // the port went away, or the gateway failed (see errorString())
    };

    explicit ModuleSearch(QObject *parent = nullptr);

    // On the port or gateway of `current`. False when it does not open (see
    // errorString()); nothing is reported then.
    bool start(const LineSettings &current);
    QString errorString() const;
    int candidateCount() const { return candidates.size(); }
    // Closes the port at once; nothing more is reported.
    void cancel();

signals:
    void trying(int index, const zt::line::LineSettings &candidate);
    // The port is closed by then. `found` is meaningful for Found only.
    void finished(zt::line::ModuleSearch::Outcome outcome, const zt::line::LineSettings &found);

private:
    void tryNext();
    void onAnswered(const Answer &answer, const LineSettings &asked);
    bool openGateway(const LineSettings &current);
    void closeGateway();
    void end(Outcome outcome, const LineSettings &found = {});

    LineProber *prober;
    RtuProvider *gateway = nullptr; // over Modbus TCP
    QString gatewayFailure;
    QVector<LineSettings> candidates;
    int next = 0;
};

} // namespace zt::line
