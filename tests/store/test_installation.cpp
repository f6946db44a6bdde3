#include "store/Installation.h"

#include "TestDb.h"
#include "engine/SpinEngine.h"
#include "store/ErrorCodes.h"

#include <QtTest>

using namespace spinledger;
using spinledger::test::TestDb;

class TestInstallation : public QObject
{
    Q_OBJECT

private:
    QStringList m_status;

    Installation::Outcome prepare(TestDb& t, const QString& id)
    {
        m_status.clear();
        return Installation(*t.app).prepare(id, [this](const QString& s) { m_status << s; });
    }

    static QString settingText(TestDb& t, const char* table, const char* column)
    {
        Statement q = t.db.prepare(std::string("SELECT ") + column + " FROM " + table +
                                   " WHERE ka_app_setting_id = ?1");
        q.bind(1, t.app->settingId);
        return q.next() ? q.text(0) : QStringLiteral("<none>");
    }

    static qint64 rows(TestDb& t, const char* table)
    {
        return t.scalar(std::string("SELECT COUNT(*) FROM ") + table);
    }

private slots:
    void firstStartCreatesInstallationSettingsAndDemoCasino()
    {
        TestDb t(false);
        QCOMPARE(prepare(t, QStringLiteral("machine-1")), Installation::Outcome::Prepared);
        QCOMPARE(m_status,
                 (QStringList{QStringLiteral("Loading (sId).."), QStringLiteral("Loading (ldb)..")}));
        QCOMPARE(rows(t, "ka_app_setting"), 1);
        QCOMPARE(rows(t, "ka_app_r_setting"), 1);
        QCOMPARE(rows(t, "ka_app_m_setting"), 1);
        QCOMPARE(rows(t, "ka_app_casino"), 1);
        QVERIFY(t.app->settingId > 0);

        const qint64 demo = t.scalar("SELECT ka_app_casino_id FROM ka_app_casino WHERE "
                                     "ka_app_casino_name = 'Demo Casino'");
        QVERIFY(demo > 0);
        QCOMPARE(t.scalar("SELECT ka_app_setting_id FROM ka_app_casino"), t.app->settingId);
        QCOMPARE(t.app->currentCmbR, demo);
        QCOMPARE(t.app->currentCmbM, demo);
        QCOMPARE(settingText(t, "ka_app_r_setting", "cmbR").toLongLong(), demo);
        QCOMPARE(settingText(t, "ka_app_m_setting", "cmbM").toLongLong(), demo);

        // Black/Red is the only played category; 00 off, amount 0.
        for (const char* col :
             {"cbRNumbers", "cbREvenOdd", "cbRLowHi", "cbRDozens", "cbR2TO1", "cbR00", "tbRAmount"})
            QCOMPARE(settingText(t, "ka_app_r_setting", col), QStringLiteral("0"));
        for (const char* col : {"cbMNumbers", "cbMEvenOdd", "cbMLowHi", "cbM2TO1", "cbM00", "tbMAmount"})
            QCOMPARE(settingText(t, "ka_app_m_setting", col), QStringLiteral("0"));
        QCOMPARE(settingText(t, "ka_app_r_setting", "cbRBlackRed"), QStringLiteral("1"));
        QCOMPARE(settingText(t, "ka_app_m_setting", "cbMBlackRed"), QStringLiteral("1"));
    }

    void secondStartCreatesNothingAndOtherMachinesGetTheirOwn()
    {
        TestDb t(false);
        prepare(t, QStringLiteral("machine-1"));
        const qint64 first = t.app->settingId;
        const qint64 casino = t.app->currentCmbR;

        QCOMPARE(prepare(t, QStringLiteral("machine-1")), Installation::Outcome::Prepared);
        QCOMPARE(t.app->settingId, first);
        QCOMPARE(t.app->currentCmbR, casino);
        QCOMPARE(rows(t, "ka_app_setting"), 1);
        QCOMPARE(rows(t, "ka_app_r_setting"), 1);
        QCOMPARE(rows(t, "ka_app_casino"), 1);

        prepare(t, QStringLiteral("machine-2"));
        QVERIFY(t.app->settingId != first);
        QVERIFY(t.app->currentCmbR != casino);
        QCOMPARE(rows(t, "ka_app_setting"), 2);
        QCOMPARE(rows(t, "ka_app_casino"), 2);
    }

    void deletedCurrentCasinoFallsBackToTheFirstOne()
    {
        TestDb t(false);
        prepare(t, QStringLiteral("machine-1"));
        const qint64 demo = t.app->currentCmbR;
        const qint64 second = t.addCasino(QStringLiteral("Second"));
        t.db.prepare("UPDATE ka_app_m_setting SET cmbM = ?1").bind(1, second).run();
        QCOMPARE(prepare(t, QStringLiteral("machine-1")), Installation::Outcome::Prepared);
        QCOMPARE(t.app->currentCmbM, second);

        t.db.prepare("DELETE FROM ka_app_casino WHERE ka_app_casino_id = ?1").bind(1, second).run();
        prepare(t, QStringLiteral("machine-1"));
        QCOMPARE(t.app->currentCmbM, demo);
        QCOMPARE(settingText(t, "ka_app_m_setting", "cmbM").toLongLong(), demo);
        QCOMPARE(rows(t, "ka_app_casino"), 1);
    }

    void largeKeysSurvive()
    {
        TestDb t(false);
        t.db.exec("INSERT INTO ka_app_setting (ka_app_setting_id, ka_app_sId) VALUES (5000000000, 'big')");
        t.db.exec("INSERT INTO ka_app_casino (ka_app_casino_id, ka_app_casino_name, ka_app_setting_id) "
                  "VALUES (70000, 'Far', 5000000000)");
        QCOMPARE(prepare(t, QStringLiteral("big")), Installation::Outcome::Prepared);
        QCOMPARE(t.app->settingId, Q_INT64_C(5000000000));
        QCOMPARE(t.app->currentCmbR, Q_INT64_C(70000));
        QCOMPARE(settingText(t, "ka_app_r_setting", "cmbR"), QStringLiteral("70000"));
    }

    void emptyIdentifierStopsBeforeTheDatabase()
    {
        TestDb t(false);
        QCOMPARE(prepare(t, QStringLiteral("  ")), Installation::Outcome::NoIdentifier);
        QCOMPARE(m_status.last(), QStringLiteral("Unable to continue! Error Code: (sId)"));
        QCOMPARE(t.app->settingId, 0);
        QCOMPARE(rows(t, "ka_app_setting"), 0);
    }

    void unopenableDatabaseIsReported()
    {
        TestDb t(false);
        t.db.close();
        t.app->connString = t.dir.filePath(QStringLiteral("missing.mdb"));
        QCOMPARE(prepare(t, QStringLiteral("machine-1")), Installation::Outcome::NoDatabase);
        QCOMPARE(m_status.last(), QStringLiteral("Unable to continue! Error Code: (Load ldb)"));
    }

    // A file of an earlier version holds the twelve tables and their history,
    // no tally and no index: the start-up adds what is missing, and the first
    // spin of a casino recounts that casino's history.
    void earlierVersionsFileIsCompletedAndRecountedOnTheFirstSpin()
    {
        TestDb t(false, TestDb::Tables::DeliveredOnly);
        QCOMPARE(rows(t, "sqlite_master WHERE type = 'table' AND name LIKE 'ka_app%'"), 12);
        QCOMPARE(rows(t, "sqlite_master WHERE type = 'index'"), 0);
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

        QCOMPARE(prepare(t, QStringLiteral("machine-1")), Installation::Outcome::Prepared);
        QCOMPARE(rows(t, "sqlite_master WHERE type = 'table' AND name LIKE 'ka_app%'"), 14);
        QCOMPARE(t.app->currentCmbR, 5);
        t.db.exec("UPDATE ka_app_r_setting SET cbR00 = 1");
        SpinEngine engine(*t.app, Wheel::r());
        int notices = 0;
        engine.setLongWorkNotice([&] { ++notices; });
        const SpinOutcome out = engine.play(QStringLiteral("17"));
        QVERIFY2(out.status.ok, qPrintable(out.status.text));
        QCOMPARE(notices, 1);
        // The three earlier 17s were followed by 00, 0 and 00, all green.
        QMap<QString, int> counts;
        for (size_t i = 0; i < out.counts.size(); ++i) {
            if (out.counts[i])
                counts[Wheel::r().counters()[i].column] = out.counts[i];
        }
        QCOMPARE(counts, (QMap<QString, int>{{"RGreen", 3}, {"R0", 1}, {"R00", 2}}));
        // No advice before it, so Black/Red lost: two won, two lost.
        QCOMPARE(out.winPct[idx(CategoryId::BlackRed)], 50.0);
        // 0 and 00 are one earlier spin when matched, two values when followed.
        QStringList numbers;
        Statement q = t.db.prepare("SELECT tally_from, tally_to, tally_count FROM ka_app_r_tally "
                                   "WHERE cmbR = 5 AND tally_kind = 'follow:numbers' ORDER BY 1, 2");
        while (q.next())
            numbers << q.text(0) + u'>' + q.text(1) + u':' + q.text(2);
        QCOMPARE(numbers, (QStringList{"0>17:3", "17>0:1", "17>00:2"}));
        QCOMPARE(rows(t, "ka_app_r_tally WHERE cmbR = 9"), 0);
        QVERIFY(engine.play(QStringLiteral("0")).status.ok);
        QCOMPARE(notices, 1);
    }

    void failureLeavesNothingBehind()
    {
        TestDb t(false);
        t.db.exec("DROP TABLE ka_app_m_setting");
        QVERIFY_THROWS_EXCEPTION(DbError, prepare(t, QStringLiteral("machine-1")));
        QCOMPARE(rows(t, "ka_app_setting"), 0);
        QCOMPARE(rows(t, "ka_app_r_setting"), 0);
        QCOMPARE(rows(t, "ka_app_casino"), 0);
        QCOMPARE(t.app->settingId, 0);
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "test_installation.moc"
