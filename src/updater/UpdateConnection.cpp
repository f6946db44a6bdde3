#include "updater/UpdateConnection.h"

#include <QHostAddress>

namespace spinledger {

namespace {

bool isLoopback(const QString& host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

bool UpdateConnection::accepts(const QUrl& url) const
{
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    return allowLocalHttp && scheme == QLatin1String("http") && isLoopback(url.host());
}

} // namespace spinledger
