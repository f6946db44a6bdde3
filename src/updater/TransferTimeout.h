#pragma once

#include <QObject>
#include <QTimer>

class QNetworkReply;

namespace spinledger {

// Aborts a transfer that makes no progress for the given time: looking up the
// name, connecting, sending and receiving each get the full time again.
class TransferTimeout : public QObject
{
    Q_OBJECT
public:
    TransferTimeout(QNetworkReply* reply, int timeoutMs);

    bool timedOut() const { return m_timedOut; }

private:
    void restart();
    void expire();

    QNetworkReply* m_reply;
    QTimer m_timer;
    bool m_timedOut = false;
};

} // namespace spinledger
