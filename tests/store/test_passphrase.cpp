// A passphrase of the player's instead of the built-in key: the file is
// re-encrypted in one step that completes or leaves the old key.
#include "InstalledFolder.h"
#include "TestDb.h"

#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

class TestPassphrase : public QObject
{
    Q_OBJECT

    static bool opensWith(const QString& path, const QString& key)
    {
        Database db;
        return db.open(path, key, Database::Mode::ReadOnly);
    }

private slots:
    // The file holds nothing readable without its key, a wrong key is told
    // from a file that is missing, and a passphrase replaces the built-in key.
    void passphraseReplacesTheBuiltInKey()
    {
        TestDb t;
        QVERIFY(!readFile(t.app->connString).startsWith("SQLite format 3"));
        t.db.exec("INSERT INTO ka_app_r (ka_app_setting_id, cmbR) VALUES (1, 1), (1, 1)");
        QVERIFY(!t.app->hasPassphrase());
        QVERIFY2(t.app->changeKey(u"correct horse"_s), qPrintable(t.db.lastError()));
        QVERIFY(t.app->hasPassphrase());
        QCOMPARE(t.app->key, u"correct horse"_s);
        Database other;
        QVERIFY(!other.open(t.app->connString, AppContext::DatabasePassword));
        QVERIFY(other.keyRefused());
        QVERIFY(!other.open(t.dir.filePath("missing.mdb"), u"wrong"_s));
        QVERIFY(!other.keyRefused());
        QCOMPARE(InstalledFolder::spins(t.app->connString, u"correct horse"_s), 2);
        // The connection that changed it goes on working, in its log mode.
        t.db.exec("INSERT INTO ka_app_r (ka_app_setting_id, cmbR) VALUES (1, 1)");
        QCOMPARE(t.text("PRAGMA journal_mode"), u"wal"_s);
        // Removed, the built-in key opens it again and the passphrase no more.
        QVERIFY(t.app->changeKey(AppContext::DatabasePassword));
        QVERIFY(!t.app->hasPassphrase());
        QVERIFY(opensWith(t.app->connString, AppContext::DatabasePassword));
        QVERIFY(!opensWith(t.app->connString, u"correct horse"_s));
    }

    // Another program reading the file: the key stays, whole.
    void busyFileKeepsItsKey()
    {
        TestDb t;
        t.db.exec("INSERT INTO ka_app_r (ka_app_setting_id, cmbR) VALUES (1, 1)");
        Database reader;
        QVERIFY(reader.open(t.app->connString, AppContext::DatabasePassword, Database::Mode::ReadOnly));
        reader.exec("BEGIN");
        Statement q = reader.prepare("SELECT COUNT(*) FROM ka_app_r");
        QVERIFY(q.next());
        QVERIFY(!t.app->changeKey(u"correct horse"_s));
        QVERIFY(!t.db.lastError().isEmpty());
        QVERIFY(!t.app->hasPassphrase());
        QCOMPARE(InstalledFolder::spins(t.app->connString), 1);
        QVERIFY(!opensWith(t.app->connString, u"correct horse"_s));
    }
};

QTEST_GUILESS_MAIN(TestPassphrase)
#include "test_passphrase.moc"
