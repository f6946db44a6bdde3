#include "statsview/StatsFetcher.h"

#include "stats/CasinoStatistics.h"
#include "stats/StatsLog.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/ErrorCodes.h"

namespace spinledger {

namespace {

// The reader of the worker thread; created, used and deleted there.
class Reader : public QObject
{
public:
    Database* open(const QString& path, const QString& key)
    {
        if (m_db.isOpen() && m_db.path() == path && m_key == key)
            return &m_db;
        m_key = key;
        return m_db.open(path, key, Database::Mode::ReadOnly) ? &m_db : nullptr;
    }
    void close() { m_db.close(); }

private:
    Database m_db;
    QString m_key;
};

} // namespace

StatsFetcher::StatsFetcher(QObject* parent)
    : QObject(parent), m_worker(new Reader), m_latest(std::make_shared<std::atomic<quint64>>(0))
{
    m_thread.setObjectName(QStringLiteral("statistics"));
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

StatsFetcher::~StatsFetcher()
{
    // A computation under way stops at its next look at the flags.
    cancel();
    m_thread.requestInterruption();
    m_thread.quit();
    m_thread.wait();
}

void StatsFetcher::fetch(const Query& query)
{
    const quint64 id = m_latest->fetch_add(1) + 1;
    m_busy = true;
    auto* reader = static_cast<Reader*>(m_worker);
    const std::shared_ptr<std::atomic<quint64>> latest = m_latest;
    QMetaObject::invokeMethod(reader, [this, reader, latest, id, query] {
        if (latest->load() != id)
            return;
        const auto outdated = [latest, id] {
            return latest->load() != id || QThread::currentThread()->isInterruptionRequested();
        };
        std::shared_ptr<const stats::Figures> figures;
        QString error = failureText();
        if (Database* db = reader->open(query.databasePath, query.key)) {
            try {
                stats::StatsRequest request = stats::StatsSettings::request(
                    *db, query.settingId, *Wheel::byLetter(query.wheel), query.casino);
                request.window = query.window;
                if (std::optional<stats::Figures> f =
                        stats::CasinoStatistics::compute(*db, request, outdated)) {
                    f->casinoName = query.casinoName;
                    figures = std::make_shared<const stats::Figures>(std::move(*f));
                }
            } catch (const DbError& e) {
                qCWarning(lcStats) << "the statistics could not be read:" << e.what();
                // Reported below; the next request tries again.
            }
        }
        if (outdated())
            return;
        QMetaObject::invokeMethod(
            this, [this, id, figures, error] { answer(id, figures, error); }, Qt::QueuedConnection);
    });
}

void StatsFetcher::release()
{
    cancel();
    auto* reader = static_cast<Reader*>(m_worker);
    QMetaObject::invokeMethod(
        reader, [reader] { reader->close(); }, Qt::BlockingQueuedConnection);
}

void StatsFetcher::waitForWorker()
{
    QMetaObject::invokeMethod(
        m_worker, [] {}, Qt::BlockingQueuedConnection);
}

void StatsFetcher::cancel()
{
    m_latest->fetch_add(1);
    m_busy = false;
}

QString StatsFetcher::failureText()
{
    return errorLine(QStringLiteral("stats ldb"));
}

void StatsFetcher::answer(quint64 id, const std::shared_ptr<const stats::Figures>& figures,
                          const QString& error)
{
    if (id != m_latest->load())
        return;
    m_busy = false;
    if (figures)
        emit fetched(*figures);
    else
        emit failed(error);
}

} // namespace spinledger
