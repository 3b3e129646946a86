#pragma once

#include "line/linesettings.h"
#include "line/rawanswer.h"

#include <QObject>

class QSerialPort;
class QTimer;

namespace zt::line {

// Listens to the raw line without the Modbus client: sends one
// identification request with given settings and reports what came back
// within the wait of linetiming.h. The answer comes early once a whole
// frame is in. It owns the port only between open() and close().
class LineProber : public QObject
{
    Q_OBJECT

public:
    explicit LineProber(QObject *parent = nullptr);
    ~LineProber() override;

    bool open(const QString &portName); // false: see errorString()
    QString errorString() const;
    void close(); // also drops a probe in progress, which then reports nothing
    void probe(const LineSettings &settings);

signals:
    void answered(const zt::line::Answer &answer, const zt::line::LineSettings &asked);
    void lineLost(); // the device went away (an adapter unplugged); the port is closed

private:
    void onReadyRead();
    void finish();

    QSerialPort *port;
    QTimer *window;
    LineSettings asked;
    QByteArray request;
    QByteArray received;
};

} // namespace zt::line
