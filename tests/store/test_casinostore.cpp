#include "store/CasinoStore.h"

#include "TestDb.h"

#include <QtTest>

using namespace spinledger;
using spinledger::test::TestDb;
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
            t.app->currentCmbR, t.app->currentCmbM};
}

QStringList names(const Result<Casinos>& casinos)
{
    QStringList out;
    for (const Casino& c : casinos.value())
        out << c.name;
    return out;
}

} // namespace

class TestCasinoStore : public QObject
{
    Q_OBJECT

private slots:
    // Apostrophes go, the ends are trimmed; at most 100 characters as the player sees them.
    void cleanNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        QTest::addColumn<bool>("tooLong");
        const QString smile = QString::fromUtf8("\U0001F600"),
                      flag = QString::fromUtf8("\U0001F1E9\U0001F1EA");
        QTest::newRow("apostrophes") << u"  O'Hara's "_s << u"OHaras"_s << false;
        QTest::newRow("100 letters and an apostrophe")
            << QString(100, u'x') + u'\'' << QString(100, u'x') << false;
        QTest::newRow("101 letters") << QString(101, u'x') << QString(101, u'x') << true;
        QTest::newRow("100 emoji") << smile.repeated(100) << smile.repeated(100) << false;
        QTest::newRow("101 emoji") << smile.repeated(101) << smile.repeated(101) << true;
        QTest::newRow("100 flags") << flag.repeated(100) << flag.repeated(100) << false;
        QTest::newRow("101 accented") << u"e\u0301"_s.repeated(101) << u"e\u0301"_s.repeated(101) << true;
    }

    void cleanNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, cleaned);
        QFETCH(bool, tooLong);
        QCOMPARE(CasinoStore::cleanName(typed), cleaned);
        QCOMPARE(CasinoStore::tooLong(cleaned), tooLong);
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
            QVERIFY(store.add(u"Kept"_s).ok());
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

QTEST_GUILESS_MAIN(TestCasinoStore)
#include "test_casinostore.moc"
