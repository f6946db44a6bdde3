#pragma once

#include "updater/UpdateConnection.h"

#include <QCryptographicHash>
#include <QObject>
#include <QPointer>
#include <QSaveFile>

class QNetworkAccessManager;
class QNetworkReply;

namespace spinledger {

class TransferTimeout;

// Fetches the installer in chunks of at most 1024 bytes into a temporary file
// that replaces the target only when exactly the offered bytes have arrived
// (and match the offered SHA-256, when there is one). The bytes arrive through
// the event loop, so the user interface keeps running and the download can be
// cancelled.
class InstallerDownload : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 ChunkSize = 1024;

    // sha256: the digest to match; empty for none.
    InstallerDownload(QNetworkAccessManager& network, const UpdateConnection& connection, qint64 expectedSize,
                      const QByteArray& sha256, QObject* parent = nullptr);
    // A running download ends without a word; its temporary file goes.
    ~InstallerDownload() override;

    // Begins the download; finished tells how it ended, at once when it
    // cannot begin.
    void start(const QUrl& url, const QString& localPath);
    // Ends a running download at once, with finished.
    void cancel();
    bool isRunning() const { return !m_reply.isNull(); }

signals:
    // Percentage of the expected bytes received so far, after every chunk.
    void progress(int percent);
    // Empty when the file is complete at its path; else what went wrong, and
    // an older file at that path is left as it was.
    void finished(const QString& failure);

private:
    void checkHeader();
    bool isWholeFile() const;
    void checkRedirect(const QUrl& target);
    void readChunks();
    void fail(const QString& text);
    void received();
    QString outcome(bool timedOut) const;
    // Lets go of the reply, keeps the file only when nothing went wrong, and
    // says so.
    void conclude(const QString& failure);

    QNetworkAccessManager& m_network;
    UpdateConnection m_connection;
    qint64 m_expectedSize;
    QByteArray m_sha256;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    QPointer<QNetworkReply> m_reply;
    const TransferTimeout* m_timeout = nullptr;
    QSaveFile m_file;
    qint64 m_received = 0;
    int m_status = 0;
    QString m_failure;
};

} // namespace spinledger
