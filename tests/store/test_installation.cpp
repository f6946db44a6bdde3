#include "store/Installation.h"

#include "TestDb.h"
#include "engine/SpinEngine.h"
#include "store/ErrorCodes.h"

#include <QtTest>

#include <numeric>

using namespace spinledger;
using spinledger::test::TestDb;
using namespace Qt::StringLiterals;

class TestInstallation : public QObject
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
    void firstStartCreatesInstallationSettingsAndDemoCasino()
    {
        TestDb t(false);
        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::Prepared);
        QCOMPARE(m_status, (QStringList{u"Loading (sId).."_s, u"Loading (ldb).."_s}));
        QCOMPARE(rowCounts(t), u"1 1 1 1"_s);
        const qint64 demo = t.scalar("SELECT ka_app_casino_id FROM ka_app_casino WHERE "
                                     "ka_app_casino_name = 'Demo Casino' AND ka_app_setting_id = 1");
        QCOMPARE(t.app->settingId, 1);
        QCOMPARE(QList<qint64>({t.app->currentCmbR, t.app->currentCmbM}), QList<qint64>({demo, demo}));
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
    }

    void secondStartCreatesNothingAndOtherMachinesGetTheirOwn()
    {
        TestDb t(false);
        prepare(t, u"machine-1"_s);
        const qint64 casino = t.app->currentCmbR;
        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::Prepared);
        QCOMPARE(QList<qint64>({t.app->settingId, t.app->currentCmbR}), QList<qint64>({1, casino}));
        QCOMPARE(rowCounts(t), u"1 1 1 1"_s);
        prepare(t, u"machine-2"_s);
        QVERIFY(t.app->settingId != 1 && t.app->currentCmbR != casino);
        QCOMPARE(rowCounts(t), u"2 2 2 2"_s);
    }

    void deletedCurrentCasinoFallsBackToTheFirstOne()
    {
        TestDb t(false);
        prepare(t, u"machine-1"_s);
        const qint64 demo = t.app->currentCmbR;
        const qint64 second = t.addCasino(u"Second"_s);
        t.db.prepare("UPDATE ka_app_m_setting SET cmbM = ?1").bind(1, second).run();
        prepare(t, u"machine-1"_s);
        QCOMPARE(t.app->currentCmbM, second);
        t.db.prepare("DELETE FROM ka_app_casino WHERE ka_app_casino_id = ?1").bind(1, second).run();
        prepare(t, u"machine-1"_s);
        QCOMPARE(t.app->currentCmbM, demo);
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
        QCOMPARE(t.app->currentCmbR, Q_INT64_C(70000));
        QCOMPARE(t.text("SELECT cmbR FROM ka_app_r_setting"), u"70000"_s);
    }

    void emptyIdentifierStopsBeforeTheDatabase()
    {
        TestDb t(false);
        QCOMPARE(prepare(t, u"  "_s), Installation::Outcome::NoIdentifier);
        QCOMPARE(m_status.last(), u"Unable to continue! Error Code: (sId)"_s);
        QCOMPARE(t.app->settingId, 0);
        QCOMPARE(t.rows("ka_app_setting"), 0);
    }

    void unopenableDatabaseIsReported()
    {
        TestDb t(false);
        t.db.close();
        t.app->connString = t.dir.filePath(u"missing.mdb"_s);
        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::NoDatabase);
        QCOMPARE(m_status.last(), u"Unable to continue! Error Code: (Load ldb)"_s);
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
        // Black/Red judgements: casino 5 won, won, lost; casino 9 won twice.
        for (const auto& [casino, verdict] : {std::pair{5, "Y"}, {5, "Y"}, {5, "N"}, {9, "Y"}, {9, "Y"}})
            t.db.prepare("INSERT INTO ka_app_r_win (ka_app_setting_id, ka_app_r_win_blackred, cmbR) "
                         "VALUES (3, ?1, ?2)")
                .bind(1, verdict)
                .bind(2, casino)
                .run();

        QCOMPARE(prepare(t, u"machine-1"_s), Installation::Outcome::Prepared);
        // The twelve, the two tallies and the statistics' settings.
        QCOMPARE(t.rows("sqlite_master WHERE type = 'table' AND name LIKE 'ka_app%'"), 15);
        QCOMPARE(t.app->currentCmbR, 5);
        t.db.exec("UPDATE ka_app_r_setting SET cbR00 = 1");
        SpinEngine engine(*t.app, Wheel::r());
        int notices = 0;
        engine.setLongWorkNotice([&] { ++notices; });
        const SpinOutcome out = engine.play(u"17"_s);
        QVERIFY2(out.status.ok, qPrintable(out.status.text));
        QCOMPARE(notices, 1);
        // The three earlier 17s were followed by 00, 0 and 00, all green, and nothing else.
        const auto count = [&](const char* c) {
            return out.counts[Wheel::r().counterIndex(QString::fromLatin1(c))];
        };
        QCOMPARE((QList<int>{count("RGreen"), count("R0"), count("R00"),
                             std::accumulate(out.counts.begin(), out.counts.end(), 0)}),
                 (QList<int>{3, 1, 2, 6}));
        // No advice before it, so Black/Red lost: two won, two lost.
        QCOMPARE(out.winPct[idx(CategoryId::BlackRed)], 50.0);
        // 0 and 00 are one earlier spin when matched, two values when followed.
        QCOMPARE(
            t.text("SELECT group_concat(tally_from || '>' || tally_to || ':' || tally_count, ' ') FROM "
                   "(SELECT * "
                   "FROM ka_app_r_tally WHERE cmbR = 5 AND tally_kind = 'follow:numbers' ORDER BY 3, 4)"),
            u"0>17:3 17>0:1 17>00:2"_s);
        QCOMPARE(t.rows("ka_app_r_tally WHERE cmbR = 9"), 0);
        QVERIFY(engine.play(u"0"_s).status.ok);
        QCOMPARE(notices, 1);
    }

    void failureLeavesNothingBehind()
    {
        TestDb t(false);
        t.db.exec("DROP TABLE ka_app_m_setting");
        QVERIFY_THROWS_EXCEPTION(DbError, prepare(t, u"machine-1"_s));
        QCOMPARE(t.rows("ka_app_setting") + t.rows("ka_app_r_setting") + t.rows("ka_app_casino"), 0);
        QCOMPARE(t.app->settingId, 0);
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
