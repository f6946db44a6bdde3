// The store: the database file and its transactions, the settings, the
// installation a start prepares (an earlier version's file included) and the
// casinos with their history.
#include "TestDb.h"
#include "backup/BackupFolder.h"
#include "engine/SpinEngine.h"
#include "store/CasinoStore.h"
#include "store/Installation.h"
#include "store/OleDate.h"
#include "store/SettingsStore.h"

#include <QtTest>

#include <numeric>

#include <sqlite3.h>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

namespace {

const Wheel* const Wheels[] = {&Wheel::r(), &Wheel::m()};

// One row of the casino in every history table and tally of both wheels.
void addHistory(TestDb& t, qint64 casino)
{
    for (const Wheel* w : Wheels) {
        for (const QString& table : {w->spinTable(), w->adviseTable(), w->countTable(), w->winTable()})
            t.db.prepare(
                    u"INSERT INTO %1 (ka_app_setting_id, %2) VALUES (?1, ?2)"_s.arg(table, w->casinoSetting())
                        .toStdString())
                .bind(1, t.app->settingId)
                .bind(2, casino)
                .run();
        t.db.prepare(u"INSERT INTO %1 VALUES (?1, ?2, 'k', 'B', 'R', 3)"_s.arg(w->tallyTable()).toStdString())
            .bind(1, t.app->settingId)
            .bind(2, casino)
            .run();
    }
}

qint64 historyRows(TestDb& t, qint64 casino)
{
    qint64 n = 0;
    for (const Wheel* w : Wheels) {
        for (const QString& table :
             {w->spinTable(), w->adviseTable(), w->countTable(), w->winTable(), w->tallyTable()})
            n += t.scalar(u"SELECT COUNT(*) FROM %1 WHERE %2 = %3"_s.arg(table, w->casinoSetting())
                              .arg(casino)
                              .toStdString());
    }
    return n;
}

// The stored current casino of both wheels, and the context's.
QList<qint64> current(TestDb& t)
{
    return {t.scalar("SELECT cmbR FROM ka_app_r_setting"), t.scalar("SELECT cmbM FROM ka_app_m_setting"),
            t.app->currentCasino(Wheel::r()).id(), t.app->currentCasino(Wheel::m()).id()};
}

QStringList names(const Result<Casinos>& casinos)
{
    QStringList out;
    for (const Casino& c : casinos.value())
        out << c.name;
    return out;
}

} // namespace

class TestStore : public QObject
{
    Q_OBJECT

    QStringList m_status;

    Installation::Outcome prepare(TestDb& t, const QString& id)
    {
        m_status.clear();
        return Installation(*t.app).prepare(id, [this](const QString& s) { m_status << s; });
    }

    // Rows of the installation, settings, casino tables.
    static QString rowCounts(TestDb& t)
    {
        return u"%1 %2 %3 %4"_s.arg(t.rows("ka_app_setting"))
            .arg(t.rows("ka_app_r_setting"))
            .arg(t.rows("ka_app_m_setting"))
            .arg(t.rows("ka_app_casino"));
    }

private slots:
    void missingRowReadsZeroAndIsCreatedOnWrite()
    {
        TestDb t(false);
        t.db.exec("INSERT INTO ka_app_setting (ka_app_sId) VALUES ('other')");
        t.app->settingId = t.db.lastInsertId();
        SettingsStore s(*t.app);
        QCOMPARE(s.played(Wheel::m(), CategoryId::Numbers).value(), false);
        QCOMPARE(t.rows("ka_app_m_setting"), 0);
        // Values come back trimmed and in their shortest form; a second write updates the same row.
        for (const auto& [typed, stored] : {std::pair{"5 ", "5"}, {"12.", "12"}, {"2.5", "2.5"}}) {
            QVERIFY(s.setAmount(Wheel::m(), QString::fromLatin1(typed)).ok);
            QCOMPARE(s.wheelSettings(Wheel::m())->amountText, QString::fromLatin1(stored));
        }
        QCOMPARE(t.rows("ka_app_m_setting WHERE cbMNumbers IS NULL AND cmbM IS NULL"), qint64(1));
        QCOMPARE(t.rows("ka_app_m_setting"), 1);
        QCOMPARE(s.wheelSettings(Wheel::m())->amount, 2.5);
        // Values are bound, never spliced into the statement.
        QVERIFY(s.setAmount(Wheel::m(), u"1'; DELETE FROM ka_app_m_setting; --"_s).ok);
        QCOMPARE(t.rows("ka_app_m_setting"), 1);
        QVERIFY(s.setPlayed(Wheel::m(), CategoryId::Numbers, true).ok);
        QVERIFY(s.setZeroZero(Wheel::m(), true).ok);
        QCOMPARE(t.rows("ka_app_m_setting WHERE cbMNumbers = 1 AND cbM00 = 1 AND cbMBlackRed IS NULL"), 1);
    }

    void unreachableDatabaseGivesTheSettingsCode()
    {
        Database db;
        FakeClock clock;
        FakeRandom random;
        AppContext app(db, clock, random);
        app.setAppFolder(u"/nonexistent"_s);
        SettingsStore s(app);
        const QString line = u"Unable to continue! Error Code: (Setting ldb): the database file is missing"_s;
        QCOMPARE(s.played(Wheel::r(), CategoryId::BlackRed).status(), line);
        QCOMPARE(s.setCasino(Wheel::r(), 1).text, line);
    }

    // The player reads the sentence; the log keeps the engine's own words.
    void aFailedReadKeepsItsReasonInTheLog()
    {
        TestDb t;
        t.db.exec("DROP TABLE ka_app_r_setting");
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(u"^code 1 .*no such table: ka_app_r_setting$"_s));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(u"^a setting could not be read: .*no such table: "
                                                u"ka_app_r_setting$"_s));
        QCOMPARE(SettingsStore(*t.app).played(Wheel::r(), CategoryId::BlackRed).status(),
                 u"Unable to continue! Error Code: (Setting ldb): the database file does not hold what "
                 u"Spinledger expects"_s);
    }

    // Files an earlier version wrote have pages of 1 KiB, the engine's
    // default; files made now have pages of 4 KiB. Both open with their key
    // only, for writing and for reading, and a backup keeps the pages' size.
    void filesOfEitherPageSize()
    {
        for (const auto& [earlier, pageSize] : {std::pair{true, 1024}, std::pair{false, 4096}}) {
            QTemporaryDir dir;
            const QString path = dir.filePath(u"Spinledger.mdb"_s);
            const QByteArray key = "QMZTKA580417";
            if (earlier) {
                sqlite3* raw = nullptr;
                QCOMPARE(sqlite3_open(path.toUtf8().constData(), &raw), SQLITE_OK);
                QCOMPARE(sqlite3_key(raw, key.constData(), int(key.size())), SQLITE_OK);
                QCOMPARE(sqlite3_exec(raw, "CREATE TABLE t (v TEXT)", nullptr, nullptr, nullptr), SQLITE_OK);
                sqlite3_close(raw);
            } else {
                Database made;
                QVERIFY(made.open(path, QString::fromLatin1(key), Database::Mode::Create));
                made.exec("CREATE TABLE t (v TEXT)");
            }
            QCOMPARE(QFileInfo(path).size() % pageSize, 0);
            const QString copy = dir.filePath(u"copy.mdb"_s);
            {
                Database db;
                QVERIFY2(db.open(path, QString::fromLatin1(key)), qPrintable(db.lastError()));
                QCOMPARE(db.pageSize(), pageSize);
                db.prepare("INSERT INTO t VALUES (?1)").bind(1, u"spin"_s).run();
                QVERIFY(BackupFolder::copyTo(db, copy).ok);
            }
            for (const QString& file : {path, copy}) {
                Database reader;
                QVERIFY2(reader.open(file, QString::fromLatin1(key), Database::Mode::ReadOnly),
                         qPrintable(reader.lastError()));
                QCOMPARE(reader.pageSize(), pageSize);
                {
                    Statement q = reader.prepare("SELECT v FROM t");
                    QVERIFY(q.next());
                    QCOMPARE(q.text(0), u"spin"_s);
                }
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"code 26 .*"_s));
                Database wrongKey;
                QVERIFY(!wrongKey.open(file, u"QMZTKA580418"_s));
                QVERIFY(wrongKey.keyRefused());
            }
        }
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

    // The first start on a machine creates its installation, settings and demo
    // casino; a second creates nothing, another machine gets its own.
    void startsCreateTheInstallationOncePerMachine()
    {
        TestDb t(false);
        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::Prepared);
        QCOMPARE(m_status, (QStringList{u"Loading (sId).."_s, u"Loading (ldb).."_s}));
        QCOMPARE(rowCounts(t), u"1 1 1 1"_s);
        const qint64 demo = t.scalar("SELECT ka_app_casino_id FROM ka_app_casino WHERE "
                                     "ka_app_casino_name = 'Demo Casino' AND ka_app_setting_id = 1");
        QCOMPARE(t.app->settingId, 1);
        QCOMPARE(
            QList<qint64>({t.app->currentCasino(Wheel::r()).id(), t.app->currentCasino(Wheel::m()).id()}),
            QList<qint64>({demo, demo}));
        // Black/Red is the only played category; 00 off, amount 0 (1: true); both wheels on the demo casino.
        QCOMPARE(
            t.text("SELECT cbRNumbers || cbRBlackRed || cbREvenOdd || cbRLowHi || cbRDozens || cbR2TO1 || "
                   "cbR00 || ' ' || (tbRAmount = 0) || ' ' || cmbR FROM ka_app_r_setting WHERE "
                   "ka_app_setting_id = 1"),
            u"0100000 1 "_s + QString::number(demo));
        QCOMPARE(
            t.text("SELECT cbMNumbers || cbMBlackRed || cbMEvenOdd || cbMLowHi || cbM2TO1 || cbM00 || ' ' || "
                   "(tbMAmount = 0) || ' ' || cmbM FROM ka_app_m_setting WHERE ka_app_setting_id = 1"),
            u"010000 1 "_s + QString::number(demo));
        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::Prepared);
        QCOMPARE(QList<qint64>({t.app->settingId, t.app->currentCasino(Wheel::r()).id()}),
                 QList<qint64>({1, demo}));
        QCOMPARE(rowCounts(t), u"1 1 1 1"_s);
        prepare(t, u"machine-2"_s);
        QVERIFY(t.app->settingId != 1 && t.app->currentCasino(Wheel::r()).id() != demo);
        QCOMPARE(rowCounts(t), u"2 2 2 2"_s);
    }

    void deletedCurrentCasinoFallsBackToTheFirstOne()
    {
        TestDb t(false);
        prepare(t, u"machine-1"_s);
        const qint64 demo = t.app->currentCasino(Wheel::r()).id();
        const qint64 second = t.addCasino(u"Second"_s);
        t.db.prepare("UPDATE ka_app_m_setting SET cmbM = ?1").bind(1, second).run();
        prepare(t, u"machine-1"_s);
        QCOMPARE(t.app->currentCasino(Wheel::m()).id(), second);
        t.db.prepare("DELETE FROM ka_app_casino WHERE ka_app_casino_id = ?1").bind(1, second).run();
        prepare(t, u"machine-1"_s);
        QCOMPARE(t.app->currentCasino(Wheel::m()).id(), demo);
        QCOMPARE(t.scalar("SELECT cmbM FROM ka_app_m_setting"), demo);
        QCOMPARE(t.rows("ka_app_casino"), 1);
    }

    void largeKeysSurvive()
    {
        TestDb t(false);
        t.db.exec("INSERT INTO ka_app_setting (ka_app_setting_id, ka_app_sId) VALUES (5000000000, 'big')");
        t.db.exec("INSERT INTO ka_app_casino (ka_app_casino_id, ka_app_casino_name, ka_app_setting_id) "
                  "VALUES (70000, 'Far', 5000000000)");
        QCOMPARE(prepare(t, u"big"_s), Installation::Outcome::Prepared);
        QCOMPARE(t.app->settingId, Q_INT64_C(5000000000));
        QCOMPARE(t.app->currentCasino(Wheel::r()).id(), Q_INT64_C(70000));
        QCOMPARE(t.text("SELECT cmbR FROM ka_app_r_setting"), u"70000"_s);
    }

    // A start that fails leaves nothing behind; one without identifier or
    // database is reported.
    void failedStartsLeaveNothingAndAreReported()
    {
        TestDb t(false);
        t.db.exec("DROP TABLE ka_app_m_setting");
        QVERIFY_THROWS_EXCEPTION(DbError, prepare(t, u"machine-1"_s));
        QCOMPARE(t.rows("ka_app_setting") + t.rows("ka_app_r_setting") + t.rows("ka_app_casino"), 0);
        QCOMPARE(t.app->settingId, 0);
        QCOMPARE(prepare(t, u"  "_s), Installation::Outcome::NoIdentifier);
        QCOMPARE(m_status.last(), u"Unable to continue! Error Code: (sId)"_s);
        QCOMPARE(t.app->settingId, 0);
        QCOMPARE(t.rows("ka_app_setting"), 0);
        t.db.close();
        t.app->connString = t.dir.filePath(u"missing.mdb"_s);
        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::NoDatabase);
        QCOMPARE(m_status.last(),
                 u"Unable to continue! Error Code: (Load ldb): the database file is missing"_s);
    }

    // A file of an earlier version holds the twelve tables and their history,
    // no tally and no index: the start-up adds what is missing, and the first
    // spin of a casino recounts that casino's history.
    void earlierVersionsFileIsCompletedAndRecountedOnTheFirstSpin()
    {
        TestDb t(false, TestDb::Tables::DeliveredOnly);
        QCOMPARE(t.rows("sqlite_master WHERE type = 'table' AND name LIKE 'ka_app%'"), 12);
        QCOMPARE(t.rows("sqlite_master WHERE type = 'index'"), 0);
        t.db.exec("INSERT INTO ka_app_setting (ka_app_setting_id, ka_app_sId) VALUES (3, 'machine-1')");
        t.db.exec("INSERT INTO ka_app_casino VALUES (5, 'North', 3), (9, 'South', 3)");
        // Both casinos interleaved, oldest first; casino 5 has 17, 00, 17, 0, 17, 00.
        const std::pair<int, const char*> spins[] = {
            {5, "17:B:O:L:2:2"}, {9, "0:G::::"}, {5, "00:G::::"}, {9, "17:B:O:L:2:2"}, {5, "17:B:O:L:2:2"},
            {9, "32:R:E:H:3:2"}, {5, "0:G::::"}, {9, "00:G::::"}, {5, "17:B:O:L:2:2"}, {5, "00:G::::"}};
        double now = 46000;
        for (const auto& [casino, fields] : spins) {
            Statement q =
                t.db.prepare("INSERT INTO ka_app_r (ka_app_r_now, ka_app_setting_id, ka_app_r_numbers, "
                             "ka_app_r_blackred, ka_app_r_evenodd, ka_app_r_lowhi, ka_app_r_dozens, "
                             "ka_app_r_2to1, cmbR) VALUES (?1, 3, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
            q.add(now += 0.01);
            for (const QString& f : QString::fromLatin1(fields).split(u':'))
                q.add(f);
            q.add(casino).run();
        }
        // Black/Red judgements of black advice: casino 5 won, won, lost; casino 9 won twice.
        for (const auto& [casino, verdict] : {std::pair{5, "Y"}, {5, "Y"}, {5, "N"}, {9, "Y"}, {9, "Y"}}) {
            t.db.prepare("INSERT INTO ka_app_r_advise (ka_app_setting_id, ka_app_r_advise_blackred, cmbR) "
                         "VALUES (3, 'B', ?1)")
                .bind(1, casino)
                .run();
            t.db.prepare("INSERT INTO ka_app_r_win (ka_app_setting_id, ka_app_r_advise_id, "
                         "ka_app_r_win_blackred, cmbR) VALUES (3, ?1, ?2, ?3)")
                .bind(1, t.db.lastInsertId())
                .bind(2, verdict)
                .bind(3, casino)
                .run();
        }

        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::Prepared);
        QCOMPARE(t.app->currentCasino(Wheel::r()).id(), 5);
        t.db.exec("UPDATE ka_app_r_setting SET cbR00 = 1");
        SpinEngine engine(*t.app, Wheel::r());
        int notices = 0;
        engine.setLongWorkNotice([&] { ++notices; });
        const SpinOutcome out = engine.play(t.app->currentCasino(Wheel::r()).id(), u"17"_s);
        QVERIFY2(out.status.ok, qPrintable(out.status.text));
        QCOMPARE(notices, 1);
        // The three earlier 17s were followed by 00, 0 and 00, all green, and nothing else.
        const auto count = [&](const char* c) {
            return out.counts[Wheel::r().counterIndex(QString::fromLatin1(c))];
        };
        QCOMPARE((QList<int>{count("RGreen"), count("R0"), count("R00"),
                             std::accumulate(out.counts.begin(), out.counts.end(), 0)}),
                 (QList<int>{3, 1, 2, 6}));
        // The newest advice, black, won: three of four.
        QCOMPARE(out.winPct[idx(CategoryId::BlackRed)], 75.0);
        // 0 and 00 are one earlier spin when matched, two values when followed.
        QCOMPARE(
            t.text("SELECT group_concat(tally_from || '>' || tally_to || ':' || tally_count, ' ') FROM "
                   "(SELECT * "
                   "FROM ka_app_r_tally WHERE cmbR = 5 AND tally_kind = 'follow:numbers' ORDER BY 3, 4)"),
            u"0>17:3 17>0:1 17>00:2"_s);
        QCOMPARE(t.rows("ka_app_r_tally WHERE cmbR = 9"), 0);
        QVERIFY(engine.play(t.app->currentCasino(Wheel::r()).id(), u"0"_s).status.ok);
        QCOMPARE(notices, 1);
    }

    // Apostrophes go, the ends are trimmed; at most 100 characters as the player sees them.
    void cleanNames()
    {
        const QString smile = QString::fromUtf8("\U0001F600"),
                      flag = QString::fromUtf8("\U0001F1E9\U0001F1EA");
        // typed, cleaned, too long
        const std::tuple<QString, QString, bool> cases[] = {
            {u"  O'Hara's "_s, u"OHaras"_s, false},
            {QString(100, u'x') + u'\'', QString(100, u'x'), false},
            {QString(101, u'x'), QString(101, u'x'), true},
            {smile.repeated(101), smile.repeated(101), true},
            {flag.repeated(100), flag.repeated(100), false},
            {u"e\u0301"_s.repeated(101), u"e\u0301"_s.repeated(101), true}};
        for (const auto& [typed, cleaned, tooLong] : cases) {
            QCOMPARE(CasinoStore::cleanName(typed), cleaned);
            QVERIFY2(CasinoStore::tooLong(cleaned) == tooLong, qPrintable(cleaned));
        }
    }

    void addRenameAndListInIdOrder()
    {
        TestDb t;
        CasinoStore store(*t.app);
        const QString sqlText = u"Beta'); DROP TABLE ka_app_casino; --"_s;
        QCOMPARE(names(store.add(u"Alpha"_s)), (QStringList{"Demo Casino", "Alpha"}));
        const Result<Casinos> all = store.add(sqlText);
        const qint64 alpha = all->at(1).id;
        QVERIFY(all->at(2).id > alpha && alpha > t.casino);
        QCOMPARE(names(store.rename(alpha, u"Aleph"_s)), (QStringList{"Demo Casino", "Aleph", sqlText}));
        QCOMPARE(store.list()->at(1).id, alpha);
        QCOMPARE(current(t), (QList<qint64>{t.casino, t.casino, t.casino, t.casino}));
    }

    // Beside "Demo Casino", "Alpha" and "O'Hara" (as an earlier version's file may hold
    // it): a name another casino has, after cleaning and in any case, is refused and
    // nothing changes; renaming a casino to its own name in another case is no clash.
    void namesAnotherCasinoHasAreRefused()
    {
        // the casino renamed (empty: added), the name, the casino refused as holding it (empty: accepted)
        const char* const table[][3] = {
            {"", "Alpha", "Alpha"},
            {"", "  ALPHA ", "Alpha"},
            {"", "Al'pha", "Alpha"},
            {"", "OHARA", "O'Hara"},
            {"", "Alphas", ""},
            {"Alpha", "alpha", ""},
            {"Alpha", "DEMO casino", "Demo Casino"},
            {"Demo Casino", "ohara", "O'Hara"},
        };
        for (const auto& [renamed, name, holder] : table) {
            TestDb t;
            CasinoStore store(*t.app);
            const qint64 alpha = store.add(u"Alpha"_s)->back().id;
            t.db.prepare("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES "
                         "('O''Hara', ?1)")
                .bind(1, t.app->settingId)
                .run();
            const QString typed = QString::fromLatin1(name);
            const Result<Casinos> after =
                !*renamed ? store.add(typed)
                          : store.rename(qstrcmp(renamed, "Alpha") == 0 ? alpha : t.casino, typed);
            if (!*holder) {
                QVERIFY2(after.ok(), qPrintable(after.status()));
                continue;
            }
            QCOMPARE(after.status(),
                     u"Another casino is already named \"%1\": choose another name."_s.arg(holder));
            QCOMPARE(names(store.list()), (QStringList{"Demo Casino", "Alpha", "O'Hara"}));
        }
    }

    // How the command line creates a casino together with its imported
    // spins: the add is a part of the outer transaction.
    void addedInsideAnOuterTransactionGoesWithIt()
    {
        TestDb t;
        CasinoStore store(*t.app);
        for (const bool commit : {false, true}) {
            Transaction outer(t.db);
            QVERIFY(store.add(commit ? u"Kept"_s : u"Rolled back"_s).ok());
            if (commit)
                outer.commit();
        }
        QCOMPARE(names(store.list()), (QStringList{u"Demo Casino"_s, u"Kept"_s}));
    }

    void removalTakesTheWholeHistoryOfBothWheelsAndNothingElse()
    {
        TestDb t;
        CasinoStore store(*t.app);
        const qint64 other = store.add(u"Other"_s)->back().id;
        addHistory(t, t.casino);
        addHistory(t, other);
        QCOMPARE(historyRows(t, t.casino), 10);
        QCOMPARE(names(store.remove(other)), QStringList{"Demo Casino"});
        QCOMPARE(historyRows(t, other), 0);
        QCOMPARE(historyRows(t, t.casino), 10);
        // Neither wheel used it, so both stay where they were.
        QCOMPARE(current(t), (QList<qint64>{t.casino, t.casino, t.casino, t.casino}));
    }

    void aWheelWhoseCasinoGoesMovesToTheLowestRemaining()
    {
        TestDb t;
        CasinoStore store(*t.app);
        store.add(u"B"_s);
        const Result<Casinos> all = store.add(u"C"_s);
        const qint64 b = all->at(1).id, c = all->at(2).id;
        t.db.prepare("UPDATE ka_app_m_setting SET cmbM = ?1").bind(1, c).run();
        QVERIFY(store.remove(t.casino).ok());
        QCOMPARE(current(t), (QList<qint64>{b, c, b, c}));
        // The last casino gone, the settings keep its id until the next start.
        store.remove(b);
        addHistory(t, c);
        QVERIFY(store.remove(c)->empty());
        QCOMPARE(historyRows(t, c), 0);
        QCOMPARE(current(t), (QList<qint64>{c, c, c, c}));
    }

    void largeIdsAndUnownedCasinosAreAdopted()
    {
        TestDb t;
        CasinoStore store(*t.app);
        t.db.exec("INSERT INTO ka_app_casino (ka_app_casino_id, ka_app_casino_name) VALUES (70000, 'Far')");
        t.db.exec("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES ('Zero', 0)");
        QCOMPARE(names(store.list()), QStringList{"Demo Casino"});
        QCOMPARE(names(store.settle()), (QStringList{"Demo Casino", "Far", "Zero"}));
        store.remove(t.casino);
        QCOMPARE(current(t), (QList<qint64>{70000, 70000, 70000, 70000}));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
