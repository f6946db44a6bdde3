#pragma once

#include "stats/Figures.h"
#include "store/AppContext.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <memory>

namespace spinledger {

// Computes the figures of a casino on a thread of its own, with a reader
// connection of its own that stays open between requests (opening derives
// the key). The window never waits; a newer request makes an older one stop
// early, and only the answer to the newest one comes back.
class StatsFetcher : public QObject
{
    Q_OBJECT
public:
    struct Query
    {
        QString databasePath;
        qint64 settingId = 0;
        QChar wheel;
        qint64 casino = 0;
        QString casinoName;
        QString key = AppContext::DatabasePassword; // of the file
        stats::SpinWindow window;
    };

    explicit StatsFetcher(QObject* parent = nullptr);
    ~StatsFetcher() override;

    void fetch(const Query& query);
    // No answer is wanted for the requests made so far.
    void cancel();
    // Cancels and closes the reader's connection, for a change of the key
    // that needs the file to itself; the next request opens it again.
    void release();
    // The status line of a statistics read or write that failed.
    static QString failureText();
    // A request is under way.
    bool busy() const { return m_busy; }
    // Returns once the worker has gone through every request made so far;
    // their answers may still wait in this thread's queue.
    void waitForWorker();

signals:
    void fetched(const spinledger::stats::Figures& figures);
    void failed(const QString& text);

private:
    void answer(quint64 id, const std::shared_ptr<const stats::Figures>& figures, const QString& error);

    QThread m_thread;
    QObject* m_worker = nullptr; // lives on m_thread
    std::shared_ptr<std::atomic<quint64>> m_latest;
    bool m_busy = false;
};

} // namespace spinledger
