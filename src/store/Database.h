#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

#include <stdexcept>
#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace spinledger {

// Raised by the database layer; operations catch it at their boundary and turn
// it into a status text, so no error crosses a user action.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const std::string& what, int code = 0) : std::runtime_error(what), m_code(code) {}
    // The engine's result code, 0 when the failure did not come from it.
    int code() const { return m_code; }
    // What went wrong in plain words; empty when the code has no sentence.
    QString reason() const;

private:
    int m_code;
};

class Database;

// A prepared statement with bound values. Statements are cached by the
// connection; a handle resets its statement when it goes out of scope, so no
// half-read query keeps a read snapshot open (which would stop the log from
// being checkpointed).
class Statement
{
public:
    Statement(Database& db, sqlite3_stmt* stmt) : m_db(&db), m_stmt(stmt) {}
    Statement(Statement&& other) noexcept : m_db(other.m_db), m_stmt(other.m_stmt), m_next(other.m_next)
    {
        other.m_stmt = nullptr;
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    Statement& operator=(Statement&&) = delete;
    ~Statement();

    Statement& bind(int index, qint64 value);
    Statement& bind(int index, int value) { return bind(index, static_cast<qint64>(value)); }
    Statement& bind(int index, double value);
    Statement& bind(int index, const QString& value);
    Statement& bindNull(int index);
    Statement& bind(int index, const std::optional<double>& value)
    {
        return value ? bind(index, *value) : bindNull(index);
    }
    Statement& bind(int index, const char* value) { return bind(index, QString::fromUtf8(value)); }
    // Binds the next parameter, starting at the first: for long value lists.
    template <typename T> Statement& add(const T& value) { return bind(m_next++, value); }
    Statement& addNull() { return bindNull(m_next++); }

    // Steps once; true while a row is available.
    bool next();
    // Runs a statement that returns no rows.
    void run();

    bool isNull(int col) const;
    qint64 integer(int col) const;
    double real(int col) const;
    // A column that holds an amount or nothing.
    std::optional<double> optionalReal(int col) const
    {
        return isNull(col) ? std::nullopt : std::optional<double>(real(col));
    }
    // Text of the column; numbers come back in their shortest decimal form.
    QString text(int col) const;
    // The stored bytes of a text column, valid until the next step; for
    // readers of many rows that pass text on unchanged.
    QByteArrayView utf8(int col) const;

private:
    Database* m_db;
    sqlite3_stmt* m_stmt;
    int m_next = 1;
};

// Owner of the one connection of the process. Opening derives the key of the
// encrypted file, which is slow, so the connection stays open once opened.
class Database
{
public:
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    enum class Mode
    {
        ReadWrite,
        Create,   // read and write; the file is made when missing
        ReadOnly, // readers beside a running program: nothing can be written
    };

    // Opens the file (must exist unless the mode creates it) with the password.
    // Returns false, with lastError() set, when the file cannot be opened or
    // the password does not fit. An empty password opens a plain database:
    // a scratch one in memory (":memory:") has no need of encryption, nor of
    // the slow derivation of its key.
    //
    // A reading open never leaves a log behind that a later run could not
    // open: beside a running writer it joins that writer's log, otherwise
    // it reads through a connection that may write nothing (whose log goes
    // with it), or, where it could not write anyway, the file alone.
    bool open(const QString& path, const QString& password, Mode mode = Mode::ReadWrite);
    bool isOpen() const { return m_db != nullptr; }
    void close();
    QString lastError() const { return m_lastError; }
    // The engine's code of the last failure (of an open or a statement), and
    // what it means in plain words.
    int lastCode() const { return m_lastCode; }
    QString lastReason() const { return m_lastReason; }
    // The last open failed on the first read of the file: the key does not
    // fit, or the file is no database at all (the two look the same).
    bool keyRefused() const { return m_keyRefused; }
    // Encrypts the whole file with another key in one transaction: afterwards
    // it opens with the new key only or, on false (lastError set), still with
    // the old one. Needs the file to itself: no other connection may be open.
    bool rekey(const QString& newKey);
    // The file's journal mode ("wal", "delete", "memory" …), and setting it:
    // the answer is the mode the file has afterwards, which stays the old one
    // where the engine could not change it.
    QString journalMode();
    QString setJournalMode(const char* mode);
    QString path() const { return m_path; }
    // The password the file was opened with: a copy of it gets the same.
    QString password() const { return m_password; }
    // The size of the file's encrypted pages: 4096 for a file made now,
    // 1024 for one an earlier version made (0 for a plain database).
    int pageSize() const { return m_pageSize; }
    static constexpr int NewFilePageSize = 4096;

    // Refuses every write until releaseWrites(); a refused write's reason is
    // the one given here ("the database file is still being checked").
    void holdWrites(const QString& reason);
    void releaseWrites();
    bool writesHeld() const { return !m_heldReason.isEmpty(); }

    // A consistent copy of the whole database into an open target, through
    // the engine's online backup, while this connection stays usable.
    void copyInto(Database& target);

    // Whether the file has the table: one from an earlier version may lack
    // the program's later additions.
    bool hasTable(const char* name);
    Statement prepare(const std::string& sql);
    Statement prepare(const char* sql) { return prepare(std::string(sql)); }
    Statement prepare(const QString& sql) { return prepare(sql.toStdString()); }
    void exec(const char* sql);
    void exec(const std::string& sql) { exec(sql.c_str()); }
    qint64 lastInsertId() const;
    int changes() const;
    // Rows written through this connection since it was opened.
    qint64 totalChanges() const;
    bool inTransaction() const;

    // Called with the text of every statement the connection starts to run
    // (its own transaction statements included), for tests and benchmarks
    // that count what an operation costs; an empty function stops it.
    void traceStatements(std::function<void(const char* sql)> onStatement);

    [[noreturn]] void fail(const QString& what) const;

private:
    friend class Transaction;
    void rollback(const char* sql);
    bool openHandle(const QString& path, int flags);
    // Closes the handle of an open that failed, keeping the reason; false.
    bool abandonOpen(int code, const QString& message);
    // The first read of the file, which checks the key: at the page size of
    // an earlier version's file, else at a new file's.
    int firstRead(QString& message);
    bool setPageSize(int size);
    // The engine's default, which every earlier version wrote with.
    static constexpr int EarlierPageSize = 1024;
    // One pragma of the open; false (the open abandoned) when it fails.
    bool startPragma(const char* sql);
    // Commits of this program sync the log only. A file in rollback mode (a
    // large write killed before it ended, or a file of an earlier version)
    // goes to the log; where it cannot, it still works, only slower.
    void restoreLog();
    void setQueryOnly(const char* sql);
    void remember(int code, const QString& message) const;

    sqlite3* m_db = nullptr;
    QString m_path;
    QString m_password;
    // The last failure, of an open or a statement.
    mutable QString m_lastError;
    mutable QString m_lastReason;
    mutable int m_lastCode = 0;
    QString m_heldReason;
    bool m_keyRefused = false;
    int m_pageSize = 0;
    std::unordered_map<std::string, sqlite3_stmt*> m_cache;
    std::function<void(const char*)> m_trace;
};

// Begins an immediate transaction; rolls back unless commit() was called.
// Inside another transaction it is a savepoint of that one: its commit keeps
// the work for the outer commit, its rollback undoes only its own part.
class Transaction
{
public:
    enum class Start
    {
        Immediate, // takes the write lock at once
        Deferred,  // takes it at the first write: for work that may write nothing
    };
    explicit Transaction(Database& db, Start start = Start::Immediate);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Database& m_db;
    bool m_nested;
    bool m_done = false;
};

} // namespace spinledger
