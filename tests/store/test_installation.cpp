#include "store/Installation.h"

#include "TestDb.h"
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
