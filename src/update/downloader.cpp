#include "downloader.h"

#include "updaterules.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <utility>

namespace {
Q_LOGGING_CATEGORY(lcUpdate, "ztconfig.update", QtInfoMsg)

// A server that stops sending should not leave the dialog waiting for ever.
constexpr int TransferTimeoutMs = 30000;
constexpr int HttpOk = 200;
} // namespace

Downloader::Downloader(QObject *parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
{
    connect(manager, &QNetworkAccessManager::finished, this, &Downloader::onReply);
}

void Downloader::getData(const QUrl &url, const QString &fileName, int step)
{
    abandonCurrent();
    qCDebug(lcUpdate) << "GET" << url.toDisplayString();
    if (!update::isAllowedAddress(url)) {
        emit failed(step, fileName, QStringLiteral("address refused: %1").arg(url.toDisplayString()));
        return;
    }
    QNetworkRequest request(url);
    // Redirects stay on the same scheme, host and port.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);
    request.setTransferTimeout(TransferTimeoutMs);
    currentFileName = fileName;
    currentStep = step;
    current = manager->get(request);
}

void Downloader::abandonCurrent()
{
    // Cleared first: abort() finishes the reply at once, and onReply must
    // see it as a stranger.
    if (QNetworkReply *old = std::exchange(current, nullptr))
        old->abort();
}

void Downloader::onReply(QNetworkReply *reply)
{
    reply->deleteLater();
    if (reply != current)
        return;
    current = nullptr;

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() != QNetworkReply::NoError) {
        qCDebug(lcUpdate) << "ERROR:" << reply->errorString();
        emit failed(currentStep, currentFileName, reply->errorString());
    } else if (status != HttpOk) {
        // A redirect the policy did not follow answers without an error.
        qCDebug(lcUpdate) << "ERROR: HTTP status" << status;
        emit failed(currentStep, currentFileName, QStringLiteral("HTTP status %1").arg(status));
    } else {
        qCDebug(lcUpdate) << "Downloading is completed:" << currentFileName;
        emit onReady(currentStep, currentFileName, reply->readAll());
    }
}
