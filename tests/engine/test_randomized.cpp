// Plays, undoes, re-stakes and replays thousands of spins on both wheels and
// several casinos, then checks every stored count row, advice, verdict, stake,
// percentage and tally against a recount made here from the spin rows alone.
#include "TestDb.h"
#include "engine/Judgement.h"
#include "engine/SpinEngine.h"
#include "engine/SpinRecorder.h"
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
        Statement q =
            m_t.db.prepare(sel({"tally_kind", "tally_from", "tally_to", "tally_count"}, m_w.tallyTable(),
                               QStringLiteral("WHERE %1 = ?1").arg(m_w.casinoSetting()))
                               .toStdString());
        q.bind(1, m_casino);
        while (q.next())
            t[q.text(0) + u'|' + q.text(1) + u'|' + q.text(2)] = q.integer(3);
        return t;
    }

    std::map<qint64, std::vector<int>> countRows;
    std::map<qint64, AdviceRow> adviceBySpin;
    std::map<qint64, WinRow> winBySpin() const { return m_wins; }

private:
    void load()
    {
        const QString cmb = m_w.casinoSetting();
        QStringList cols{m_w.spinTable() + QStringLiteral("_id")};
        for (const Category& c : m_w.categories())
            cols << m_w.spinColumn(c.id);
        Statement q = m_t.db.prepare(
            sel(cols, m_w.spinTable(),
                QStringLiteral("WHERE %1 = ?1 ORDER BY %2_now, %2_id").arg(cmb, m_w.spinTable()))
                .toStdString());
        q.bind(1, m_casino);
        while (q.next()) {
            Spin s{q.integer(0), {}};
            int col = 1;
            for (const Category& c : m_w.categories())
                s.values[idx(c.id)] = q.text(col++);
            m_spins.push_back(s);
        }

        QStringList counters{m_w.spinTable() + QStringLiteral("_id")};
        for (const Counter& c : m_w.counters())
            counters << c.column;
        Statement cq = m_t.db.prepare(
            sel(counters, m_w.countTable(), QStringLiteral("WHERE %1 = ?1").arg(cmb)).toStdString());
        cq.bind(1, m_casino);
        while (cq.next()) {
            std::vector<int> v;
            for (int i = 1; i < counters.size(); ++i)
                v.push_back(int(cq.integer(i)));
            countRows[cq.integer(0)] = v;
        }

        QStringList acols{m_w.adviseTable() + QStringLiteral("_id"), m_w.spinTable() + QStringLiteral("_id"),
                          m_w.spinTable() + QStringLiteral("_win_id")};
        for (const Category& c : m_w.categories())
            acols << m_w.adviseColumn(c.id) << (c.hasStake() ? m_w.coinsColumn(c.id) : QStringLiteral("0"));
        Statement aq = m_t.db.prepare(
            sel(acols, m_w.adviseTable(), QStringLiteral("WHERE %1 = ?1").arg(cmb)).toStdString());
        aq.bind(1, m_casino);
        while (aq.next()) {
            AdviceRow a{aq.integer(0), aq.integer(1), aq.isNull(2) ? 0 : aq.integer(2), {}, {}};
            int col = 3;
            for (const Category& c : m_w.categories()) {
                a.values[idx(c.id)] = aq.text(col++);
                a.stakes[idx(c.id)] = aq.real(col++);
            }
            adviceBySpin[a.spinId] = a;
        }

        QStringList wcols{m_w.winTable() + QStringLiteral("_id"), m_w.spinTable() + QStringLiteral("_id"),
                          m_w.adviseTable() + QStringLiteral("_id")};
        for (const Category& c : m_w.categories())
            wcols << m_w.winColumn(c.id) << m_w.winPctColumn(c.id) << m_w.lossPctColumn(c.id);
        Statement wq = m_t.db.prepare(
            sel(wcols, m_w.winTable(), QStringLiteral("WHERE %1 = ?1").arg(cmb)).toStdString());
        wq.bind(1, m_casino);
        while (wq.next()) {
            WinRow r{wq.integer(0), wq.integer(2), {}, {}, {}};
            int col = 3;
            for (const Category& c : m_w.categories()) {
                r.verdicts[idx(c.id)] = wq.text(col++);
                r.winPct[idx(c.id)] = wq.real(col++);
                r.lossPct[idx(c.id)] = wq.real(col++);
            }
            m_wins[wq.integer(1)] = r;
        }
    }

    TestDb& m_t;
    const Wheel& m_w;
    qint64 m_casino;
    std::vector<Spin> m_spins;
    std::map<qint64, WinRow> m_wins;
};

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
                    const QString verdict = Judgement::verdict(w, c.id, w.pocketIndex(s[k].values[0]),
                                                               prev ? prev->values[i] : QString());
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
