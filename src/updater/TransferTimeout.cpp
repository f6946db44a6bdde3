#include "updater/TransferTimeout.h"

#include <QNetworkReply>

namespace spinledger {

TransferTimeout::TransferTimeout(QNetworkReply* reply, int stallMs, int limitMs)
    : QObject(reply), m_reply(reply)
{
    for (auto [timer, ms] : {std::pair{&m_stall, stallMs}, std::pair{&m_limit, limitMs}}) {
        timer->setSingleShot(true);
        timer->setInterval(ms);
        connect(timer, &QTimer::timeout, this, &TransferTimeout::expire);
        connect(reply, &QNetworkReply::finished, timer, &QTimer::stop);
        if (ms > 0)
            timer->start();
    }
    if (stallMs <= 0)
        return;
    connect(reply, &QNetworkReply::socketStartedConnecting, this, &TransferTimeout::restartStall);
    connect(reply, &QNetworkReply::requestSent, this, &TransferTimeout::restartStall);
    connect(reply, &QNetworkReply::metaDataChanged, this, &TransferTimeout::restartStall);
    connect(reply, &QNetworkReply::downloadProgress, this, &TransferTimeout::restartStall);
    connect(reply, &QNetworkReply::uploadProgress, this, &TransferTimeout::restartStall);
}

void TransferTimeout::restartStall()
{
    m_stall.start();
}

void TransferTimeout::abortLater(QNetworkReply* reply)
{
    QMetaObject::invokeMethod(
        reply,
        [reply] {
            if (reply->isRunning())
                reply->abort();
        },
        Qt::QueuedConnection);
}

void TransferTimeout::expire()
{
    m_timedOut = true;
    m_reply->abort();
}

} // namespace spinledger
