// The spin engine on worked examples: follower counts, advice, judgement,
// stakes, win ratios, undo and re-stake, and what a failure leaves behind.
#include "TestDb.h"
#include "engine/AdviceGenerator.h"
#include "engine/Judgement.h"
#include "engine/SpinEngine.h"
#include "store/ErrorCodes.h"
#include "store/SettingsStore.h"

#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

// Follower counts of the count row written for a spin, by counter column.
QMap<QString, int> countRow(TestDb& t, const Wheel& w, qint64 spinId)
{
    QStringList cols;
    for (const Counter& c : w.counters())
        cols << c.column;
    Statement q =
        t.db.prepare((QStringLiteral("SELECT ") + cols.join(u',') + QStringLiteral(" FROM ") +
                      w.countTable() + QStringLiteral(" WHERE ") + w.spinTable() + QStringLiteral("_id = ?1"))
                         .toStdString());
    q.bind(1, spinId);
    QMap<QString, int> row;
    if (q.next()) {
        for (int i = 0; i < cols.size(); ++i) {
            if (q.integer(i) != 0)
                row[cols[i]] = int(q.integer(i));
        }
    }
    return row;
}

qint64 rows(TestDb& t, const QString& table)
{
    return t.scalar((QStringLiteral("SELECT count(*) FROM ") + table).toStdString());
}

void setSetting(TestDb& t, const Wheel& w, const QString& column, const QString& value)
{
    QVERIFY(SettingsStore(*t.app).setSetting(w.settingsTable(), column, value).ok);
}

} // namespace

class TestSpinEngine : public QObject
{
    Q_OBJECT

private slots:
    void followerCountsAndAdviceOfTheWorkedExample()
    {
        TestDb t;
        SpinEngines e(*t.app);
        for (const char* l : {"5", "17", "8", "5", "20"})
            QVERIFY(e.r.play(QString::fromLatin1(l)).status.ok);
        const int drawsBefore = t.random.draws;
        const SpinOutcome out = e.r.play(QStringLiteral("5"));
        QVERIFY(out.status.ok);
        const QMap<QString, int> expected{{"RBlack", 2}, {"REVEN", 2},  {"RODD", 1},   {"R1_18", 3},
                                          {"R19_36", 1}, {"R1ST12", 1}, {"R2ND12", 2}, {"R2TO1R2", 4},
                                          {"R17", 1},    {"R20", 1}};
        QCOMPARE(countRow(t, Wheel::r(), out.spinId), expected);
        QCOMPARE(out.advice.values[idx(CategoryId::BlackRed)], QStringLiteral("B"));
        QCOMPARE(out.advice.values[idx(CategoryId::EvenOdd)], QStringLiteral("E"));
        QCOMPARE(out.advice.values[idx(CategoryId::LowHi)], QStringLiteral("L"));
        QCOMPARE(out.advice.values[idx(CategoryId::Dozens)], QStringLiteral("2"));
        QCOMPARE(out.advice.values[idx(CategoryId::Columns)], QStringLiteral("2"));
        QCOMPARE(out.advice.values[idx(CategoryId::Numbers)], QStringLiteral("17"));
        QCOMPARE(t.random.draws, drawsBefore);
        // Only Black/Red is played in a new installation.
        QCOMPARE(out.coinCells, QStringList{"pbRBLACK"});
    }

    void zerosMatchEachOtherForNumbersAndEmptyFieldsMatchEmpty()
    {
        TestDb t;
        SpinEngines e(*t.app);
        for (const char* l : {"00", "3", "0", "7"})
            QVERIFY(e.r.play(QString::fromLatin1(l)).status.ok);
        const SpinOutcome out = e.r.play(QStringLiteral("0"));
        const QMap<QString, int> expected{{"R3", 1},    {"R7", 1},     {"RRed", 2},    {"RODD", 2},
                                          {"R1_18", 2}, {"R1ST12", 2}, {"R2TO1R3", 1}, {"R2TO1R1", 1}};
        QCOMPARE(countRow(t, Wheel::r(), out.spinId), expected);
        // 3 and 7 tie on Numbers: the first in pocket order wins.
        QCOMPARE(out.advice.values[idx(CategoryId::Numbers)], QStringLiteral("3"));
    }

    void firstSpinOfACasino()
    {
        TestDb t;
        SpinEngines e(*t.app);
        t.random.script = {0.75, 0.1, 0.6, 0.999};
        const SpinOutcome out = e.r.play(QStringLiteral("0"));
        QVERIFY(out.status.ok);
        QVERIFY(countRow(t, Wheel::r(), out.spinId).isEmpty());
        // Even/Odd, Black/Red, Low/High tie at random (in that order), then Numbers over all 38.
        QCOMPARE(out.advice.values[idx(CategoryId::EvenOdd)], QStringLiteral("O"));
        QCOMPARE(out.advice.values[idx(CategoryId::BlackRed)], QStringLiteral("B"));
        QCOMPARE(out.advice.values[idx(CategoryId::LowHi)], QStringLiteral("H"));
        QCOMPARE(out.advice.values[idx(CategoryId::Dozens)], QStringLiteral("1"));
        QCOMPARE(out.advice.values[idx(CategoryId::Columns)], QStringLiteral("1"));
        QCOMPARE(out.advice.values[idx(CategoryId::Numbers)], QStringLiteral("36"));
        // No previous advice: Numbers and Black/Red lose, the empty fields of 0 win.
        const PerCategory<QString> verdicts{"N", "N", "Y", "Y", "Y", "Y"};
        QCOMPARE(out.verdicts, verdicts);
        QCOMPARE(out.advice.stakes[idx(CategoryId::BlackRed)], 20.0);
        QCOMPARE(out.advice.stakes[idx(CategoryId::EvenOdd)], 10.0);
        // A lost first judgement is 0 %, not the 50 % a count starting at one gives.
        QCOMPARE(out.winPct[idx(CategoryId::Numbers)], 0.0);
        QCOMPARE(out.lossPct[idx(CategoryId::Numbers)], 100.0);
        QCOMPARE(out.winPct[idx(CategoryId::EvenOdd)], 100.0);
        QCOMPARE(t.scalar("SELECT ka_app_r_advise_id FROM ka_app_r_win"), qint64(0));
    }

    void stakesDoubleAfterLossesAndReturnAfterAWin()
    {
        TestDb t;
        SpinEngines e(*t.app);
        // Dozens verdicts N, N, N, Y with an amount of 10.
        QList<double> stakes;
        for (const char* l : {"36", "25", "13", "1"})
            stakes << e.r.play(QString::fromLatin1(l)).advice.stakes[idx(CategoryId::Dozens)];
        QCOMPARE(stakes, (QList<double>{20, 40, 80, 10}));
        const double stored = t.scalar("SELECT ka_app_r_advise_dozens_coins FROM ka_app_r_advise "
                                       "ORDER BY ka_app_r_advise_id DESC LIMIT 1");
        QCOMPARE(stored, 10.0);
    }

    void winRatiosCountRealWins()
    {
        TestDb t;
        SpinEngines e(*t.app);
        SpinOutcome out;
        // Five spins of 0 after the first: Black/Red is "B" or "R", never "G".
        for (int i = 0; i < 6; ++i)
            out = e.r.play(QStringLiteral("0"));
        QCOMPARE(out.winPct[idx(CategoryId::BlackRed)], 0.0);
        QCOMPARE(t.scalar("SELECT count(*) FROM ka_app_r_win WHERE ka_app_r_win_blackred_win = 0"),
                 qint64(6));
        // 2 of 3 won gives 66.67 and 33.33.
        QCOMPARE(Judgement::percent(2, 3), 66.67);
        QCOMPARE(Judgement::percent(1, 3), 33.33);
        QCOMPARE(Judgement::percent(1, 8), 12.5);
        QCOMPARE(Judgement::percent(1, 200000), 0.0);
        QCOMPARE(Judgement::percent(1, 20000), 0.01);
    }

    void miniWheelJudgesGroupsByTheCellRanges()
    {
        const Wheel& m = Wheel::m();
        auto v = [&](const char* pocket, const char* advice) {
            return Judgement::verdict(m, CategoryId::LowHi, m.pocketIndex(QString::fromLatin1(pocket)),
                                      QString::fromLatin1(advice));
        };
        QCOMPARE(v("5", "L"), QStringLiteral("Y"));
        QCOMPARE(v("9", "M"), QStringLiteral("Y"));
        QCOMPARE(v("9", "H"), QStringLiteral("Y"));
        QCOMPARE(v("10", "M"), QStringLiteral("N"));
        QCOMPARE(v("0", "L"), QStringLiteral("N"));
        QCOMPARE(v("00", "H"), QStringLiteral("N"));
        QCOMPARE(v("4", ""), QStringLiteral("N"));
        // The R wheel compares the stored field.
        QCOMPARE(Judgement::verdict(Wheel::r(), CategoryId::Dozens, Wheel::r().pocketIndex("36"), "3"),
                 QStringLiteral("Y"));
    }

    void miniWheelCountsStoredGroupsIncludingTwoGroupValues()
    {
        TestDb t;
        // A history written elsewhere: 1 (L), a spin stored with group "LM", 2 (L).
        const char* insert = "INSERT INTO ka_app_m (ka_app_m_now, ka_app_setting_id, ka_app_m_numbers, "
                             "ka_app_m_blackred, ka_app_m_evenodd, ka_app_m_lowhi, ka_app_m_2to1, cmbM) "
                             "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)";
        const QStringList spins[] = {
            {"1", "R", "O", "L", "1"}, {"4", "B", "E", "LM", "1"}, {"2", "B", "E", "L", "2"}};
        double now = 46000.5;
        for (const QStringList& s : spins) {
            Statement q = t.db.prepare(insert);
            q.add(now).add(t.app->settingId);
            for (const QString& f : s)
                q.add(f);
            q.add(t.casino).run();
            now += 0.001;
        }
        SpinEngines e(*t.app);
        const SpinOutcome out = e.m.play(QStringLiteral("3"));
        QVERIFY(out.status.ok);
        const QMap<QString, int> row = countRow(t, Wheel::m(), out.spinId);
        QCOMPARE(row.value("M1_6"), 1);
        QCOMPARE(row.value("M4_9"), 1);
        QCOMPARE(row.value("M7_12"), 0);
        // Group advice is three-way: first maximum wins.
        QCOMPARE(out.advice.values[idx(CategoryId::LowHi)], QStringLiteral("L"));
        QVERIFY(out.advice.values[idx(CategoryId::Dozens)].isEmpty());
    }

    void numbersAdviceRules()
    {
        const Wheel& r = Wheel::r();
        FakeRandom random;
        WheelSettings s;
        s.played[idx(CategoryId::Numbers)] = true;
        auto numbers = [&](std::vector<int> counts, QStringList* cells = nullptr) {
            Advice a;
            QStringList coins;
            AdviceGenerator(r, random).generate(counts, s, a, coins);
            if (cells)
                *cells = coins;
            return a.values[idx(CategoryId::Numbers)];
        };
        std::vector<int> counts(r.counters().size(), 0);
        auto at = [&](const char* col) -> int& { return counts[r.counterIndex(QString::fromLatin1(col))]; };
        at("R8") = 3;
        at("R30") = 3;
        QCOMPARE(numbers(counts), QStringLiteral("8"));
        // 00 switched off but equal to the maximum: advised, no coin.
        at("R00") = 3;
        QStringList cells;
        QCOMPARE(numbers(counts, &cells), QStringLiteral("00"));
        QVERIFY(!cells.contains("pbR00"));
        // Above the maximum of the listed counts it is not in the list at all.
        at("R00") = 5;
        QCOMPARE(numbers(counts), QStringLiteral("8"));
        // All equal: a random pocket of all 38; a pick of 00 while it is off marks 0.
        std::vector<int> flat(r.counters().size(), 0);
        random.script = {0.1, 0.1, 0.1, 0.0};
        QCOMPARE(numbers(flat, &cells), QStringLiteral("00"));
        QVERIFY(cells.contains("pbR0"));
    }

    void undoRemovesEverythingTheSpinWrote()
    {
        TestDb t;
        SpinEngines e(*t.app);
        QVERIFY(e.r.undoSpin(t.app->settingId, t.casino).status.ok);
        const SpinOutcome first = e.r.play(QStringLiteral("17"));
        const UndoOutcome undone = e.r.undoSpin(t.app->settingId, t.casino);
        QVERIFY(undone.status.ok);
        QCOMPARE(undone.removedSpinId, first.spinId);
        for (const char* table :
             {"ka_app_r", "ka_app_r_count", "ka_app_r_advise", "ka_app_r_win", "ka_app_r_tally"})
            QCOMPARE(rows(t, QString::fromLatin1(table)), qint64(0));

        // After three spins, undo brings back the second spin's advice and ratios.
        e.r.play(QStringLiteral("5"));
        const SpinOutcome second = e.r.play(QStringLiteral("17"));
        e.r.play(QStringLiteral("32"));
        QVERIFY(e.r.undoSpin(t.app->settingId, t.casino).status.ok);
        const Result<CurrentAdvice> current = e.r.currentAdvice(t.casino);
        QVERIFY(current.ok() && current->exists);
        QCOMPARE(current->advice.values, second.advice.values);
        QCOMPARE(current->advice.stakes, second.advice.stakes);
        QCOMPARE(t.scalar("SELECT count(*) FROM ka_app_r_advise WHERE ka_app_r_win_id IS NOT NULL"),
                 qint64(1));
        const Result<CategoryView> view = e.r.categoryView(t.casino);
        QVERIFY(view.ok() && view->hasAdvice);
        QCOMPARE(view->winPct, second.winPct);
        QCOMPARE(rows(t, "ka_app_r_win"), qint64(2));

        // The next spin judges the second advice once more; every judgement counts once.
        const SpinOutcome again = e.r.play(QStringLiteral("32"));
        QCOMPARE(rows(t, "ka_app_r_win"), qint64(3));
        QCOMPARE(t.scalar("SELECT count(*) FROM ka_app_r_advise WHERE ka_app_r_win_id IS NOT NULL"),
                 qint64(2));
        QCOMPARE(again.winPct[idx(CategoryId::Numbers)],
                 Judgement::percent(
                     t.scalar("SELECT count(*) FROM ka_app_r_win WHERE ka_app_r_win_numbers='Y'"), 3));
    }

    void restakePutsTheCurrentStakesBackToTheAmount()
    {
        TestDb t;
        SpinEngines e(*t.app);
        QCOMPARE(e.r.restakeAdvice().adviceId, qint64(0));
        for (const char* l : {"36", "25", "13"})
            e.r.play(QString::fromLatin1(l));
        setSetting(t, Wheel::r(), "tbRAmount", "5");
        const RestakeOutcome out = e.r.restakeAdvice();
        QVERIFY(out.status.ok && out.adviceId > 0);
        const Result<CurrentAdvice> current = e.r.currentAdvice(t.casino);
        for (const Category& c : Wheel::r().categories()) {
            if (c.hasStake())
                QCOMPARE(current->advice.stakes[idx(c.id)], 5.0);
        }
        // The progression restarts from the new amount: a loss stakes 10, a win 5.
        const SpinOutcome next = e.r.play(QStringLiteral("14"));
        QCOMPARE(next.advice.stakes[idx(CategoryId::Dozens)], 10.0);
        setSetting(t, Wheel::m(), "tbMAmount", "2.5");
        e.m.play(QStringLiteral("3"));
        QVERIFY(e.m.restakeAdvice().status.ok);
        QCOMPARE(t.scalar("SELECT count(*) FROM ka_app_m_advise WHERE ka_app_m_advise_2to1_coins = 2.5"),
                 qint64(1));
    }

    void aFailingStatementLeavesNoPartialSpin()
    {
        TestDb t;
        SpinEngines e(*t.app);
        e.r.play(QStringLiteral("5"));
        t.db.exec(
            "CREATE TRIGGER broken BEFORE INSERT ON ka_app_r_advise BEGIN SELECT RAISE(ABORT, 'disk'); END");
        const SpinOutcome out = e.r.play(QStringLiteral("17"));
        QVERIFY(!out.status.ok);
        QCOMPARE(out.status.text, QStringLiteral("Unable to continue! Error Code: (playR ldb)"));
        QCOMPARE(rows(t, "ka_app_r"), qint64(1));
        QCOMPARE(rows(t, "ka_app_r_count"), qint64(1));
        QCOMPARE(rows(t, "ka_app_r_win"), qint64(1));
        QCOMPARE(t.scalar("SELECT count(*) FROM ka_app_r_advise WHERE ka_app_r_win_id IS NOT NULL"),
                 qint64(0));
        t.db.exec("DROP TRIGGER broken");
        QVERIFY(e.r.play(QStringLiteral("17")).status.ok);
    }

    void refusalsChangeNothing()
    {
        TestDb t;
        SpinEngines e(*t.app);
        setSetting(t, Wheel::r(), "cmbR", "0");
        QCOMPARE(e.r.play(QStringLiteral("5")).status.text,
                 QStringLiteral("Please select a casino from the list."));
        QVERIFY(!e.r.play(QStringLiteral("37")).status.ok);
        QCOMPARE(rows(t, "ka_app_r"), qint64(0));

        // A database that cannot be opened is reported with the wheel's code.
        Database none;
        FakeClock clock;
        FakeRandom random;
        AppContext broken(none, clock, random);
        broken.setAppFolder(QStringLiteral("/nonexistent/folder"));
        SpinEngines b(broken);
        QCOMPARE(b.m.play(QStringLiteral("5")).status.text,
                 QStringLiteral("Unable to continue! Error Code: (playM ldb)"));
        QVERIFY(!b.r.undoSpin(1, 1).status.ok);
        QVERIFY(!b.r.restakeAdvice().status.ok);
    }

    void historyIsOldestFirstAndOrderedByKeyOnEqualStamps()
    {
        TestDb t;
        SpinEngines e(*t.app);
        t.clock.stepMs = 0; // every spin at the same instant
        const QStringList labels{"1", "2", "3", "0",  "00", "4",  "5",  "6",
                                 "7", "8", "9", "10", "11", "12", "13", "14"};
        for (const QString& l : labels)
            e.r.play(l);
        const Result<std::vector<HistoryEntry>> h = e.r.history(t.casino);
        QVERIFY(h.ok());
        QCOMPARE(int(h->size()), 14);
        QCOMPARE(h->front().label, QStringLiteral("3"));
        QCOMPARE(h->back().label, QStringLiteral("14"));
        QCOMPARE(h->at(2).colour, QStringLiteral("G"));
        // A clock set back does not put a spin before the newest one.
        t.clock.current = t.clock.current.addSecs(-3600);
        e.r.play(QStringLiteral("36"));
        QCOMPARE(e.r.history(t.casino)->back().label, QStringLiteral("36"));
        const qint64 newest = t.scalar("SELECT max(ka_app_r_id) FROM ka_app_r");
        QCOMPARE(e.r.undoSpin(t.app->settingId, t.casino).removedSpinId, newest);
    }
};

QTEST_GUILESS_MAIN(TestSpinEngine)
#include "test_spinengine.moc"
