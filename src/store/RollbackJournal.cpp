#include "store/RollbackJournal.h"

#include "store/Database.h"
#include "store/StoreLog.h"

namespace spinledger {

RollbackJournal::RollbackJournal(Database& db) : m_db(db)
{
    try {
        if (db.journalMode() != QLatin1String("wal"))
            return;
        m_active = db.setJournalMode("delete") == QLatin1String("delete");
    } catch (const DbError& e) {
        qCInfo(lcStore) << "the write stays in the log:" << e.what();
    }
}

RollbackJournal::~RollbackJournal()
{
    if (!m_active)
        return;
    try {
        if (m_db.setJournalMode("wal") == QLatin1String("wal"))
            return;
        qCWarning(lcStore) << "the file stays in rollback mode until its next open";
    } catch (const DbError& e) {
        qCWarning(lcStore) << "the file stays in rollback mode until its next open:" << e.what();
    }
}

} // namespace spinledger
