#include "updater/TransferTimeout.h"

#include <QNetworkReply>

namespace spinledger {

TransferTimeout::TransferTimeout(QNetworkReply* reply, int timeoutMs) : QObject(reply), m_reply(reply)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &TransferTimeout::expire);
    connect(reply, &QNetworkReply::socketStartedConnecting, this, &TransferTimeout::restart);
    connect(reply, &QNetworkReply::requestSent, this, &TransferTimeout::restart);
    connect(reply, &QNetworkReply::metaDataChanged, this, &TransferTimeout::restart);
    connect(reply, &QNetworkReply::downloadProgress, this, &TransferTimeout::restart);
    connect(reply, &QNetworkReply::uploadProgress, this, &TransferTimeout::restart);
    connect(reply, &QNetworkReply::finished, &m_timer, &QTimer::stop);
    m_timer.start();
}

void TransferTimeout::restart()
{
    m_timer.start();
}

void TransferTimeout::expire()
{
    m_timedOut = true;
    m_reply->abort();
}

} // namespace spinledger
