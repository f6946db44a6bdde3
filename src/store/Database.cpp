#include "store/Database.h"

#include <sqlite3.h>

#include "store/DbReason.h"
#include "store/RollbackJournal.h"
#include "store/StoreLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

Q_LOGGING_CATEGORY(lcStore, "spinledger.store")

namespace spinledger {

namespace {

QByteArray pageSizePragma(int size)
{
    return "PRAGMA cipher_page_size=" + QByteArray::number(size);
}

QString shortestNumber(double v)
{
    // 15 significant digits hide binary noise (0.1 + 0.2) and give "50" for 50.0.
    return QString::number(v, 'g', 15);
}
} // namespace

QString DbError::reason() const
{
    return DbReason::of(m_code);
}

// ---- Statement -------------------------------------------------------------

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_reset(m_stmt);
}

Statement& Statement::bind(int index, qint64 value)
{
    if (sqlite3_bind_int64(m_stmt, index, value) != SQLITE_OK)
        m_db->fail(QStringLiteral("bind"));
    return *this;
}

Statement& Statement::bind(int index, double value)
{
    if (sqlite3_bind_double(m_stmt, index, value) != SQLITE_OK)
        m_db->fail(QStringLiteral("bind"));
    return *this;
}

Statement& Statement::bind(int index, const QString& value)
{
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        m_db->fail(QStringLiteral("bind"));
    return *this;
}

Statement& Statement::bindNull(int index)
{
    if (sqlite3_bind_null(m_stmt, index) != SQLITE_OK)
        m_db->fail(QStringLiteral("bind"));
    return *this;
}

bool Statement::next()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    m_db->fail(QStringLiteral("step"));
}

void Statement::run()
{
    while (next()) {
    }
}

bool Statement::isNull(int col) const
{
    return sqlite3_column_type(m_stmt, col) == SQLITE_NULL;
}

qint64 Statement::integer(int col) const
{
    if (sqlite3_column_type(m_stmt, col) == SQLITE_TEXT)
        return text(col).toLongLong();
    return sqlite3_column_int64(m_stmt, col);
}

double Statement::real(int col) const
{
    if (sqlite3_column_type(m_stmt, col) == SQLITE_TEXT)
        return text(col).toDouble();
    return sqlite3_column_double(m_stmt, col);
}

QString Statement::text(int col) const
{
    switch (sqlite3_column_type(m_stmt, col)) {
    case SQLITE_NULL:
        return {};
    case SQLITE_INTEGER:
        return QString::number(sqlite3_column_int64(m_stmt, col));
    case SQLITE_FLOAT:
        return shortestNumber(sqlite3_column_double(m_stmt, col));
    default:
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col)),
                                 sqlite3_column_bytes(m_stmt, col));
    }
}

QByteArrayView Statement::utf8(int col) const
{
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, col));
    return bytes ? QByteArrayView(bytes, sqlite3_column_bytes(m_stmt, col)) : QByteArrayView();
}

// ---- Database --------------------------------------------------------------

Database::Database() = default;

Database::~Database()
{
    close();
}

void Database::remember(int code, const QString& message) const
{
    m_lastCode = code;
    m_lastError = message;
    m_lastReason =
        (code & 0xff) == SQLITE_READONLY && !m_heldReason.isEmpty() ? m_heldReason : DbReason::of(code);
    // The engine's own words stay in the log; the player reads the reason.
    qCWarning(lcStore).noquote() << "code" << code << message;
}

bool Database::open(const QString& path, const QString& password, Mode mode)
{
    close();
    m_lastError.clear();
    m_lastReason.clear();
    m_lastCode = 0;
    m_keyRefused = false;
    const QFileInfo file(path);
    if (mode != Mode::Create && !file.exists()) {
        remember(SQLITE_CANTOPEN, QStringLiteral("file not found: ") + path);
        m_lastReason = DbReason::missingFile();
        return false;
    }
    // The engine would take an empty file for a new database and answer
    // every later query with a missing table.
    if (mode != Mode::Create && file.isFile() && file.size() == 0) {
        remember(SQLITE_NOTADB, QStringLiteral("file is empty: ") + path);
        m_lastReason = DbReason::emptyFile();
        return false;
    }
    bool readOnlyConnection = false;
    int access = SQLITE_OPEN_READWRITE;
    bool immutable = false;
    if (mode == Mode::Create) {
        access = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    } else if (mode == Mode::ReadOnly) {
        if (QFileInfo::exists(path + QStringLiteral("-wal"))) {
            access = SQLITE_OPEN_READONLY; // a writer's log is there to join
        } else if (file.isWritable() && QFileInfo(file.absolutePath()).isWritable()) {
            readOnlyConnection = true; // a log made here is removed on close
        } else if (QFileInfo::exists(path + QStringLiteral("-journal"))) {
            // A write that did not end left its journal, and only a writer
            // can roll it back: the file alone would show it half done.
            access = SQLITE_OPEN_READONLY;
        } else {
            // Nobody writes the file now (a writer would keep its log), and a
            // log made here would be as unwritable as the file for the next run.
            access = SQLITE_OPEN_READONLY;
            immutable = true;
        }
    }
    const QString target = immutable
                               ? QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded) +
                                     QStringLiteral("?immutable=1")
                               : path;
    // Each thread has connections of its own (none is shared between
    // threads), so the engine's locking around every call buys nothing.
    if (!openHandle(target, access | SQLITE_OPEN_NOMUTEX | (immutable ? SQLITE_OPEN_URI : 0)))
        return false;
    const QByteArray key = password.toUtf8();
    m_pageSize = 0;
    if (!key.isEmpty()) {
        const int keyed = sqlite3_key(m_db, key.constData(), int(key.size()));
        if (keyed != SQLITE_OK)
            return abandonOpen(keyed, QStringLiteral("setting the key: ") +
                                          QString::fromUtf8(sqlite3_errstr(keyed)));
        m_pageSize = EarlierPageSize;
        // Larger pages make a long import markedly faster: fewer pages to
        // encrypt, to sign and to write.
        if (mode == Mode::Create && (!file.exists() || file.size() == 0) && !setPageSize(NewFilePageSize))
            return false;
    }
    QString message;
    const int rc = firstRead(message);
    if (!m_db)
        return false;
    if (rc != SQLITE_OK) {
        m_keyRefused = rc == SQLITE_NOTADB;
        return abandonOpen(sqlite3_extended_errcode(m_db), message);
    }
    sqlite3_busy_timeout(m_db, 2000);
    // A committed spin must survive a power cut: sync the log on every commit.
    if (!startPragma("PRAGMA synchronous=FULL") ||
        (readOnlyConnection && !startPragma("PRAGMA query_only=ON")))
        return false;
    if (mode == Mode::ReadWrite)
        restoreLog();
    m_path = path;
    m_password = password;
    return true;
}

int Database::firstRead(QString& message)
{
    // The key is only checked on the first read: a wrong password or a file
    // that is not a database fails here. The key derived for the first try
    // serves the second too, so a file of either size opens as fast.
    const auto read = [this, &message] {
        char* err = nullptr;
        const int rc = sqlite3_exec(m_db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &err);
        message = rc == SQLITE_OK ? QString() : QString::fromUtf8(err ? err : "cannot read database");
        sqlite3_free(err);
        return rc;
    };
    const int rc = read();
    if (rc != SQLITE_NOTADB || m_pageSize != EarlierPageSize)
        return rc;
    if (!setPageSize(NewFilePageSize))
        return SQLITE_ERROR; // the handle is closed, with the reason
    return read();
}

bool Database::setPageSize(int size)
{
    if (!startPragma(pageSizePragma(size).constData()))
        return false;
    m_pageSize = size;
    return true;
}

bool Database::abandonOpen(int code, const QString& message)
{
    remember(code, message);
    sqlite3_close(m_db);
    m_db = nullptr;
    return false;
}

bool Database::startPragma(const char* sql)
{
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &err) == SQLITE_OK)
        return true;
    const QString message =
        QString::fromUtf8(sql) + QStringLiteral(": ") + QString::fromUtf8(err ? err : sqlite3_errmsg(m_db));
    sqlite3_free(err);
    return abandonOpen(sqlite3_extended_errcode(m_db), message);
}

bool Database::openHandle(const QString& path, int flags)
{
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        remember(db ? sqlite3_extended_errcode(db) : SQLITE_NOMEM,
                 db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("out of memory"));
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    if (m_trace)
        traceStatements(m_trace);
    return true;
}

void Database::traceStatements(std::function<void(const char* sql)> onStatement)
{
    m_trace = std::move(onStatement);
    if (!m_db)
        return;
    const auto report = [](unsigned, void* self, void*, void* sql) -> int {
        const auto& trace = static_cast<Database*>(self)->m_trace;
        if (trace)
            trace(static_cast<const char*>(sql));
        return 0;
    };
    sqlite3_trace_v2(m_db, m_trace ? SQLITE_TRACE_STMT : 0, m_trace ? +report : nullptr, this);
}

void Database::holdWrites(const QString& reason)
{
    m_heldReason = reason;
    setQueryOnly("PRAGMA query_only=ON");
}

void Database::releaseWrites()
{
    m_heldReason.clear();
    setQueryOnly("PRAGMA query_only=OFF");
}

void Database::setQueryOnly(const char* sql)
{
    // Called where nothing may throw (the end of a check); a failure keeps
    // its reason as the connection's last one, in the log too.
    if (m_db && sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        remember(sqlite3_extended_errcode(m_db),
                 QString::fromUtf8(sql) + QStringLiteral(": ") + QString::fromUtf8(sqlite3_errmsg(m_db)));
}

void Database::copyInto(Database& target)
{
    if (!m_db || !target.m_db)
        throw DbError("database not open");
    // An encrypted copy takes the pages as they are, so it needs their size:
    // the copy of an earlier version's file keeps that file's small pages.
    if (m_pageSize != 0 && target.m_pageSize != m_pageSize) {
        target.exec(pageSizePragma(m_pageSize).constData());
        target.m_pageSize = m_pageSize;
    }
    sqlite3_backup* backup = sqlite3_backup_init(target.m_db, "main", m_db, "main");
    if (!backup)
        target.fail(QStringLiteral("backup"));
    // All pages in one step: the copy is of one moment, and a writer of this
    // process cannot come in between.
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) {
        const int code = stepped != SQLITE_DONE ? stepped : finished;
        const QString msg = QStringLiteral("backup: ") + QString::fromUtf8(sqlite3_errstr(code));
        remember(code, msg);
        throw DbError(msg.toStdString(), code);
    }
}

bool Database::rekey(const QString& newKey)
{
    m_lastError.clear();
    const QByteArray key = newKey.toUtf8();
    if (!m_db || key.isEmpty()) {
        m_lastError = m_db ? QCoreApplication::translate("Database", "an empty key")
                           : QCoreApplication::translate("Database", "the database is not open");
        return false;
    }
    // The new key goes over every page in one transaction, which only a
    // rollback journal keeps whole: the file leaves the log for it.
    try {
        const RollbackJournal journal(*this);
        if (journalMode() != QLatin1String("delete")) {
            m_lastError =
                QCoreApplication::translate("Database", "the database is in use by another program");
            return false;
        }
        const int rc = sqlite3_rekey(m_db, key.constData(), int(key.size()));
        if (rc != SQLITE_OK)
            m_lastError = QString::fromUtf8(sqlite3_errmsg(m_db));
        else
            m_password = newKey; // copies of the file take the key it has now
        return rc == SQLITE_OK;
    } catch (const DbError& e) {
        qCWarning(lcStore) << "the new key could not be set:" << e.what();
        m_lastError = QString::fromUtf8(e.what());
        return false;
    }
}

QString Database::journalMode()
{
    Statement q = prepare("PRAGMA journal_mode");
    return q.next() ? q.text(0) : QString();
}

QString Database::setJournalMode(const char* mode)
{
    // The pragma takes no bound value; the modes are our own constants.
    Statement q = prepare(std::string("PRAGMA journal_mode=") + mode);
    return q.next() ? q.text(0) : QString();
}

void Database::restoreLog()
{
    try {
        // What a killed write left half done was rolled back on the first
        // read, so the change of mode starts from a whole file.
        if (journalMode() == QLatin1String("delete") && setJournalMode("wal") != QLatin1String("wal"))
            qCWarning(lcStore) << "the file stays in rollback mode: another program has it open";
    } catch (const DbError& e) {
        qCWarning(lcStore) << "the file stays in rollback mode:" << e.what();
    }
}

void Database::close()
{
    for (auto& [sql, stmt] : m_cache)
        sqlite3_finalize(stmt);
    m_cache.clear();
    if (m_db)
        sqlite3_close(m_db);
    m_db = nullptr;
    m_heldReason.clear();
}

bool Database::hasTable(const char* name)
{
    Statement q = prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1");
    q.bind(1, name);
    return q.next();
}

Statement Database::prepare(const std::string& sql)
{
    if (!m_db)
        throw DbError("database not open");
    // The program has a fixed set of statement texts, so the cache stays small
    // and each is compiled once per process.
    auto it = m_cache.find(sql);
    if (it != m_cache.end()) {
        sqlite3_reset(it->second);
        sqlite3_clear_bindings(it->second);
        return Statement(*this, it->second);
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
        fail(QStringLiteral("prepare ") + QString::fromStdString(sql));
    m_cache.emplace(sql, stmt);
    return Statement(*this, stmt);
}

void Database::exec(const char* sql)
{
    if (!m_db)
        throw DbError("database not open");
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : "exec failed");
        sqlite3_free(err);
        remember(sqlite3_extended_errcode(m_db), msg);
        throw DbError(msg.toStdString(), m_lastCode);
    }
}

void Database::rollback(const char* sql)
{
    // When it fails, the engine has already rolled back.
    if (m_db)
        sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
}

qint64 Database::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

int Database::changes() const
{
    return m_db ? sqlite3_changes(m_db) : 0;
}

qint64 Database::totalChanges() const
{
    return m_db ? sqlite3_total_changes(m_db) : 0;
}

bool Database::inTransaction() const
{
    return m_db && !sqlite3_get_autocommit(m_db);
}

void Database::fail(const QString& what) const
{
    const QString msg =
        what + QStringLiteral(": ") + QString::fromUtf8(m_db ? sqlite3_errmsg(m_db) : "closed");
    remember(m_db ? sqlite3_extended_errcode(m_db) : 0, msg);
    throw DbError(msg.toStdString(), m_lastCode);
}

// ---- Transaction -----------------------------------------------------------

Transaction::Transaction(Database& db, Start start) : m_db(db), m_nested(db.inTransaction())
{
    m_db.exec(m_nested ? "SAVEPOINT nested" : start == Start::Immediate ? "BEGIN IMMEDIATE" : "BEGIN");
}

Transaction::~Transaction()
{
    // Quietly: the failure that ended the transaction keeps its reason.
    if (!m_done)
        m_db.rollback(m_nested ? "ROLLBACK TO nested; RELEASE nested" : "ROLLBACK");
}

void Transaction::commit()
{
    m_db.exec(m_nested ? "RELEASE nested" : "COMMIT");
    m_done = true;
}

} // namespace spinledger
