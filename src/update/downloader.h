#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class QUrl;

// Fetches one file at a time from the update server. Each request carries
// its own file name and step, and its outcome reports them back, so a caller
// with several steps never mistakes one reply for another. A new request
// abandons the one in flight: only the latest is answered.
//
// Nothing a server sends can make it hold more than one request's limit:
// a body longer than the limit (by its Content-Length or by what arrives)
// is cut off and fails, the body is asked for and accepted only without
// content encoding (a gzip bomb stays packed and is refused), and a
// transfer that stalls, or takes longer than its size allows, fails too.
class Downloader : public QObject
{
    Q_OBJECT

public:
    // Takes each piece of the body as it arrives; false (the disk refused
    // it) fails the request.
    using Sink = std::function<bool(const QByteArray &piece)>;

    explicit Downloader(QObject *parent = nullptr);

    // Refuses (by failed()) an address that update::isAllowedAddress
    // rejects. With a sink the body goes there and onReady carries none.
    void getData(const QUrl &url, const QString &fileName, int step, qint64 maxBytes, Sink sink = {});
    // Abandons the request in flight: no outcome, and its sink is not called again.
    void cancel();

    // How long a body of maxBytes may take as a whole: a minute, plus the
    // time at 16 KiB/s.
    static int wholeTransferLimitMs(qint64 maxBytes);

signals:
    void onReady(int step, const QString &fileName, const QByteArray &body);
    // reason: Qt's error text or what was refused, for the tool tip and log;
    // httpStatus: the server's status code, 0 when it gave none.
    void failed(int step, const QString &fileName, const QString &reason, int httpStatus);

private slots:
    void onReply(QNetworkReply *reply);

private:
    void abandonCurrent();
    void onHead();
    void onData();
    // Moves what has arrived to the body or the sink; what is wrong, if anything.
    QString take(QNetworkReply *reply);
    void stop(const QString &reason);

    QNetworkAccessManager *manager;
    QTimer *deadline;
    QNetworkReply *current = nullptr;
    QString currentFileName;
    int currentStep = 0;
    qint64 limit = 0;
    qint64 received = 0;
    QByteArray body;
    Sink sink;
    QString stopReason;
};
