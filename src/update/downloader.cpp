#include "downloader.h"

#include "updaterules.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcUpdate, "ztconfig.update", QtInfoMsg)

// A server that stops sending should not leave the dialog waiting for ever.
constexpr int TransferTimeoutMs = 30000;
constexpr int HttpOk = 200;
// Read from the socket no faster than the body is taken from the reply.
constexpr qint64 ReadBufferBytes = 64 * 1024;
constexpr qint64 BaseTransferMs = 60000;
constexpr qint64 SlowestBytesPerSecond = 16 * 1024;
} // namespace

Downloader::Downloader(QObject *parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
    , deadline(new QTimer(this))
{
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, [this] {
        stop(QStringLiteral("took longer than %1 s").arg(deadline->interval() / 1000));
    });
    connect(manager, &QNetworkAccessManager::finished, this, &Downloader::onReply);
}

int Downloader::wholeTransferLimitMs(qint64 maxBytes)
{
    return int(BaseTransferMs + maxBytes * 1000 / SlowestBytesPerSecond);
}

void Downloader::getData(const QUrl &url, const QString &fileName, int step, qint64 maxBytes, Sink sink)
{
    abandonCurrent();
    qCDebug(lcUpdate) << "GET" << url.toDisplayString() << "at most" << maxBytes << "bytes";
    if (!update::isAllowedAddress(url)) {
        emit failed(step, fileName, QStringLiteral("address refused: %1").arg(url.toDisplayString()), 0);
        return;
    }
    QNetworkRequest request(url);
    // Redirects stay on the same scheme, host and port.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(TransferTimeoutMs);
    // Asked for explicitly, Qt no longer offers gzip and unpacks nothing.
    request.setRawHeader("Accept-Encoding", "identity");
    currentFileName = fileName;
    currentStep = step;
    limit = maxBytes;
    received = 0;
    body.clear();
    this->sink = std::move(sink);
    stopReason.clear();

    QNetworkReply *reply = manager->get(request);
    current = reply;
    reply->setReadBufferSize(ReadBufferBytes);
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        if (reply == current)
            onHead();
    });
    connect(reply, &QIODevice::readyRead, this, [this, reply] {
        if (reply == current)
            onData();
    });
    deadline->start(wholeTransferLimitMs(maxBytes));
}

void Downloader::cancel()
{
    abandonCurrent();
    sink = nullptr;
}

void Downloader::abandonCurrent()
{
    deadline->stop();
    // Cleared first: abort() finishes the reply at once, and onReply must
    // see it as a stranger.
    if (QNetworkReply *old = std::exchange(current, nullptr))
        old->abort();
}

void Downloader::stop(const QString &reason)
{
    if (!current || !stopReason.isEmpty())
        return;
    stopReason = reason;
    current->abort(); // finishes the reply: onReply reports the reason
}

void Downloader::onHead()
{
    const QByteArray encoding = current->rawHeader("Content-Encoding").trimmed().toLower();
    const QVariant length = current->header(QNetworkRequest::ContentLengthHeader);
    if (!encoding.isEmpty() && encoding != "identity")
        stop(QStringLiteral("the server sent the body encoded (%1), not as it is").arg(QString::fromLatin1(encoding)));
    else if (length.isValid() && length.toLongLong() > limit)
        stop(QStringLiteral("the server announced %1 bytes, more than the %2 allowed").arg(length.toLongLong()).arg(limit));
}

void Downloader::onData()
{
    const QString problem = take(current);
    if (!problem.isEmpty())
        stop(problem);
}

QString Downloader::take(QNetworkReply *reply)
{
    while (reply->bytesAvailable() > 0) {
        // One byte more than the limit allows is enough to know.
        const QByteArray piece = reply->read(qMin(reply->bytesAvailable(), limit - received + 1));
        if (piece.isEmpty())
            break;
        received += piece.size();
        if (received > limit)
            return QStringLiteral("more than the %1 bytes allowed").arg(limit);
        if (sink) {
            if (!sink(piece))
                return QStringLiteral("the downloaded bytes could not be stored");
        } else {
            body += piece;
        }
    }
    return QString();
}

void Downloader::onReply(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != current)
        return;
    current = nullptr;
    deadline->stop();

    const int step = currentStep;
    const QString fileName = currentFileName;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString problem = stopReason;
    if (problem.isEmpty() && reply->error() != QNetworkReply::NoError)
        problem = reply->errorString();
    else if (problem.isEmpty() && status != HttpOk) // a redirect the policy did not follow answers without an error
        problem = QStringLiteral("HTTP status %1").arg(status);
    if (problem.isEmpty())
        problem = take(reply);
    sink = nullptr;
    if (!problem.isEmpty()) {
        body.clear();
        qCDebug(lcUpdate) << "ERROR:" << fileName << problem;
        emit failed(step, fileName, problem, status);
        return;
    }
    qCDebug(lcUpdate) << "Downloading is completed:" << fileName << received << "bytes";
    emit onReady(step, fileName, std::exchange(body, QByteArray()));
}
