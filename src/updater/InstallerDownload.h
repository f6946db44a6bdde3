#pragma once

#include "updater/UpdateConnection.h"

#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QSaveFile>

class QNetworkAccessManager;
class QNetworkReply;

namespace spinledger {

// Fetches the installer in chunks of at most 1024 bytes into a temporary file
// that replaces the target only when exactly the offered bytes have arrived
// (and match the offered SHA-256, when there is one). The user interface keeps
// running meanwhile, so the download can be cancelled.
class InstallerDownload : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 ChunkSize = 1024;

    // sha256: the digest to match; empty for none.
    InstallerDownload(QNetworkAccessManager& network, const UpdateConnection& connection, qint64 expectedSize,
                      const QByteArray& sha256);

    // Empty when the file is complete at localPath; else what went wrong, and
    // an older file at localPath is left as it was.
    QString run(const QUrl& url, const QString& localPath);
    void cancel();
    bool isRunning() const { return !m_reply.isNull(); }

signals:
    // Percentage of the expected bytes received so far, after every chunk.
    void progress(int percent);

private:
    void checkHeader();
    bool isWholeFile() const;
    void checkRedirect(const QUrl& target);
    void readChunks();
    void fail(const QString& text);
    QString outcome(bool timedOut) const;

    QNetworkAccessManager& m_network;
    UpdateConnection m_connection;
    qint64 m_expectedSize;
    QByteArray m_sha256;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    QPointer<QNetworkReply> m_reply;
    QSaveFile m_file;
    qint64 m_received = 0;
    int m_status = 0;
    QString m_failure;
};

} // namespace spinledger
