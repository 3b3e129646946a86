#pragma once

#include "line/linesettings.h"

#include <QObject>
#include <QString>

class RtuProvider;

namespace zt::line {

// Lists the modules on one line: one identification read per address, in
// order, through the program's transport, each sent once and given the
// module search's wait. It only ever reads the identification block: a
// sweep writes to no module.
class ModuleScan : public QObject
{
    Q_OBJECT

public:
    // What answered at one address.
    struct Module
    {
        enum Kind {
            Identified,   // a module of a type this program knows
            Unrecognised, // registers, but no identification of a known type
            Refused,      // an exception reply
        };
        int address = 0;
        Kind kind = Identified;
        QString type;          // Identified
        QString firmware;      // Identified
        int exceptionCode = 0; // Refused
    };

    enum class Outcome {
        Swept,    // every address was asked
        LineLost, // the port failed; the port is closed
    };

    explicit ModuleScan(QObject *parent = nullptr);
    ~ModuleScan() override;

    // Asks `first` to `last` on the line of `line` (its address is not
    // used). False when the line does not open (see errorString()); nothing
    // is reported then.
    bool start(const LineSettings &line, int first = MinAddress, int last = MaxAddress);
    // Why the line did not open, or over Modbus TCP why it was lost.
    QString errorString() const { return openError; }
    // Closes the line at once; nothing more is reported.
    void cancel();

signals:
    void asking(int address);
    void found(const zt::line::ModuleScan::Module &module);
    // The line is closed by then.
    void finished(zt::line::ModuleScan::Outcome outcome);

private:
    void askNext();
    void onRegisters(const QVector<quint16> &registers);
    void onNoRegisters();
    void end(Outcome outcome);

    RtuProvider *provider = nullptr;
    QString openError;
    int waitMs = 0;
    int next = 0;
    int last = 0;
};

} // namespace zt::line
