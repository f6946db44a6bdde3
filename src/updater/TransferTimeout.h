#pragma once

#include <QObject>
#include <QTimer>

class QNetworkReply;

namespace spinledger {

// Aborts a transfer that makes no progress for stallMs (every step and every
// byte starts that time again), or that is not finished after limitMs in all.
// A time of 0 leaves that limit off.
class TransferTimeout : public QObject
{
    Q_OBJECT
public:
    TransferTimeout(QNetworkReply* reply, int stallMs, int limitMs);

    bool timedOut() const { return m_timedOut; }

    // Aborts reply once control is back in the event loop, as the caller may
    // be inside one of its signals. A reply that has ended meanwhile is left
    // alone: aborting it would report its end a second time.
    static void abortLater(QNetworkReply* reply);

private:
    void restartStall();
    void expire();

    QNetworkReply* m_reply;
    QTimer m_stall;
    QTimer m_limit;
    bool m_timedOut = false;
};

} // namespace spinledger
