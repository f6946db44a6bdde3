// Plays, undoes, re-stakes and replays thousands of spins on both wheels and
// several casinos, then checks every stored count row, advice, verdict, stake,
// percentage and tally against a recount made here from the spin rows alone.
#include "TestDb.h"
#include "engine/Judgement.h"
#include "engine/SpinEngine.h"
#include "store/SettingsStore.h"

#include <QtTest>

#include <map>
#include <random>

using namespace spinledger;
using namespace spinledger::test;

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

struct Spin
{
    qint64 id = 0;
    PerCategory<QString> values;
};

struct AdviceRow
{
    qint64 id = 0, spinId = 0, winId = 0;
    PerCategory<QString> values;
    PerCategory<double> stakes{};
};

struct WinRow
{
    qint64 id = 0, adviceId = 0;
    PerCategory<QString> verdicts;
    PerCategory<double> winPct{}, lossPct{};
};

// What the settings were when a spin was played.
struct Played
{
    double amount = 0;
    bool zeroZero = false;
};

QString sel(const QStringList& cols, const QString& table, const QString& where)
{
    return QStringLiteral("SELECT ") + cols.join(u',') + QStringLiteral(" FROM ") + table + u' ' + where;
}

class Recount
{
public:
    Recount(TestDb& t, const Wheel& w, qint64 casino) : m_t(t), m_w(w), m_casino(casino) { load(); }

    const std::vector<Spin>& spins() const { return m_spins; }

    // Counts for spin k over the spins before it, the straightforward way.
    std::vector<int> counts(size_t k) const
    {
        std::vector<int> result(m_w.counters().size(), 0);
        const Spin& s = m_spins[k];
        for (const Category& c : m_w.categories()) {
            const int i = idx(c.id);
            for (size_t p = 0; p + 1 < k; ++p) {
                const QString& earlier = m_spins[p].values[i];
                const bool match = c.id == CategoryId::Numbers ? earlier.toInt() == s.values[i].toInt()
                                                               : earlier == s.values[i];
                if (match) {
                    for (int counter : m_w.countersFor(c.id, m_spins[p + 1].values[i]))
                        ++result[counter];
                }
            }
        }
        return result;
    }

    std::map<QString, qint64> tallies() const
    {
        std::map<QString, qint64> t;
        for (size_t k = 1; k < m_spins.size(); ++k) {
            for (const Category& c : m_w.categories()) {
                const int i = idx(c.id);
                const QString to = m_spins[k].values[i];
                if (to.isEmpty())
                    continue;
                const QString from = c.id == CategoryId::Numbers
                                         ? QString::number(m_spins[k - 1].values[i].toInt())
                                         : m_spins[k - 1].values[i];
                ++t[QStringLiteral("follow:") + c.key + u'|' + from + u'|' + to];
            }
        }
        for (const auto& [spinId, win] : m_wins) {
            for (const Category& c : m_w.categories())
                ++t[QStringLiteral("judge:") + c.key + QStringLiteral("||") + win.verdicts[idx(c.id)]];
        }
        return t;
    }

    std::map<QString, qint64> storedTallies() const
    {
        std::map<QString, qint64> t;
        for (const QStringList& r :
             rows(m_w.tallyTable(), {"tally_kind", "tally_from", "tally_to", "tally_count"}, "1"))
            t[r[0] + u'|' + r[1] + u'|' + r[2]] = r[3].toLongLong();
        return t;
    }

    std::map<qint64, std::vector<int>> countRows;
    std::map<qint64, AdviceRow> adviceBySpin;
    std::map<qint64, WinRow> winBySpin() const { return m_wins; }

private:
    // The casino's rows of a table, as texts, in the order given.
    std::vector<QStringList> rows(const QString& table, const QStringList& cols,
                                  const QString& order = "1") const
    {
        Statement q = m_t.db.prepare(
            sel(cols, table, QStringLiteral("WHERE %1 = ?1 ORDER BY %2").arg(m_w.casinoSetting(), order))
                .toStdString());
        q.bind(1, m_casino);
        std::vector<QStringList> out;
        while (q.next()) {
            QStringList r;
            for (int i = 0; i < cols.size(); ++i)
                r << q.text(i);
            out.push_back(r);
        }
        return out;
    }

    void load()
    {
        const QString spin = m_w.spinTable();
        QStringList cols{spin + QStringLiteral("_id")};
        for (const Category& c : m_w.categories())
            cols << m_w.spinColumn(c.id);
        for (const QStringList& r :
             rows(spin, cols, spin + QStringLiteral("_now, ") + spin + QStringLiteral("_id"))) {
            Spin s{r[0].toLongLong(), {}};
            int col = 1;
            for (const Category& c : m_w.categories())
                s.values[idx(c.id)] = r[col++];
            m_spins.push_back(s);
        }

        QStringList counters{spin + QStringLiteral("_id")};
        for (const Counter& c : m_w.counters())
            counters << c.column;
        for (const QStringList& r : rows(m_w.countTable(), counters)) {
            std::vector<int> v;
            for (int i = 1; i < r.size(); ++i)
                v.push_back(r[i].toInt());
            countRows[r[0].toLongLong()] = v;
        }

        QStringList acols{m_w.adviseTable() + QStringLiteral("_id"), spin + QStringLiteral("_id"),
                          spin + QStringLiteral("_win_id")};
        for (const Category& c : m_w.categories())
            acols << m_w.adviseColumn(c.id) << (c.hasStake() ? m_w.coinsColumn(c.id) : QStringLiteral("0"));
        for (const QStringList& r : rows(m_w.adviseTable(), acols)) {
            AdviceRow a{r[0].toLongLong(), r[1].toLongLong(), r[2].toLongLong(), {}, {}};
            int col = 3;
            for (const Category& c : m_w.categories()) {
                a.values[idx(c.id)] = r[col++];
                a.stakes[idx(c.id)] = r[col++].toDouble();
            }
            adviceBySpin[a.spinId] = a;
        }

        QStringList wcols{m_w.winTable() + QStringLiteral("_id"), spin + QStringLiteral("_id"),
                          m_w.adviseTable() + QStringLiteral("_id")};
        for (const Category& c : m_w.categories())
            wcols << m_w.winColumn(c.id) << m_w.winPctColumn(c.id) << m_w.lossPctColumn(c.id);
        for (const QStringList& r : rows(m_w.winTable(), wcols)) {
            WinRow w{r[0].toLongLong(), r[2].toLongLong(), {}, {}, {}};
            int col = 3;
            for (const Category& c : m_w.categories()) {
                w.verdicts[idx(c.id)] = r[col++];
                w.winPct[idx(c.id)] = r[col++].toDouble();
                w.lossPct[idx(c.id)] = r[col++].toDouble();
            }
            m_wins[r[1].toLongLong()] = w;
        }
    }

    TestDb& m_t;
    const Wheel& m_w;
    qint64 m_casino;
    std::vector<Spin> m_spins;
    std::map<qint64, WinRow> m_wins;
};

// The verdict by the rules: the mini wheel's groups by the ranges of their
// cells (L 1-6, M 4-9, H 7-12), every other category by the stored value.
QString judged(const Wheel& w, CategoryId c, const Spin& spin, const QString& advised)
{
    bool won = spin.values[idx(c)] == advised;
    if (w.letter() == u'M' && c == CategoryId::LowHi) {
        const int n = spin.values[idx(CategoryId::Numbers)].toInt();
        won = (advised == u"L" && n >= 1 && n <= 6) || (advised == u"M" && n >= 4 && n <= 9) ||
              (advised == u"H" && n >= 7 && n <= 12);
    }
    return won ? QStringLiteral("Y") : QStringLiteral("N");
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
        QTest::addColumn<int>("operations");
        QTest::addRow("R") << QChar(u'R') << 1800;
        QTest::addRow("M") << QChar(u'M') << 1800;
    }

    void playUndoRestakeAndRecount()
    {
        QFETCH(QChar, letter);
        QFETCH(int, operations);
        const Wheel& w = *Wheel::byLetter(letter);
        TestDb t;
        SeededRandom engineRandom(7);
        AppContext app(t.db, t.clock, engineRandom);
        app.settingId = t.app->settingId;
        SpinEngine engine(app, w);
        SettingsStore settings(app);
        const qint64 casinos[] = {t.casino, t.addCasino(QStringLiteral("Second"))};

        std::mt19937 choose(letter.unicode());
        auto roll = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(choose)); };
        const QStringList amounts{"10", "5", "2.5", "0", "20"};
        std::map<qint64, Played> played;
        std::map<qint64, double> restakedTo; // advice id -> amount written by a re-stake
        int spins = 0, undos = 0, restakes = 0;

        for (int op = 0; op < operations; ++op) {
            const int r = roll(100);
            if (r < 72) {
                const Result<WheelSettings> ws = settings.wheelSettings(w);
                // Runs of the same few pockets make many ties and many matches.
                const int pocket = roll(3) == 0 ? roll(4) : roll(w.pocketCount());
                const SpinOutcome out = engine.play(w.label(pocket));
                QVERIFY2(out.status.ok, qPrintable(out.status.text));
                played[out.spinId] = {ws->amount, ws->zeroZeroEnabled};
                ++spins;
            } else if (r < 84) {
                const qint64 casino = settings.wheelSettings(w)->casino;
                QVERIFY(engine.undoSpin(app.settingId, casino).status.ok);
                ++undos;
            } else if (r < 88) {
                QVERIFY(
                    settings
                        .setSetting(w.settingsTable(), w.casinoSetting(), QString::number(casinos[roll(2)]))
                        .ok);
            } else if (r < 93) {
                QVERIFY(
                    settings.setSetting(w.settingsTable(), w.amountSetting(), amounts[roll(amounts.size())])
                        .ok);
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

        int checkedSpins = 0;
        for (qint64 casino : casinos) {
            const Recount rc(t, w, casino);
            const std::vector<Spin>& s = rc.spins();
            const std::map<qint64, WinRow> wins = rc.winBySpin();
            QCOMPARE(rc.countRows.size(), s.size());
            QCOMPARE(rc.adviceBySpin.size(), s.size());
            QCOMPARE(wins.size(), s.size());
            qint64 won[CategoryCount] = {};
            for (size_t k = 0; k < s.size(); ++k) {
                const qint64 id = s[k].id;
                const std::vector<int> counts = rc.counts(k);
                QCOMPARE(rc.countRows.at(id), counts);

                const AdviceRow& advice = rc.adviceBySpin.at(id);
                const WinRow& win = wins.at(id);
                const AdviceRow* prev = k ? &rc.adviceBySpin.at(s[k - 1].id) : nullptr;
                QCOMPARE(win.adviceId, prev ? prev->id : 0);
                if (prev)
                    QCOMPARE(prev->winId, win.id);
                const Played& at = played.at(id);
                for (const Category& c : w.categories()) {
                    const int i = idx(c.id);
                    QVERIFY(adviceFits(w, c, counts, advice.values[i], at.zeroZero));
                    const QString verdict = judged(w, c.id, s[k], prev ? prev->values[i] : QString());
                    QCOMPARE(win.verdicts[i], verdict);
                    won[i] += verdict == u"Y";
                    QCOMPARE(win.winPct[i], Judgement::percent(won[i], qint64(k + 1)));
                    QCOMPARE(win.lossPct[i], Judgement::percent(qint64(k + 1) - won[i], qint64(k + 1)));
                    if (!c.hasStake())
                        continue;
                    double expected = verdict == u"Y" ? at.amount : 2 * (prev ? prev->stakes[i] : at.amount);
                    if (restakedTo.count(advice.id))
                        expected = restakedTo.at(advice.id);
                    QCOMPARE(advice.stakes[i], expected);
                }
                ++checkedSpins;
            }
            if (!s.empty())
                QCOMPARE(rc.adviceBySpin.at(s.back().id).winId, qint64(0));
            QCOMPARE(rc.storedTallies(), rc.tallies());
        }
        QVERIFY(checkedSpins > 200);
    }
};

QTEST_GUILESS_MAIN(TestRandomized)
#include "test_randomized.moc"
