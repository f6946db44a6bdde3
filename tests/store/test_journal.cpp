// A very large write alone on the file goes through a rollback journal; the file is back
// in the log's mode afterwards, after a killed write too, and nobody reads it half done.
#include "TestDb.h"
#include "store/IntegrityCheck.h"
#include "store/RollbackJournal.h"

#include <QtTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace spinledger;
using namespace spinledger::test;

namespace {

void addCasinos(Database& db, int count)
{
    for (int i = 0; i < count; ++i)
        db.prepare("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES (?1, 1)")
            .bind(1, QStringLiteral("Casino %1 with a name long enough to fill pages").arg(i))
            .run();
}

// The files a write killed in the middle of its transaction leaves: the
// database with the pages already written into it, and the journal with
// what they held before.
QString copyOfAKilledWrite(TestDb& t, const QString& folder)
{
    const RollbackJournal journal(t.db);
    setUp(journal.active(), "the write does not go through the journal");
    t.db.exec("PRAGMA cache_size=10"); // so that written pages leave the cache for the file
    Transaction tx(t.db);
    addCasinos(t.db, 3000);
    const QString copy = folder + QStringLiteral("/Spinledger.mdb");
    setUp(QFile::exists(t.app->connString + QStringLiteral("-journal")), "no journal beside the file");
    setUp(QFile::copy(t.app->connString, copy) &&
              QFile::copy(t.app->connString + QStringLiteral("-journal"), copy + QStringLiteral("-journal")),
          "the files cannot be copied");
    return copy;
}

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    // Alone the write goes through the journal and the log returns after it;
    // beside another connection it stays in the log.
    void theJournalOnlyWhenAlone()
    {
        for (const bool reader : {false, true}) {
            TestDb t;
            Database other;
            if (reader) {
                QVERIFY(
                    other.open(t.app->connString, AppContext::DatabasePassword, Database::Mode::ReadOnly));
                QVERIFY(other.prepare("SELECT COUNT(*) FROM ka_app_casino").next());
            }
            QCOMPARE(t.db.journalMode(), u"wal"_s);
            {
                const RollbackJournal journal(t.db);
                QCOMPARE(journal.active(), !reader);
                QCOMPARE(t.db.journalMode(), reader ? u"wal"_s : u"delete"_s);
                Transaction tx(t.db);
                addCasinos(t.db, 10);
                tx.commit();
            }
            QCOMPARE(t.db.journalMode(), u"wal"_s);
            QCOMPARE(t.rows("ka_app_casino"), 11);
            QVERIFY(!QFile::exists(t.app->connString + u"-journal"_s));
        }
    }

    void aKilledWriteIsUndoneAndTheLogReturnsOnTheNextOpen()
    {
        TestDb t;
        QTemporaryDir elsewhere;
        const QString copy = copyOfAKilledWrite(t, elsewhere.path());
        Database db;
        QVERIFY(db.open(copy, AppContext::DatabasePassword));
        QCOMPARE(db.journalMode(), u"wal"_s);
        Statement q = db.prepare("SELECT COUNT(*) FROM ka_app_casino");
        QVERIFY(q.next());
        QCOMPARE(q.integer(0), 1); // the casino of the installation, none of the killed write's
        QVERIFY(IntegrityCheck::quick(db).sound);
        QVERIFY(!QFile::exists(copy + u"-journal"_s));
    }

    // One who may not write the file cannot undo the killed write, so the
    // file is not shown to him at all.
    void aReaderWhoCannotWriteIsRefusedTheHalfDoneFile()
    {
        TestDb t;
        QTemporaryDir elsewhere;
        const QString copy = copyOfAKilledWrite(t, elsewhere.path());
        QVERIFY(chmod(QFile::encodeName(copy).constData(), 0444) == 0);
        QVERIFY(chmod(QFile::encodeName(copy + u"-journal"_s).constData(), 0444) == 0);
        QVERIFY(chmod(QFile::encodeName(elsewhere.path()).constData(), 0555) == 0);
        // As root every file is writable: the reader runs as "nobody".
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            if (geteuid() == 0 && setuid(65534) != 0)
                _exit(3);
            Database db;
            if (db.open(copy, AppContext::DatabasePassword, Database::Mode::ReadOnly))
                _exit(1);
            const bool told = db.lastReason().startsWith(u"a change to the database file did not end"_s);
            _exit(told ? 0 : 2);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        chmod(QFile::encodeName(elsewhere.path()).constData(), 0755);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "test_journal.moc"
