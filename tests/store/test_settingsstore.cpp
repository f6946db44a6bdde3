// The database layer and the settings store: missing rows, trimming,
// refused names, transactions and the encrypted file.
#include "TestDb.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void missingRowReadsZeroAndIsCreatedOnWrite()
    {
        TestDb t(false);
        t.db.exec("INSERT INTO ka_app_setting (ka_app_sId) VALUES ('other')");
        t.app->settingId = t.db.lastInsertId();
        SettingsStore s(*t.app);
        const Result<QString> v = s.getSetting("ka_app_m_setting", "cbMNumbers");
        QVERIFY(v.ok());
        QCOMPARE(v.value(), u"0"_s);
        QCOMPARE(t.rows("ka_app_m_setting"), 0);

        QVERIFY(s.setSetting("ka_app_m_setting", "tbMAmount", "5").ok);
        QCOMPARE(t.rows("ka_app_m_setting"), 1);
        QCOMPARE(t.rows("ka_app_m_setting WHERE cbMNumbers IS NULL AND cmbM IS NULL"), qint64(1));
        QCOMPARE(s.getSetting("ka_app_m_setting", "tbMAmount").value(), u"5"_s);
        // A second write updates the same row.
        QVERIFY(s.setSetting("ka_app_m_setting", "tbMAmount", "2.5").ok);
        QCOMPARE(t.rows("ka_app_m_setting"), 1);
        QCOMPARE(s.getSetting("ka_app_m_setting", "tbMAmount").value(), u"2.5"_s);
    }

    void valuesComeBackTrimmedAndInTheirShortestForm()
    {
        TestDb t;
        SettingsStore s(*t.app);
        QVERIFY(s.setSetting("ka_app_r_setting", "tbRAmount", "5 ").ok);
        QCOMPARE(s.getSetting("ka_app_r_setting", "tbRAmount").value(), u"5"_s);
        QVERIFY(s.setSetting("ka_app_r_setting", "tbRAmount", "12.").ok);
        QCOMPARE(s.getSetting("ka_app_r_setting", "tbRAmount").value(), u"12"_s);
        const Result<WheelSettings> ws = s.wheelSettings(Wheel::r());
        QVERIFY(ws.ok());
        QCOMPARE(ws->amount, 12.0);
        QVERIFY(ws->played[idx(CategoryId::BlackRed)]);
        QVERIFY(!ws->played[idx(CategoryId::Numbers)]);
        QCOMPARE(ws->casino, t.casino);
    }

    void unknownNamesAreRefusedBeforeTheyReachTheDatabase()
    {
        TestDb t;
        SettingsStore s(*t.app);
        QVERIFY(!s.getSetting("ka_app_r_setting", "cbMNumbers").ok());
        QVERIFY(!s.getSetting("ka_app_casino", "ka_app_casino_name").ok());
        QVERIFY(!s.setSetting("ka_app_r_setting", "cmbR = 0; DROP TABLE ka_app_r; --", "1").ok);
        QVERIFY(!s.setSetting("ka_app_r_setting", "ka_app_setting_id", "7").ok);
        QCOMPARE(t.rows("ka_app_r_setting WHERE ka_app_setting_id = 7"), 0);
        // A value is bound, never spliced.
        QVERIFY(s.setSetting("ka_app_r_setting", "tbRAmount", "1'; DELETE FROM ka_app_r_setting; --").ok);
        QCOMPARE(t.rows("ka_app_r_setting"), 1);
    }

    void unreachableDatabaseGivesTheSettingsCode()
    {
        Database db;
        FakeClock clock;
        FakeRandom random;
        AppContext app(db, clock, random);
        app.setAppFolder(u"/nonexistent"_s);
        SettingsStore s(app);
        QCOMPARE(s.getSetting("ka_app_r_setting", "cmbR").status(),
                 u"Unable to continue! Error Code: (Setting ldb)"_s);
        QCOMPARE(s.setSetting("ka_app_r_setting", "cmbR", "1").text,
                 u"Unable to continue! Error Code: (Setting ldb)"_s);
    }

    void transactionRollsBackUnlessCommitted()
    {
        TestDb t;
        {
            Transaction tx(t.db);
            t.db.exec("INSERT INTO ka_app_casino (ka_app_casino_name) VALUES ('gone')");
        }
        QCOMPARE(t.rows("ka_app_casino WHERE ka_app_casino_name = 'gone'"), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, t.db.exec("INSERT INTO no_such_table VALUES (1)"));
    }

    void theFileIsEncryptedWithItsPassword()
    {
        TestDb t;
        Database other;
        QVERIFY(!other.open(t.app->connString, u"wrong"_s));
        QVERIFY(other.open(t.app->connString, AppContext::DatabasePassword));
        QFile f(t.app->connString);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(!f.read(16).startsWith("SQLite format 3"));
        QVERIFY(!other.open(t.dir.filePath("missing.mdb"), AppContext::DatabasePassword));
    }

    void oleDateNumbers()
    {
        QCOMPARE(OleStamp::fromDateTime(QDateTime(QDate(1899, 12, 31), QTime(0, 0))).date, 1.0);
        const OleStamp s = OleStamp::fromDateTime(QDateTime(QDate(1900, 1, 1), QTime(18, 0)));
        QCOMPARE(s.date, 2.0);
        QCOMPARE(s.time, 0.75);
        QCOMPARE(s.now, 2.75);
        QCOMPARE(OleStamp::fromDateTime(QDateTime(QDate(1900, 1, 1), QTime(8, 0))).time, 0.333333333333333);
        // Stamps sort numerically across midnight.
        QVERIFY(OleStamp::fromDateTime(QDateTime(QDate(2026, 1, 1), QTime(23, 59))).now <
                OleStamp::fromDateTime(QDateTime(QDate(2026, 1, 2), QTime(0, 1))).now);
    }
};

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settingsstore.moc"
