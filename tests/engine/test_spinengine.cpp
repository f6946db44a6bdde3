// The spin engine on worked examples, then thousands of spins played, undone,
// re-staked and imported on both wheels and two casinos, every stored row
// checked against a recount made here from the spin rows.
#include "TestDb.h"
#include "engine/AdviceGenerator.h"
#include "engine/Judgement.h"
#include "engine/RowBatch.h"
#include "engine/SpinEngine.h"
#include "engine/SpinRecorder.h"
#include "stats/CasinoStatistics.h"
#include "store/SettingsStore.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <random>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

namespace {

// The non-zero follower counts of the newest count row, "R17=1 RBlack=2".
QString lastCountRow(TestDb& t, const Wheel& w)
{
    QStringList cols;
    for (const Counter& c : w.counters())
        cols << c.column;
    Statement q = t.db.prepare(
        (u"SELECT "_s + cols.join(u',') + u" FROM "_s + w.countTable() + u" ORDER BY rowid DESC LIMIT 1"_s)
            .toStdString());
    QStringList counts;
    for (int i = 0; i < cols.size() && (i > 0 || q.next()); ++i) {
        if (q.integer(i))
            counts << cols[i] + u'=' + q.text(i);
    }
    counts.sort();
    return counts.join(u' ');
}

// Plays the blank-separated labels; the outcome of the last.
SpinOutcome play(SpinEngine& e, qint64 casino, const char* labels)
{
    SpinOutcome out;
    for (const QString& l : QString::fromLatin1(labels).split(u' '))
        out = e.play(casino, l);
    return out;
}

// The advice of every category in display order, "17 B E L 2 2".
QString advised(const SpinOutcome& out)
{
    QStringList values;
    for (const Category& c : Wheel::r().categories())
        values << Wheel::r().adviceText(out.advice.values[idx(c.id)]);
    return values.join(u' ').trimmed();
}

class SeededRandom : public RandomSource
{
public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}
    void reseed(quint64) override {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
};

// What the settings were when a spin was played.
struct Played
{
    double amount = 0;
    bool zeroZero = false;
};

using Row = QHash<QString, QString>;

// A casino's rows of a table, keyed by the value of the column `key`, each
// with the columns named.
std::map<qint64, Row> rowsOf(TestDb& t, const Wheel& w, qint64 casino, const QString& table,
                             const QString& key, const QStringList& cols)
{
    Statement q = t.db.prepare((u"SELECT "_s + key + u',' + cols.join(u',') + u" FROM "_s + table +
                                u" WHERE "_s + w.casinoSetting() + u" = ?1"_s)
                                   .toStdString());
    q.bind(1, casino);
    std::map<qint64, Row> out;
    while (q.next()) {
        Row& r = out[q.integer(0)];
        for (int i = 0; i < cols.size(); ++i)
            r[cols[i]] = q.text(i + 1);
    }
    return out;
}

// The verdict by the rules: the mini wheel's groups by the ranges of their
// cells (L 1-6, M 4-9, H 7-12), every other category by the stored value.
QString judged(const Wheel& w, const Category& c, const QString& value, int number, const QString& advised)
{
    bool won = value == advised;
    if (w.letter() == u'M' && c.id == CategoryId::LowHi)
        won = (advised == u"L" && number >= 1 && number <= 6) ||
              (advised == u"M" && number >= 4 && number <= 9) ||
              (advised == u"H" && number >= 7 && number <= 12);
    return won ? u"Y"_s : u"N"_s;
}

// The advice value must be what the rules pick from these counts; ties that
// the rules break at random only need to be among the tied values.
bool adviceFits(const Wheel& w, const Category& c, const std::vector<int>& counts, const QString& value,
                bool zeroZero)
{
    auto count = [&](const QString& v) {
        const auto idx = w.countersFor(c.id, v);
        return idx.empty() ? 0 : counts[idx.front()];
    };
    if (c.rule == PickRule::Numbers) {
        int max = INT_MIN, min = INT_MAX;
        for (int p = 0; p < w.pocketCount(); ++p) {
            if (w.label(p) == u"00" && !zeroZero)
                continue;
            max = std::max(max, count(w.label(p)));
            min = std::min(min, count(w.label(p)));
        }
        if (max == min)
            return w.pocketIndex(value) >= 0;
        for (int p = 0; p < w.pocketCount(); ++p) {
            if (count(w.label(p)) == max)
                return value == w.label(p);
        }
        return false;
    }
    int max = INT_MIN;
    for (const CategoryValue& v : c.values)
        max = std::max(max, count(v.value));
    if (c.rule == PickRule::ThreeWayFirstMax) {
        for (const CategoryValue& v : c.values) {
            if (count(v.value) == max)
                return value == v.value;
        }
    }
    return count(value) == max && (value == c.values[0].value || value == c.values[1].value);
}

} // namespace

class TestSpinEngine : public QObject
{
    Q_OBJECT

private slots:
    void followerCountsAndAdvice()
    {
        // A new 5 after 5, 17, 8, 5, 20: the earlier 5s were followed by 17 and 20.
        TestDb t;
        SpinEngine e(*t.app, Wheel::r());
        play(e, t.casino, "5 17 8 5 20");
        const int draws = t.random.draws;
        const SpinOutcome out = e.play(t.casino, u"5"_s);
        QVERIFY(out.status.ok);
        QCOMPARE(t.random.draws, draws); // every category decided by its counts
        QCOMPARE(lastCountRow(t, Wheel::r()),
                 u"R17=1 R19_36=1 R1ST12=1 R1_18=3 R20=1 R2ND12=2 R2TO1R2=4 RBlack=2 REVEN=2 RODD=1"_s);
        QCOMPARE(advised(out), u"17 B E L 2 2"_s);
    }

    // A casino's first spin judges no advice; two spins make one judged
    // advice, on the board as in the statistics; tallies an earlier version
    // counted with the first spin in them are counted again before the next spin.
    void ratiosCountTheJudgedAdviceOnly_data()
    {
        QTest::addColumn<bool>("earlierTallies");
        QTest::addColumn<bool>("batch"); // the third spin recorded as an import records it
        QTest::newRow("tallies of this version") << false << false;
        QTest::newRow("tallies counted with the first spin") << true << false;
        QTest::newRow("tallies counted with the first spin, batch") << true << true;
    }

    void ratiosCountTheJudgedAdviceOnly()
    {
        QFETCH(bool, earlierTallies);
        QFETCH(bool, batch);
        TestDb t;
        SpinEngine e(*t.app, Wheel::r());
        t.random.script = {0.75, 0.1, 0.6, 0.999};
        const SpinOutcome first = e.play(t.casino, u"0"_s);
        QVERIFY(first.status.ok);
        QCOMPARE(t.rows("ka_app_r_count"), 1);
        QCOMPARE(lastCountRow(t, Wheel::r()), QString());
        // Even/Odd, Black/Red, Low/High tie at random (in that order), then Numbers over all 38.
        QCOMPARE(advised(first), u"36 B O H 1 1"_s);
        // No previous advice: Numbers and Black/Red lost, the empty fields of 0
        // won, as earlier versions store it; no stake doubles, no ratio counts it.
        QCOMPARE(first.verdicts,
                 (PerCategory<WinVerdict>{WinVerdict::Lost, WinVerdict::Lost, WinVerdict::Won,
                                          WinVerdict::Won, WinVerdict::Won, WinVerdict::Won}));
        QCOMPARE(t.scalar("SELECT ka_app_r_advise_id FROM ka_app_r_win"), qint64(0));
        for (CategoryId c : {CategoryId::BlackRed, CategoryId::EvenOdd, CategoryId::Dozens})
            QCOMPARE(first.advice.stakes[idx(c)], 10.0);
        // 2 is black, even, low, first dozen, second column.
        SpinOutcome out = e.play(t.casino, u"2"_s);
        QCOMPARE(out.verdicts,
                 (PerCategory<WinVerdict>{WinVerdict::Lost, WinVerdict::Won, WinVerdict::Lost,
                                          WinVerdict::Lost, WinVerdict::Won, WinVerdict::Lost}));
        QCOMPARE(out.winPct, (PerCategory<double>{0, 100, 0, 0, 100, 0}));
        QCOMPARE(out.lossPct, (PerCategory<double>{100, 0, 100, 100, 0, 100}));
        QCOMPARE(e.categoryView(t.casino)->winPct, out.winPct);
        if (earlierTallies) {
            // As an earlier version left them: other kinds, the first spin's verdicts counted.
            t.db.exec("UPDATE ka_app_r_tally SET tally_kind = replace(tally_kind, 'verdict:', 'judge:')");
            for (const char* row :
                 {"numbers|N", "blackred|N", "evenodd|Y", "lowhi|Y", "dozens|Y", "2to1|Y"}) {
                const QStringList kv = QString::fromLatin1(row).split(u'|');
                for (const char* sql : {"INSERT OR IGNORE INTO ka_app_r_tally VALUES (?1, ?2, ?3, '', ?4, 0)",
                                        "UPDATE ka_app_r_tally SET tally_count = tally_count + 1 WHERE "
                                        "ka_app_setting_id = ?1 AND cmbR = ?2 AND tally_kind = ?3 AND "
                                        "tally_to = ?4"})
                    t.db.prepare(sql)
                        .bind(1, t.app->settingId)
                        .bind(2, t.casino)
                        .bind(3, u"judge:"_s + kv[0])
                        .bind(4, kv[1])
                        .run();
            }
        }
        // Ties now take the first value: advice "8 B E L 1 1"; 4 is black, even, low, 1, 1.
        if (batch) {
            Transaction tx(t.db);
            SpinRecorder recorder(*t.app, Wheel::r(), *SettingsStore(*t.app).wheelSettings(Wheel::r()),
                                  SpinRecorder::Tallying::InMemory);
            out = recorder.record(Wheel::r().pocketIndex(u"4"_s), OleStamp::fromDateTime(t.clock.now()));
            recorder.finish();
            tx.commit();
        } else {
            out = e.play(t.casino, u"4"_s);
        }
        QCOMPARE(out.winPct, (PerCategory<double>{0, 100, 50, 50, 100, 50}));
        QCOMPARE(t.rows("ka_app_r_tally WHERE tally_kind LIKE 'judge:%'"), 0);
        const stats::Figures f =
            stats::CasinoStatistics::compute(t.db, Wheel::r(), t.app->settingId, t.casino);
        for (const stats::ScoreRow& row : f.scorecard) {
            QCOMPARE(row.judged, qint64(2));
            QCOMPARE(row.hitRate * 100, out.winPct[idx(row.category)]);
        }
        // Undoing back to the first spin leaves no judged advice.
        for (int i = 0; i < 2; ++i)
            QVERIFY(e.undo(t.casino).status.ok);
        QCOMPARE(t.rows("ka_app_r_tally WHERE tally_kind LIKE 'verdict:%'"), 0);
        // Black/Red is never "G": spins of 0 lose it every time.
        QCOMPARE(play(e, t.casino, "0 0 0 0 0").winPct[idx(CategoryId::BlackRed)], 0.0);
    }

    // How a stored letter is read (blanks, case, one letter only) the wheel's colour letters show.
    void storedVerdictTexts()
    {
        for (const auto& [stored, verdict] : {std::pair{u"Y"_s, WinVerdict::Won},
                                              {u"N"_s, WinVerdict::Lost},
                                              {QString(), WinVerdict::None}}) {
            QCOMPARE(winVerdictOf(stored), verdict);
            QCOMPARE(winVerdictText(verdict), stored);
        }
    }

    void ratiosRoundToTwoPlaces()
    {
        for (const auto& [won, total, pct] : {std::tuple{2, 3, 66.67},
                                              {1, 3, 33.33},
                                              {1, 8, 12.5},
                                              {1, 20000, 0.01},
                                              {1, 40000, 0.0},
                                              {3, 40000, 0.01}})
            QCOMPARE(Judgement::percent(won, total), pct);
    }

    void miniWheelCountsStoredGroupsIncludingTwoGroupValues()
    {
        TestDb t;
        // A history written elsewhere: 1 (L), a spin stored with group "LM", 2 (L).
        for (const char* fields : {"1:R:O:L:1", "4:B:E:LM:1", "2:B:E:L:2"}) {
            Statement q =
                t.db.prepare("INSERT INTO ka_app_m (ka_app_m_now, ka_app_setting_id, ka_app_m_numbers, "
                             "ka_app_m_blackred, ka_app_m_evenodd, ka_app_m_lowhi, ka_app_m_2to1, cmbM) "
                             "VALUES (46000 + ?1 / 1000.0, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
            q.add(t.rows("ka_app_m")).add(t.app->settingId);
            for (const QString& f : QString::fromLatin1(fields).split(u':'))
                q.add(f);
            q.add(t.casino).run();
        }
        SpinEngine e(*t.app, Wheel::m());
        const SpinOutcome out = e.play(t.casino, u"3"_s);
        QVERIFY(out.status.ok);
        // Of the earlier spins only 1 matches 3 (red, odd, group "L"); its follower's "LM" counts twice.
        QCOMPARE(lastCountRow(t, Wheel::m()), u"M1_6=1 M4_9=1 MBlack=1 MEVEN=1"_s);
        // Group advice is three-way: the first maximum wins; there are no Dozens.
        QCOMPARE(Wheel::m().adviceText(out.advice.values[idx(CategoryId::LowHi)]), u"L"_s);
        QVERIFY(out.advice.values[idx(CategoryId::Dozens)].isNone());
    }

    void numbersAdviceRules()
    {
        const Wheel& r = Wheel::r();
        FakeRandom random;
        WheelSettings s;
        s.played[idx(CategoryId::Numbers)] = true;
        QStringList cells;
        auto numbers = [&](const std::vector<int>& counts) {
            Advice a;
            cells.clear();
            AdviceGenerator(r, random).generate(counts, s, a, cells);
            return r.adviceText(a.values[idx(CategoryId::Numbers)]);
        };
        std::vector<int> counts(r.counters().size(), 0);
        auto at = [&](const char* col) -> int& { return counts[r.counterIndex(QString::fromLatin1(col))]; };
        at("R8") = 3;
        at("R30") = 3;
        QCOMPARE(numbers(counts), u"8"_s);
        // 00 switched off but equal to the maximum: advised, no coin.
        at("R00") = 3;
        QCOMPARE(numbers(counts), u"00"_s);
        QVERIFY(!cells.contains("pbR00"));
        // Above the maximum of the listed counts it is not in the list at all.
        at("R00") = 5;
        QCOMPARE(numbers(counts), u"8"_s);
        // All equal: a random pocket of all 38; a pick of 00 while it is off marks 0.
        random.script = {0.1, 0.1, 0.1, 0.0};
        QCOMPARE(numbers(std::vector<int>(r.counters().size(), 0)), u"00"_s);
        QVERIFY(cells.contains("pbR0"));
    }

    // What undo leaves in every table the randomized recount checks; here what
    // the board reads back after it.
    void undoBringsBackTheAdviceAndRatiosBeforeIt()
    {
        TestDb t;
        SpinEngine e(*t.app, Wheel::r());
        QVERIFY(e.undo(t.casino).status.ok);
        const qint64 first = e.play(t.casino, u"17"_s).spinId;
        QCOMPARE(e.undo(t.casino).removedSpinId, first);
        QCOMPARE(t.rows("ka_app_r") + t.rows("ka_app_r_advise") + t.rows("ka_app_r_tally"), 0);
        const SpinOutcome second = play(e, t.casino, "5 17");
        e.play(t.casino, u"32"_s);
        QVERIFY(e.undo(t.casino).status.ok);
        const Result<CurrentAdvice> current = e.currentAdvice(t.casino);
        QVERIFY(current.ok() && current->exists);
        QCOMPARE(current->advice.values, second.advice.values);
        QCOMPARE(current->advice.stakes, second.advice.stakes);
        const Result<CategoryView> view = e.categoryView(t.casino);
        QVERIFY(view.ok() && view->hasAdvice);
        QCOMPARE(view->winPct, second.winPct);
        // The advice judged by the removed spin is unjudged again.
        QCOMPARE(t.rows("ka_app_r_advise WHERE ka_app_r_win_id IS NOT NULL"), 1);
    }

    // Rows with one stamp (the clock was set back) are ordered by key: the
    // later row is the current advice, and the next spin judges that one; the
    // history is oldest first.
    void equalStampsAreOrderedByKey()
    {
        TestDb t;
        for (const char* blackRed : {"R", "B"}) {
            t.db.prepare("INSERT INTO ka_app_r_advise (ka_app_r_advise_now, ka_app_setting_id, "
                         "ka_app_r_advise_blackred, ka_app_r_advise_blackred_coins, cmbR) "
                         "VALUES (46000.5, ?1, ?2, 40, ?3)")
                .bind(1, t.app->settingId)
                .bind(2, blackRed)
                .bind(3, t.casino)
                .run();
        }
        SpinEngine e(*t.app, Wheel::r());
        QCOMPARE(e.currentAdvice(t.casino)->advice.values[idx(CategoryId::BlackRed)],
                 AdviceValue(CategoryId::BlackRed, 0));
        const SpinOutcome out = e.play(t.casino, u"2"_s); // black
        QCOMPARE(out.verdicts[idx(CategoryId::BlackRed)], WinVerdict::Won);
        QCOMPARE(out.advice.stakes[idx(CategoryId::BlackRed)], 10.0);
        QCOMPARE(
            t.rows("ka_app_r_advise WHERE ka_app_r_win_id IS NOT NULL AND ka_app_r_advise_blackred = 'B'"),
            1);
        t.clock.stepMs = 0; // every spin at the same instant
        play(e, t.casino, "1 2 3 0 00 4 5 6 7 8 9 10 11 12 13 14");
        const Result<std::vector<HistoryEntry>> h = e.history(t.casino);
        QVERIFY(h.ok());
        QCOMPARE(int(h->size()), 14);
        QCOMPARE(h->front().label, u"3"_s);
        QCOMPARE(h->back().label, u"14"_s);
        QCOMPARE(h->at(2).colour, PocketColour::Green);
        // A clock set back does not put a spin before the newest one.
        t.clock.current = t.clock.current.addSecs(-3600);
        e.play(t.casino, u"36"_s);
        QCOMPARE(e.history(t.casino)->back().label, u"36"_s);
        QCOMPARE(e.undo(t.casino).removedSpinId, t.scalar("SELECT max(ka_app_r_id) FROM ka_app_r"));
    }

    // A refusal or a failing statement leaves no partial spin.
    void refusalsAndFailuresChangeNothing()
    {
        TestDb t;
        SpinEngine e(*t.app, Wheel::r());
        QCOMPARE(e.play(0, u"5"_s).status.text, u"Please select a casino from the list."_s);
        QVERIFY(!e.play(t.casino, u"37"_s).status.ok);
        QCOMPARE(t.rows("ka_app_r"), 0);
        e.play(t.casino, u"5"_s);
        t.db.exec(
            "CREATE TRIGGER broken BEFORE INSERT ON ka_app_r_advise BEGIN SELECT RAISE(ABORT, 'disk'); END");
        // The player reads the code; the reason goes to the log.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^R spin failed: .*disk"_s));
        const SpinOutcome out = e.play(t.casino, u"17"_s);
        QCOMPARE(out.status.text, u"Unable to continue! Error Code: (playR ldb)"_s);
        for (const char* table : {"ka_app_r", "ka_app_r_count", "ka_app_r_win"})
            QCOMPARE(t.rows(table), 1);
        QCOMPARE(t.rows("ka_app_r_advise WHERE ka_app_r_win_id IS NOT NULL"), 0);
        t.db.exec("DROP TRIGGER broken");
        QVERIFY(e.play(t.casino, u"17"_s).status.ok);

        // A database that cannot be opened is reported with the wheel's code and why.
        Database none;
        AppContext broken(none, t.clock, t.random);
        broken.setAppFolder(u"/nonexistent/folder"_s);
        SpinEngines b(broken);
        QCOMPARE(b.m.play(1, u"5"_s).status.text,
                 u"Unable to continue! Error Code: (playM ldb): the database file is missing"_s);
        QVERIFY(!b.r.undo(1).status.ok);
        QVERIFY(!b.r.restake(1).status.ok);
    }

    void playUndoRestakeAndRecount_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addRow("R") << QChar(u'R');
        QTest::addRow("M") << QChar(u'M');
    }

    void playUndoRestakeAndRecount()
    {
        QFETCH(QChar, letter);
        const Wheel& w = *Wheel::byLetter(letter);
        TestDb t;
        SeededRandom engineRandom(7);
        AppContext app(t.db, t.clock, engineRandom);
        app.settingId = t.app->settingId;
        SpinEngine engine(app, w);
        SettingsStore settings(app);
        const qint64 casinos[] = {t.casino, t.addCasino(u"Second"_s)};
        qint64 casino = t.casino;

        std::mt19937 choose(letter.unicode());
        auto roll = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(choose)); };
        const QStringList amounts{"10", "5", "2.5", "0", "20"};
        std::map<qint64, Played> played;
        std::map<qint64, double> restakedTo; // advice id -> amount written by a re-stake
        int spins = 0, undos = 0, restakes = 0;
        for (int op = 0; op < 1800; ++op) {
            const int r = roll(100);
            if (r < 5) {
                // A batch in one transaction, its tallies kept in memory, as a
                // file import records it.
                const Result<WheelSettings> ws = settings.wheelSettings(w);
                // Now and then one from a file whose tallies are missing.
                if (roll(3) == 0)
                    t.db.exec(u"DELETE FROM %1 WHERE %2 = %3"_s.arg(w.tallyTable(), w.casinoSetting())
                                  .arg(ws->casino)
                                  .toStdString());
                Transaction tx(t.db);
                SpinRecorder batch(app, w, *ws, SpinRecorder::Tallying::InMemory);
                for (int n = 1 + roll(40); n > 0; --n) {
                    const int pocket = roll(3) == 0 ? roll(4) : roll(w.pocketCount());
                    const SpinOutcome out = batch.record(pocket, OleStamp::fromDateTime(t.clock.now()));
                    played[out.spinId] = {ws->amount, ws->zeroZeroEnabled};
                    ++spins;
                }
                batch.finish();
                tx.commit();
            } else if (r < 72) {
                const Result<WheelSettings> ws = settings.wheelSettings(w);
                // Runs of the same few pockets make many ties and many matches.
                const SpinOutcome out =
                    engine.play(casino, w.label(roll(3) == 0 ? roll(4) : roll(w.pocketCount())));
                QVERIFY2(out.status.ok, qPrintable(out.status.text));
                played[out.spinId] = {ws->amount, ws->zeroZeroEnabled};
                ++spins;
            } else if (r < 84) {
                QVERIFY(engine.undo(casino).status.ok);
                ++undos;
            } else if (r < 88) {
                casino = casinos[roll(2)];
                QVERIFY(settings.setCasino(w, casino).ok);
            } else if (r < 93) {
                QVERIFY(settings.setAmount(w, amounts[roll(5)]).ok);
            } else if (r < 96) {
                const RestakeOutcome out = engine.restake(casino);
                QVERIFY(out.status.ok);
                if (out.adviceId)
                    restakedTo[out.adviceId] = settings.wheelSettings(w)->amount;
                ++restakes;
            } else {
                QVERIFY(settings.setZeroZero(w, roll(2) == 1).ok);
            }
        }
        QVERIFY(spins > 1000 && undos > 100 && restakes > 20);

        const QString spin = w.spinTable() + u"_id"_s, spinNow = w.spinTable() + u"_now"_s;
        const QString adviceId = w.adviseTable() + u"_id"_s, adviceWin = w.spinTable() + u"_win_id"_s;
        const QString winId = w.winTable() + u"_id"_s;
        QStringList spinCols{spinNow}, adviceCols{adviceId, adviceWin}, winCols{winId, adviceId};
        for (const Category& c : w.categories()) {
            spinCols << w.spinColumn(c.id);
            adviceCols << w.adviseColumn(c.id);
            if (c.hasStake())
                adviceCols << w.coinsColumn(c.id);
            winCols << w.winColumn(c.id) << w.winPctColumn(c.id) << w.lossPctColumn(c.id);
        }
        QStringList counterCols;
        for (const Counter& c : w.counters())
            counterCols << c.column;

        int checkedSpins = 0;
        for (qint64 checked : casinos) {
            const auto spinRows = rowsOf(t, w, checked, w.spinTable(), spin, spinCols);
            std::vector<std::pair<qint64, Row>> s(spinRows.begin(), spinRows.end());
            std::ranges::sort(s, [&](const auto& a, const auto& b) {
                return std::pair(a.second[spinNow].toDouble(), a.first) <
                       std::pair(b.second[spinNow].toDouble(), b.first);
            });
            const auto counts = rowsOf(t, w, checked, w.countTable(), spin, counterCols);
            const auto advice = rowsOf(t, w, checked, w.adviseTable(), spin, adviceCols);
            const auto wins = rowsOf(t, w, checked, w.winTable(), spin, winCols);
            QCOMPARE(counts.size(), s.size());
            QCOMPARE(advice.size(), s.size());
            QCOMPARE(wins.size(), s.size());
            QStringList tallies;
            std::vector<qint64> won(w.categories().size(), 0);
            for (size_t k = 0; k < s.size(); ++k) {
                const auto& [id, values] = s[k];
                const Row* prev = k ? &advice.at(s[k - 1].first) : nullptr;
                const Row& win = wins.at(id);
                QCOMPARE(win[adviceId].toLongLong(), prev ? prev->value(adviceId).toLongLong() : 0);
                if (prev)
                    QCOMPARE(prev->value(adviceWin), win[winId]);
                std::vector<int> expected(w.counters().size(), 0);
                for (const Category& c : w.categories()) {
                    const QString column = w.spinColumn(c.id);
                    const QString& value = values[column];
                    // Followers of the earlier spins that match this one; 0 and 00 match for Numbers.
                    for (size_t p = 0; p + 1 < k; ++p) {
                        const QString& earlier = s[p].second[column];
                        if (c.id == CategoryId::Numbers ? earlier.toInt() == value.toInt()
                                                        : earlier == value) {
                            for (int counter : w.countersFor(c.id, s[p + 1].second[column]))
                                ++expected[counter];
                        }
                    }
                    if (k > 0 && !value.isEmpty()) {
                        const QString& from = s[k - 1].second[column];
                        tallies << u"follow:"_s + c.key + u'|' +
                                       (c.id == CategoryId::Numbers ? QString::number(from.toInt()) : from) +
                                       u'|' + value;
                    }
                }
                const Row& stored = counts.at(id);
                for (size_t i = 0; i < expected.size(); ++i)
                    QCOMPARE(stored[counterCols[int(i)]].toInt(), expected[i]);

                const Row& a = advice.at(id);
                const Played& at = played.at(id);
                const QString number = values[w.spinColumn(CategoryId::Numbers)];
                for (size_t n = 0; n < w.categories().size(); ++n) {
                    const Category& c = w.categories()[n];
                    const QString advisedBefore = prev ? prev->value(w.adviseColumn(c.id)) : QString();
                    QVERIFY(adviceFits(w, c, expected, a[w.adviseColumn(c.id)], at.zeroZero));
                    const QString verdict =
                        judged(w, c, values[w.spinColumn(c.id)], number.toInt(), advisedBefore);
                    QCOMPARE(win[w.winColumn(c.id)], verdict);
                    // The first spin judged no advice: in no tally and no ratio.
                    if (prev) {
                        tallies << u"verdict:"_s + c.key + u"||"_s + verdict;
                        won[n] += verdict == u"Y";
                    }
                    const qint64 judgedSoFar = qint64(k);
                    QCOMPARE(win[w.winPctColumn(c.id)].toDouble(), Judgement::percent(won[n], judgedSoFar));
                    QCOMPARE(win[w.lossPctColumn(c.id)].toDouble(),
                             Judgement::percent(judgedSoFar - won[n], judgedSoFar));
                    if (!c.hasStake())
                        continue;
                    double stake = !prev             ? at.amount
                                   : verdict == u"Y" ? at.amount
                                                     : 2 * prev->value(w.coinsColumn(c.id)).toDouble();
                    if (restakedTo.count(a[adviceId].toLongLong()))
                        stake = restakedTo.at(a[adviceId].toLongLong());
                    QCOMPARE(a[w.coinsColumn(c.id)].toDouble(), stake);
                }
                ++checkedSpins;
            }
            if (!s.empty())
                QCOMPARE(advice.at(s.back().first).value(adviceWin), QString());
            QMap<QString, int> expectedTallies;
            for (const QString& key : tallies)
                ++expectedTallies[key];
            QStringList expectedRows;
            for (const auto& [key, n] : expectedTallies.asKeyValueRange())
                expectedRows << key + u'=' + QString::number(n);
            QStringList storedRows =
                t.text(u"SELECT group_concat(tally_kind || '|' || tally_from || '|' || tally_to || "
                       "'=' || tally_count, char(10)) FROM %1 WHERE %2 = %3"_s
                           .arg(w.tallyTable(), w.casinoSetting())
                           .arg(checked)
                           .toStdString())
                    .split(u'\n', Qt::SkipEmptyParts);
            storedRows.sort();
            expectedRows.sort();
            QCOMPARE(storedRows, expectedRows);
        }
        QVERIFY(checkedSpins > 200);
    }

    // A batch writes its rows many to a statement, under the keys it
    // foresaw; where the table gives others, the write stops, before any
    // row could name a wrong key.
    void rowBatchKeys_data()
    {
        QTest::addColumn<int>("width"); // 400 values a row: two rows a statement
        QTest::addColumn<int>("rows");
        QTest::addColumn<qint64>("keyBefore"); // the table holds keys 1 to 3
        QTest::addColumn<bool>("written");
        QTest::newRow("one statement") << 1 << 5 << qint64(3) << true;
        QTest::newRow("full statements and the rest") << 400 << 5 << qint64(3) << true;
        QTest::newRow("keys foreseen wrong") << 1 << 5 << qint64(2) << false;
    }

    void rowBatchKeys()
    {
        QFETCH(int, width);
        QFETCH(int, rows);
        QFETCH(qint64, keyBefore);
        QFETCH(bool, written);
        TestDb t;
        QStringList columns;
        for (int c = 0; c < width; ++c)
            columns << u"c%1"_s.arg(c);
        t.db.exec(
            u"CREATE TABLE wide (wide_id INTEGER PRIMARY KEY AUTOINCREMENT, %1)"_s.arg(columns.join(u','))
                .toStdString());
        t.db.exec("INSERT INTO wide (c0) VALUES (1), (2), (3)");
        RowBatch batch(t.db, u"wide (%1)"_s.arg(columns.join(u',')).toStdString(), width, keyBefore);
        QStringList keys;
        try {
            for (int r = 0; r < rows; ++r) {
                const qint64 key = batch.newKey();
                keys << QString::number(key);
                for (int c = 0; c < width; ++c)
                    batch.add(key * 1000 + c);
                batch.endRow();
            }
            batch.flush();
            QVERIFY(written);
        } catch (const DbError& e) {
            QVERIFY2(!written, e.what());
            QVERIFY(QString::fromUtf8(e.what()).contains(u"instead of"_s));
            return;
        }
        QCOMPARE(keys.join(u','), u"4,5,6,7,8"_s);
        QStringList expected; // key:first value:last value
        for (int k = 4; k <= 8; ++k)
            expected << u"%1:%2:%3"_s.arg(k).arg(k * 1000).arg(k * 1000 + width - 1);
        QCOMPARE(
            t.text(u"SELECT group_concat(wide_id || ':' || c0 || ':' || c%1) FROM wide WHERE wide_id > 3"_s
                       .arg(width - 1)
                       .toStdString()),
            expected.join(u','));
    }

    void batchWritesWhatSpinBySpinWrites_data()
    {
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<int>("oneByOne"); // spins recorded singly before the batch
        QTest::addRow("R, batch into an empty casino") << QChar(u'R') << 0;
        QTest::addRow("R, batch on top of a history") << QChar(u'R') << 120;
        QTest::addRow("M, batch on top of a history") << QChar(u'M') << 120;
    }

    // The same spins with the same tie-breaks leave the same rows, keys
    // included, whether recorded one by one or as a batch.
    void batchWritesWhatSpinBySpinWrites()
    {
        QFETCH(QChar, letter);
        QFETCH(int, oneByOne);
        const Wheel& w = *Wheel::byLetter(letter);
        constexpr int Spins = 400;
        std::mt19937 choose(5);
        std::vector<int> pockets;
        for (int k = 0; k < Spins; ++k) {
            // Runs of a few pockets make ties and repeated followers.
            const int n = choose() % 3 == 0 ? 4 : w.pocketCount();
            pockets.push_back(int(choose() % unsigned(n)));
        }
        const auto play = [&](int singly) {
            auto t = std::make_unique<TestDb>();
            SeededRandom random(9);
            AppContext app(t->db, t->clock, random);
            app.settingId = t->app->settingId;
            const WheelSettings settings = *SettingsStore(app).wheelSettings(w);
            const auto stamp = [&](int k) {
                return OleStamp::fromMsecs(OleStamp::msecsOf(QDate(2026, 1, 1), 0) + k * 1000LL);
            };
            for (int k = 0; k < singly; ++k) {
                Transaction tx(t->db);
                SpinRecorder(app, w, settings, SpinRecorder::Tallying::InRows)
                    .record(pockets[size_t(k)], stamp(k));
                tx.commit();
            }
            if (singly < Spins) {
                Transaction tx(t->db);
                SpinRecorder batch(app, w, settings, SpinRecorder::Tallying::InMemory);
                for (int k = singly; k < Spins; ++k)
                    batch.record(pockets[size_t(k)], stamp(k));
                batch.finish();
                tx.commit();
            }
            return t;
        };
        const auto spinBySpin = play(Spins);
        const auto batch = play(oneByOne);
        for (const QString& table :
             {w.spinTable(), w.countTable(), w.adviseTable(), w.winTable(), w.tallyTable()}) {
            const QStringList expected = wholeTable(*spinBySpin, table);
            QVERIFY(expected.size() >= Spins || table == w.tallyTable());
            QCOMPARE(wholeTable(*batch, table), expected);
        }
    }

private:
    // Every column of every row, in the order of the first columns.
    static QStringList wholeTable(TestDb& t, const QString& table)
    {
        QStringList columns;
        for (Statement q = t.db.prepare(u"PRAGMA table_info(%1)"_s.arg(table).toStdString()); q.next();)
            columns << u"quote(%1)"_s.arg(q.text(1));
        return t
            .text(u"SELECT group_concat(%1, char(10)) FROM (SELECT * FROM %2 ORDER BY 1, 2, 3, 4, 5)"_s
                      .arg(columns.join(u" || '|' || "), table)
                      .toStdString())
            .split(u'\n');
    }
};

QTEST_GUILESS_MAIN(TestSpinEngine)
#include "test_spinengine.moc"
