#include "updaterules.h"

#include <QHostAddress>
#include <QVersionNumber>

#include <utility>

namespace update {

namespace {

constexpr auto DefaultBaseAddress = "https://updates.example.invalid/images/editor/downloads/software/updates/";

bool isLoopback(const QString &host)
{
    return host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
}

// A null version for anything but digits and dots, so that it is never newer.
// Trailing zeros are dropped by hand: QVersionNumber::normalized() came back
// empty here in optimised builds (GCC 12, Qt 5.15.8).
QVersionNumber numericVersion(const QString &text)
{
    const QString trimmed = text.trimmed();
    int suffixStart = 0;
    QVector<int> segments = QVersionNumber::fromString(trimmed, &suffixStart).segments();
    if (suffixStart != trimmed.size())
        return QVersionNumber();
    while (!segments.isEmpty() && segments.constLast() == 0)
        segments.removeLast();
    return QVersionNumber(std::move(segments));
}

} // namespace

QUrl baseAddress()
{
    const QString configured = qEnvironmentVariable(BaseAddressVariable);
    return QUrl(configured.isEmpty() ? QString::fromLatin1(DefaultBaseAddress) : configured);
}

bool isAllowedAddress(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    return url.scheme() == QLatin1String("https")
        || (url.scheme() == QLatin1String("http") && isLoopback(url.host()));
}

QUrl fileAddress(const QUrl &base, const QString &fileName)
{
    QString path = base.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    QUrl url = base;
    url.setPath(path + fileName, QUrl::DecodedMode);
    return url;
}

bool isNewerVersion(const QString &running, const QString &published)
{
    return numericVersion(published) > numericVersion(running);
}

bool isPlainFileName(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1String("..")))
        return false;
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || !c.isPrint())
            return false;
    }
    return true;
}

bool isStartableInstaller(const QString &name)
{
    return name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)
        || name.endsWith(QLatin1String(".msi"), Qt::CaseInsensitive);
}

} // namespace update
