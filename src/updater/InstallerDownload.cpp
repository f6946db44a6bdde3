#include "updater/InstallerDownload.h"

#include "updater/HalfEven.h"
#include "updater/TransferTimeout.h"
#include "updater/UpdateOffer.h"
#include "updater/UpdateTexts.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace spinledger {

InstallerDownload::InstallerDownload(QNetworkAccessManager& network, int timeoutMs, qint64 expectedSize)
    : m_network(network), m_timeoutMs(timeoutMs), m_expectedSize(expectedSize)
{
}

QString InstallerDownload::run(const QUrl& url, const QString& localPath)
{
    if (!UpdateOffer::isTrustedDownloadUrl(url))
        return updatetexts::InsecureUrl;
    m_file.setFileName(localPath);
    if (!m_file.open(QIODevice::WriteOnly))
        return updatetexts::writeFailed(localPath);

    QNetworkRequest request(url);
    // Always the whole file from its first byte.
    request.setRawHeader("Range", "bytes=0-");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = m_network.get(request);
    m_reply = reply;
    const auto* timeout = new TransferTimeout(reply, m_timeoutMs);
    connect(reply, &QNetworkReply::metaDataChanged, this, &InstallerDownload::checkHeader);
    connect(reply, &QNetworkReply::redirected, this, &InstallerDownload::checkRedirect);
    connect(reply, &QNetworkReply::readyRead, this, &InstallerDownload::readChunks);

    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    readChunks();

    const QString result = outcome(timeout->timedOut());
    reply->deleteLater();
    m_reply.clear();
    if (!result.isEmpty()) {
        m_file.cancelWriting();
        m_file.commit(); // only closes: the temporary file is dropped
        return result;
    }
    if (!m_file.commit())
        return updatetexts::writeFailed(localPath);
    return {};
}

void InstallerDownload::cancel()
{
    if (m_reply)
        fail(updatetexts::DownloadCancelled);
}

void InstallerDownload::checkHeader()
{
    m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    m_contentLength = length.isValid() ? length.toLongLong() : -1;
    // A redirection is judged by checkRedirect.
    const bool redirection = m_status >= 300 && m_status < 400;
    if (m_status != 0 && !redirection && !isWholeFile())
        fail(updatetexts::downloadStatus(m_status));
}

bool InstallerDownload::isWholeFile() const
{
    return m_status == 200 || (m_status == 206 && m_reply->rawHeader("Content-Range").startsWith("bytes 0-"));
}

void InstallerDownload::checkRedirect(const QUrl& target)
{
    if (UpdateOffer::isTrustedDownloadUrl(target))
        emit m_reply->redirectAllowed();
    else
        fail(updatetexts::DownloadRedirect);
}

void InstallerDownload::readChunks()
{
    if (!m_reply || !m_failure.isEmpty())
        return;
    while (m_reply->bytesAvailable() > 0) {
        const QByteArray chunk = m_reply->read(ChunkSize);
        if (m_file.write(chunk) != chunk.size())
            return fail(updatetexts::writeFailed(m_file.fileName()));
        m_received += chunk.size();
        if (const qint64 total = totalForProgress(); total > 0)
            emit progress(int(divideHalfEven(m_received * 100, total)));
    }
}

void InstallerDownload::fail(const QString& text)
{
    if (m_failure.isEmpty())
        m_failure = text;
    // Queued: the reply may still be inside its own signal.
    if (m_reply && m_reply->isRunning())
        QMetaObject::invokeMethod(m_reply, &QNetworkReply::abort, Qt::QueuedConnection);
}

QString InstallerDownload::outcome(bool timedOut) const
{
    if (!m_failure.isEmpty())
        return m_failure;
    if (timedOut)
        return updatetexts::DownloadTimedOut;
    if (m_status == 0)
        return updatetexts::DownloadUnreachable;
    if (!isWholeFile())
        return updatetexts::downloadStatus(m_status);
    if (m_contentLength >= 0 && m_received != m_contentLength)
        return updatetexts::downloadShort(m_received, m_contentLength);
    if (m_received != m_expectedSize)
        return updatetexts::downloadShort(m_received, m_expectedSize);
    if (m_reply->error() != QNetworkReply::NoError)
        return updatetexts::DownloadUnreachable;
    return {};
}

qint64 InstallerDownload::totalForProgress() const
{
    return m_contentLength > 0 ? m_contentLength : m_expectedSize;
}

} // namespace spinledger
