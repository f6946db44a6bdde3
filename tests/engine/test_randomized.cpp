// Plays, undoes, re-stakes and replays thousands of spins on both wheels and
// several casinos, then checks every stored count row, advice, verdict, stake,
// percentage and tally against a recount made here from the spin rows alone.
#include "TestDb.h"
#include "engine/Judgement.h"
#include "engine/SpinEngine.h"
#include "engine/SpinRecorder.h"
#include "store/SettingsStore.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <random>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

namespace {

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

// A casino's rows of a table as texts, keyed by the first column named, the
// remaining columns in the order named.
std::map<qint64, QStringList> rowsOf(TestDb& t, const Wheel& w, qint64 casino, const QString& table,
                                     const QStringList& cols)
{
    Statement q = t.db.prepare(
        (u"SELECT "_s + cols.join(u',') + u" FROM "_s + table + u" WHERE "_s + w.casinoSetting() + u" = ?1"_s)
            .toStdString());
    q.bind(1, casino);
    std::map<qint64, QStringList> out;
    while (q.next()) {
        QStringList r;
        for (int i = 1; i < cols.size(); ++i)
            r << q.text(i);
        out[q.integer(0)] = r;
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

class TestRandomized : public QObject
{
    Q_OBJECT

private slots:
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
                const SpinOutcome out = engine.play(w.label(roll(3) == 0 ? roll(4) : roll(w.pocketCount())));
                QVERIFY2(out.status.ok, qPrintable(out.status.text));
                played[out.spinId] = {ws->amount, ws->zeroZeroEnabled};
                ++spins;
            } else if (r < 84) {
                QVERIFY(engine.undoSpin(app.settingId, settings.wheelSettings(w)->casino).status.ok);
                ++undos;
            } else if (r < 88) {
                const QString casino = QString::number(casinos[roll(2)]);
                QVERIFY(settings.setSetting(w.settingsTable(), w.casinoSetting(), casino).ok);
            } else if (r < 93) {
                QVERIFY(settings.setSetting(w.settingsTable(), w.amountSetting(), amounts[roll(5)]).ok);
            } else if (r < 96) {
                const RestakeOutcome out = engine.restakeAdvice();
                QVERIFY(out.status.ok);
                if (out.adviceId)
                    restakedTo[out.adviceId] = settings.wheelSettings(w)->amount;
                ++restakes;
            } else {
                QVERIFY(settings.setSetting(w.settingsTable(), w.zeroSwitch(), roll(2) ? "1" : "0").ok);
            }
        }
        QVERIFY(spins > 1000 && undos > 100 && restakes > 20);

        const QString spin = w.spinTable() + u"_id"_s;
        QStringList spinCols{spin, w.spinTable() + u"_now"_s}, counterCols{spin};
        QStringList adviceCols{spin, w.adviseTable() + u"_id"_s, w.spinTable() + u"_win_id"_s};
        QStringList winCols{spin, w.winTable() + u"_id"_s, w.adviseTable() + u"_id"_s};
        for (const Category& c : w.categories()) {
            spinCols << w.spinColumn(c.id);
            adviceCols << w.adviseColumn(c.id) << (c.hasStake() ? w.coinsColumn(c.id) : u"0"_s);
            winCols << w.winColumn(c.id) << w.winPctColumn(c.id) << w.lossPctColumn(c.id);
        }
        for (const Counter& c : w.counters())
            counterCols << c.column;

        int checkedSpins = 0;
        for (qint64 casino : casinos) {
            // Spins oldest first: id, then one value per category in display order.
            std::vector<std::pair<qint64, QStringList>> s;
            for (const auto& [id, r] : rowsOf(t, w, casino, w.spinTable(), spinCols))
                s.emplace_back(id, r);
            std::ranges::sort(s, [](const auto& a, const auto& b) {
                return std::pair(a.second[0].toDouble(), a.first) <
                       std::pair(b.second[0].toDouble(), b.first);
            });
            const auto counts = rowsOf(t, w, casino, w.countTable(), counterCols);
            const auto advice = rowsOf(t, w, casino, w.adviseTable(), adviceCols);
            const auto wins = rowsOf(t, w, casino, w.winTable(), winCols);
            QCOMPARE(counts.size(), s.size());
            QCOMPARE(advice.size(), s.size());
            QCOMPARE(wins.size(), s.size());
            QStringList tallies;
            std::vector<qint64> won(w.categories().size(), 0);
            for (size_t k = 0; k < s.size(); ++k) {
                const auto& [id, values] = s[k];
                const QStringList* prev = k ? &advice.at(s[k - 1].first) : nullptr;
                const QStringList& win = wins.at(id);
                QCOMPARE(win[1].toLongLong(), prev ? prev->at(0).toLongLong() : 0);
                if (prev)
                    QCOMPARE(prev->at(1), win[0]);
                std::vector<int> expected(w.counters().size(), 0);
                for (size_t n = 0; n < w.categories().size(); ++n) {
                    const Category& c = w.categories()[n];
                    const QString& value = values[1 + n];
                    // Followers of the earlier spins that match this one; 0 and 00 match for Numbers.
                    for (size_t p = 0; p + 1 < k; ++p) {
                        const QString& earlier = s[p].second[1 + n];
                        if (c.id == CategoryId::Numbers ? earlier.toInt() == value.toInt()
                                                        : earlier == value) {
                            for (int counter : w.countersFor(c.id, s[p + 1].second[1 + n]))
                                ++expected[counter];
                        }
                    }
                    if (k > 0 && !value.isEmpty()) {
                        const QString& from = s[k - 1].second[1 + n];
                        tallies << u"follow:"_s + c.key + u'|' +
                                       (c.id == CategoryId::Numbers ? QString::number(from.toInt()) : from) +
                                       u'|' + value;
                    }
                }
                QStringList stored = counts.at(id);
                for (size_t i = 0; i < expected.size(); ++i)
                    QCOMPARE(stored[int(i)].toInt(), expected[i]);

                const QStringList& a = advice.at(id);
                const Played& at = played.at(id);
                for (size_t n = 0; n < w.categories().size(); ++n) {
                    const Category& c = w.categories()[n];
                    const QString advisedBefore = prev ? prev->at(2 + 2 * int(n)) : QString();
                    QVERIFY(adviceFits(w, c, expected, a[2 + 2 * int(n)], at.zeroZero));
                    const QString verdict = judged(w, c, values[1 + n], values[1].toInt(), advisedBefore);
                    QCOMPARE(win[2 + 3 * int(n)], verdict);
                    tallies << u"judge:"_s + c.key + u"||"_s + verdict;
                    won[n] += verdict == u"Y";
                    QCOMPARE(win[3 + 3 * int(n)].toDouble(), Judgement::percent(won[n], qint64(k + 1)));
                    QCOMPARE(win[4 + 3 * int(n)].toDouble(),
                             Judgement::percent(qint64(k + 1) - won[n], qint64(k + 1)));
                    if (!c.hasStake())
                        continue;
                    const double before = prev ? prev->at(3 + 2 * int(n)).toDouble() : at.amount;
                    double stake = verdict == u"Y" ? at.amount : 2 * before;
                    if (restakedTo.count(a[0].toLongLong()))
                        stake = restakedTo.at(a[0].toLongLong());
                    QCOMPARE(a[3 + 2 * int(n)].toDouble(), stake);
                }
                ++checkedSpins;
            }
            if (!s.empty())
                QCOMPARE(advice.at(s.back().first).at(1), QString());
            // Tallies as counted here and as stored.
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
                           .arg(casino)
                           .toStdString())
                    .split(u'\n', Qt::SkipEmptyParts);
            storedRows.sort();
            expectedRows.sort();
            QCOMPARE(storedRows, expectedRows);
        }
        QVERIFY(checkedSpins > 200);
    }
};

QTEST_GUILESS_MAIN(TestRandomized)
#include "test_randomized.moc"
