#pragma once

namespace spinledger {

class Database;

// For a write, perhaps very large, by the only connection to the file. In WAL mode
// every page an uncommitted transaction writes is first looked up in the
// log's index, whose cost grows with the log: a write of millions of rows
// slows down more the longer it runs. A rollback journal has no such index.
// The file goes back to the log when the guard ends, and an open after a
// crash in between takes it back too. Where another connection has the file
// open, the mode cannot change and nothing does: the write goes to the log.
class RollbackJournal
{
public:
    explicit RollbackJournal(Database& db);
    ~RollbackJournal();
    RollbackJournal(const RollbackJournal&) = delete;
    RollbackJournal& operator=(const RollbackJournal&) = delete;

    // Whether the writes go through the rollback journal.
    bool active() const { return m_active; }

private:
    Database& m_db;
    bool m_active = false;
};

} // namespace spinledger
