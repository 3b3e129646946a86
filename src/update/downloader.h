#pragma once

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Fetches one file at a time from the update server into memory. Each
// request carries its own file name and step, and its outcome reports them
// back, so a caller with several steps never mistakes one reply for another.
// A new request abandons the one in flight: only the latest is answered.
class Downloader : public QObject
{
    Q_OBJECT

public:
    explicit Downloader(QObject *parent = nullptr);

    // Refuses (by failed()) an address that update::isAllowedAddress rejects.
    void getData(const QUrl &url, const QString &fileName, int step);

signals:
    void onReady(int step, const QString &fileName, const QByteArray &body);
    // reason: Qt's error text or the refused status, for the tool tip and log.
    void failed(int step, const QString &fileName, const QString &reason);

private slots:
    void onReply(QNetworkReply *reply);

private:
    void abandonCurrent();

    QNetworkAccessManager *manager;
    QNetworkReply *current = nullptr;
    QString currentFileName;
    int currentStep = 0;
};
