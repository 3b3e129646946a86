#pragma once

#include <QList>
#include <QString>
#include <QVector>

// mbpoll, a Modbus master built on libmodbus and sharing nothing with the
// program, as a test's own window on a simulated module.

struct MbpollResult {
    bool ok = false;
    QString error;           // mbpoll's message when the request failed
    QVector<double> values;  // what was read, one per register or float
};

// A Modbus TCP server on 127.0.0.1 at `tcpPort`, as a `port` below.
inline QString localTcp(int tcpPort) { return QStringLiteral("tcp:%1").arg(tcpPort); }

// One request at 9600 8N1 (or over TCP to localTcp()) with zero-based addresses. `table` is mbpoll's -t
// argument: "4" holding registers, "3" input registers, "3:float" float32
// pairs (low word first). Values to write make it a write: function 06 for
// one, 16 for several.
MbpollResult mbpoll(const QString &port, const QString &table, int address, int count = 1,
                    const QList<quint16> &writeValues = {}, double timeoutSeconds = 0.5,
                    int server = 1);

MbpollResult readHolding(const QString &port, int address, int count = 1);
MbpollResult writeHolding(const QString &port, int address, quint16 value);

// The live block (input registers 0x0000..0x000F) as eight floats.
enum LiveFloat { Input0, Temperature0, Output0, Input1, Temperature1, Output1, ColdJunction0, ColdJunction1 };
MbpollResult readLive(const QString &port);

// How mbpoll reports the failures tests look for.
namespace mbpollError {
inline const QString Timeout = QStringLiteral("Connection timed out");
inline const QString IllegalAddress = QStringLiteral("Illegal data address");
inline const QString IllegalValue = QStringLiteral("Illegal data value");
}  // namespace mbpollError
