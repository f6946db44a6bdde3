#include "updater/InstallerDownload.h"

#include "updater/HalfEven.h"
#include "updater/TransferTimeout.h"
#include "updater/UpdateTexts.h"
#include "updater/UpdaterLog.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>

namespace spinledger {

InstallerDownload::InstallerDownload(QNetworkAccessManager& network, const UpdateConnection& connection,
                                     qint64 expectedSize, const QByteArray& sha256, QObject* parent)
    : QObject(parent), m_network(network), m_connection(connection), m_expectedSize(expectedSize),
      m_sha256(sha256)
{
}

InstallerDownload::~InstallerDownload()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
    }
}

void InstallerDownload::start(const QUrl& url, const QString& localPath)
{
    m_file.setFileName(localPath);
    const QString refusal = !m_connection.accepts(url)           ? updatetexts::InsecureUrl()
                            : !m_file.open(QIODevice::WriteOnly) ? updatetexts::writeFailed(localPath)
                                                                 : QString();
    if (!refusal.isEmpty()) {
        emit finished(refusal);
        return;
    }

    QNetworkRequest request(url);
    // Always the whole file from its first byte.
    request.setRawHeader("Range", "bytes=0-");
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    m_reply = m_network.get(request);
    m_timeout = new TransferTimeout(m_reply, m_connection.stallLimitMs, 0);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &InstallerDownload::checkHeader);
    connect(m_reply, &QNetworkReply::redirected, this, &InstallerDownload::checkRedirect);
    connect(m_reply, &QNetworkReply::readyRead, this, &InstallerDownload::readChunks);
    connect(m_reply, &QNetworkReply::finished, this, &InstallerDownload::received);
}

void InstallerDownload::received()
{
    readChunks();
    conclude(outcome(m_timeout->timedOut()));
}

void InstallerDownload::conclude(const QString& failure)
{
    QNetworkReply* reply = m_reply;
    m_reply.clear();
    reply->disconnect(this);
    TransferTimeout::abortLater(reply);
    reply->deleteLater();
    QString result = failure;
    if (!result.isEmpty()) {
        qCWarning(lcUpdater) << "the download failed:" << result << reply->errorString();
        m_file.cancelWriting();
        m_file.commit(); // only closes: the temporary file is dropped
    } else if (!m_file.commit()) {
        result = updatetexts::writeFailed(m_file.fileName());
    }
    emit finished(result);
}

void InstallerDownload::cancel()
{
    if (m_reply)
        conclude(m_failure.isEmpty() ? updatetexts::DownloadCancelled() : m_failure);
}

void InstallerDownload::checkHeader()
{
    m_status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    // A redirection is judged by checkRedirect.
    const bool redirection = m_status >= 300 && m_status < 400;
    if (m_status == 0 || redirection)
        return;
    const QVariant length = m_reply->header(QNetworkRequest::ContentLengthHeader);
    if (!isWholeFile())
        fail(updatetexts::downloadStatus(m_status));
    else if (length.isValid() && length.toLongLong() != m_expectedSize)
        fail(updatetexts::downloadSizeDiffers(length.toLongLong(), m_expectedSize));
}

bool InstallerDownload::isWholeFile() const
{
    return m_status == 200 || (m_status == 206 && m_reply->rawHeader("Content-Range").startsWith("bytes 0-"));
}

void InstallerDownload::checkRedirect(const QUrl& target)
{
    if (m_connection.accepts(target))
        emit m_reply->redirectAllowed();
    else
        fail(updatetexts::DownloadRedirect());
}

void InstallerDownload::readChunks()
{
    // A progress signal may have ended the download.
    while (m_reply && m_failure.isEmpty() && m_reply->bytesAvailable() > 0) {
        const QByteArray chunk = m_reply->read(ChunkSize);
        if (m_received + chunk.size() > m_expectedSize)
            return fail(updatetexts::downloadTooLong(m_expectedSize));
        if (m_file.write(chunk) != chunk.size())
            return fail(updatetexts::writeFailed(m_file.fileName()));
        m_hash.addData(chunk);
        m_received += chunk.size();
        emit progress(int(std::clamp<qint64>(divideHalfEven(m_received * 100, m_expectedSize), 0, 100)));
    }
}

void InstallerDownload::fail(const QString& text)
{
    if (m_failure.isEmpty())
        m_failure = text;
    if (m_reply)
        TransferTimeout::abortLater(m_reply);
}

QString InstallerDownload::outcome(bool timedOut) const
{
    if (!m_failure.isEmpty())
        return m_failure;
    if (timedOut)
        return updatetexts::DownloadTimedOut();
    if (m_status == 0)
        return updatetexts::DownloadUnreachable();
    if (!isWholeFile())
        return updatetexts::downloadStatus(m_status);
    if (m_received != m_expectedSize)
        return updatetexts::downloadShort(m_received, m_expectedSize);
    if (m_reply->error() != QNetworkReply::NoError)
        return updatetexts::DownloadUnreachable();
    if (!m_sha256.isEmpty() && m_hash.result() != m_sha256)
        return updatetexts::ChecksumMismatch();
    return {};
}

} // namespace spinledger
