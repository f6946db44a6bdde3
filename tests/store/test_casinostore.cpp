#include "store/CasinoStore.h"

#include "TestDb.h"
#include "wheel/Wheel.h"

#include <QtTest>

using namespace spinledger;
using spinledger::test::TestDb;

class TestCasinoStore : public QObject
{
    Q_OBJECT

private:
    // One row per history table and one tally of the casino on both wheels.
    static void addHistory(TestDb& t, qint64 casino)
    {
        for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
            for (const QString& table : {w->spinTable(), w->adviseTable(), w->countTable(), w->winTable()}) {
                t.db.prepare(QStringLiteral("INSERT INTO %1 (ka_app_setting_id, %2) VALUES (?1, ?2)")
                                 .arg(table, w->casinoSetting())
                                 .toStdString())
                    .bind(1, t.app->settingId)
                    .bind(2, casino)
                    .run();
            }
            t.db.prepare(
                    QStringLiteral("INSERT INTO %1 (ka_app_setting_id, %2, tally_kind, tally_from, tally_to, "
                                   "tally_count) VALUES (?1, ?2, 'c', 'B', 'R', 3)")
                        .arg(w->tallyTable(), w->casinoSetting())
                        .toStdString())
                .bind(1, t.app->settingId)
                .bind(2, casino)
                .run();
        }
    }

    // Rows of the casino over the four history tables and the tally of both wheels.
    static qint64 historyRows(TestDb& t, qint64 casino)
    {
        qint64 n = 0;
        for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
            for (const QString& table :
                 {w->spinTable(), w->adviseTable(), w->countTable(), w->winTable(), w->tallyTable()}) {
                Statement q = t.db.prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?1")
                                               .arg(table, w->casinoSetting())
                                               .toStdString());
                q.bind(1, casino);
                q.next();
                n += q.integer(0);
            }
        }
        return n;
    }

    static qint64 storedCurrent(TestDb& t, const Wheel& w)
    {
        return t.scalar(
            QStringLiteral("SELECT %1 FROM %2").arg(w.casinoSetting(), w.settingsTable()).toStdString());
    }

    static QStringList names(CasinoStore& store)
    {
        QStringList out;
        const Result<std::vector<Casino>> rows = store.list();
        for (const Casino& c : rows.value())
            out << c.name;
        return out;
    }

private slots:
    void namesLoseApostrophesAndBlanks()
    {
        QCOMPARE(CasinoStore::cleanName(QStringLiteral("  O'Hara's ")), QStringLiteral("OHaras"));
        QCOMPARE(CasinoStore::cleanName(QStringLiteral(" ' '  ")), QString());
        QCOMPARE(CasinoStore::cleanName(QStringLiteral("Bellagio")), QStringLiteral("Bellagio"));
    }

    void addRenameAndListInIdOrder()
    {
        TestDb t;
        CasinoStore store(*t.app);
        const Result<qint64> a = store.add(QStringLiteral("Alpha"));
        const Result<qint64> b = store.add(QStringLiteral("Beta'); DROP TABLE ka_app_casino; --"));
        QVERIFY(a.ok() && b.ok());
        QVERIFY(*b > *a && *a > t.casino);
        QVERIFY(store.rename(*a, QStringLiteral("Aleph")).ok);
        QCOMPARE(names(store), (QStringList{QStringLiteral("Demo Casino"), QStringLiteral("Aleph"),
                                            QStringLiteral("Beta'); DROP TABLE ka_app_casino; --")}));
        QCOMPARE(store.list()->at(1).id, *a);
    }

    void addedInsideAnOuterTransactionGoesWithIt()
    {
        // How the command line creates a casino together with its imported
        // spins: the add is a part of the outer transaction.
        TestDb t;
        CasinoStore store(*t.app);
        {
            Transaction outer(t.db);
            QVERIFY(store.add(QStringLiteral("Rolled back")).ok());
        }
        {
            Transaction outer(t.db);
            QVERIFY(store.add(QStringLiteral("Kept")).ok());
            outer.commit();
        }
        QCOMPARE(names(store), (QStringList{QStringLiteral("Demo Casino"), QStringLiteral("Kept")}));
    }

    void removalTakesTheWholeHistoryOfBothWheelsAndNothingElse()
    {
        TestDb t;
        CasinoStore store(*t.app);
        const qint64 other = *store.add(QStringLiteral("Other"));
        addHistory(t, t.casino);
        addHistory(t, other);
        QCOMPARE(historyRows(t, t.casino), 10);

        QVERIFY(store.remove(other).ok);
        QCOMPARE(historyRows(t, other), 0);
        QCOMPARE(historyRows(t, t.casino), 10);
        QCOMPARE(names(store), QStringList{QStringLiteral("Demo Casino")});
        // Neither wheel used it, so both stay where they were.
        QCOMPARE(t.app->currentCmbR, t.casino);
        QCOMPARE(storedCurrent(t, Wheel::m()), t.casino);
    }

    void removingAWheelsCasinoMovesItToTheLowestRemaining()
    {
        TestDb t;
        CasinoStore store(*t.app);
        const qint64 b = *store.add(QStringLiteral("B"));
        const qint64 c = *store.add(QStringLiteral("C"));
        t.db.prepare("UPDATE ka_app_m_setting SET cmbM = ?1").bind(1, c).run();
        t.app->currentCmbM = c;

        QVERIFY(store.remove(t.casino).ok);
        QCOMPARE(t.app->currentCmbR, b);
        QCOMPARE(storedCurrent(t, Wheel::r()), b);
        QCOMPARE(t.app->currentCmbM, c);
        QCOMPARE(storedCurrent(t, Wheel::m()), c);
    }

    void removingTheLastCasinoKeepsTheSettings()
    {
        TestDb t;
        CasinoStore store(*t.app);
        addHistory(t, t.casino);
        QVERIFY(store.remove(t.casino).ok);
        QVERIFY(store.list()->empty());
        QCOMPARE(historyRows(t, t.casino), 0);
        QCOMPARE(storedCurrent(t, Wheel::r()), t.casino);
        QCOMPARE(t.app->currentCmbM, t.casino);
    }

    void failedRemovalChangesNothing()
    {
        TestDb t;
        CasinoStore store(*t.app);
        const qint64 b = *store.add(QStringLiteral("B"));
        addHistory(t, t.casino);
        t.db.exec("DROP TABLE ka_app_m_win");
        const Status s = store.remove(t.casino);
        QVERIFY(!s.ok);
        QVERIFY(s.text.startsWith(QStringLiteral("Unable to continue! Error Code:")));
        QCOMPARE(names(store), (QStringList{QStringLiteral("Demo Casino"), QStringLiteral("B")}));
        QCOMPARE(t.scalar("SELECT COUNT(*) FROM ka_app_r WHERE cmbR = " + std::to_string(t.casino)), 1);
        QCOMPARE(t.app->currentCmbR, t.casino);
        QVERIFY(b > 0);
    }

    void largeIdsAndUnownedCasinos()
    {
        TestDb t;
        CasinoStore store(*t.app);
        t.db.exec("INSERT INTO ka_app_casino (ka_app_casino_id, ka_app_casino_name) VALUES (70000, 'Far')");
        t.db.exec("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) VALUES ('Zero', 0)");
        QCOMPARE(names(store), QStringList{QStringLiteral("Demo Casino")});
        QCOMPARE(*store.adoptUnowned(), 2);
        QCOMPARE(names(store),
                 (QStringList{QStringLiteral("Demo Casino"), QStringLiteral("Far"), QStringLiteral("Zero")}));
        QCOMPARE(*store.adoptUnowned(), 0);

        QVERIFY(store.remove(t.casino).ok);
        QCOMPARE(t.app->currentCmbR, Q_INT64_C(70000));
        QCOMPARE(storedCurrent(t, Wheel::m()), Q_INT64_C(70000));
    }
};

QTEST_GUILESS_MAIN(TestCasinoStore)
#include "test_casinostore.moc"
