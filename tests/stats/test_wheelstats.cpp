// The wheel's own figures: wheel orders, arcs of neighbouring pockets, the
// scan's simulated p against an exact count, the classic sectors, the spins a
// verdict needs and Kelly's stake.
#include "stats/Binomial.h"
#include "stats/ClassicSectors.h"
#include "stats/Edge.h"
#include "stats/PocketBias.h"
#include "stats/SectorScan.h"
#include "stats/SpinsNeeded.h"
#include "stats/WheelFormat.h"
#include "stats/WheelStats.h"
#include "wheel/WheelOrder.h"

#include <QtTest>

#include <cmath>
#include <map>
#include <random>

using namespace spinledger;
using namespace spinledger::stats;
using namespace Qt::StringLiterals;

namespace {

const QString SingleZero = u"0 32 15 19 4 21 2 25 17 34 6 27 13 36 11 30 8 23 10 5 24 16 33 1 20 "
                           "14 31 9 22 18 29 7 28 12 35 3 26"_s;
const QString DoubleZero = u"0 28 9 26 30 11 7 20 32 17 5 22 34 15 3 24 36 13 1 00 27 10 25 29 12 "
                           "8 19 31 18 6 21 33 16 4 23 35 14 2"_s;

// Counts in single-zero wheel order: `each` on every pocket, `extra` more on
// the pockets named.
std::vector<qint64> history(qint64 each, const QStringList& hot, qint64 extra)
{
    const QStringList order = SingleZero.split(u' ');
    std::vector<qint64> counts(size_t(order.size()), each);
    for (const QString& label : hot)
        counts[size_t(order.indexOf(label))] += extra;
    return counts;
}

// The most extreme z of all arcs, summed pocket by pocket, no prefix sums.
std::pair<double, double> extremeZ(const std::vector<int>& counts)
{
    const int pockets = int(counts.size());
    int n = 0;
    for (int c : counts)
        n += c;
    double hot = -1e9, cold = 1e9;
    for (int w : {3, 5, 7, 9, 12, 18}) {
        const double share = double(w) / pockets;
        for (int s = 0; s < pockets; ++s) {
            int sum = 0;
            for (int i = 0; i < w; ++i)
                sum += counts[size_t((s + i) % pockets)];
            const double z = (sum - n * share) / std::sqrt(n * share * (1 - share));
            hot = std::max(hot, z);
            cold = std::min(cold, z);
        }
    }
    return {hot, cold};
}

// Hits of the pockets in 1000 spins at 35 to 1, best of `pickedAmong`, and
// the estimate they give.
struct EdgeCase
{
    QStringList pockets;
    qint64 hits;
    int pickedAmong;
    bool shown;
    double edge, low, high, kelly;
};

} // namespace

class TestWheelStats : public QObject
{
    Q_OBJECT

private slots:
    void wheelOrders()
    {
        for (const bool zeroZero : {false, true}) {
            const QStringList order = WheelOrder::labels(Wheel::r(), zeroZero);
            QCOMPARE(order, (zeroZero ? DoubleZero : SingleZero).split(u' '));
            // Every pocket in play once.
            QSet<QString> inPlay;
            for (int i = 0; i < Wheel::r().pocketCount(); ++i)
                inPlay << Wheel::r().label(i);
            if (!zeroZero)
                inPlay.remove(u"00"_s);
            QCOMPARE(QSet<QString>(order.begin(), order.end()), inPlay);
            QVERIFY(WheelOrder::labels(Wheel::m(), zeroZero).isEmpty());
        }
    }

    // 5 on every pocket, 10 more on three neighbours: the hottest arc is those
    // three; the coldest the first 18 that miss them.
    void hottestAndColdestArcs()
    {
        // the three, the hottest's start, the coldest's first two and its start
        const std::tuple<QStringList, int, QStringList, int> cases[] = {
            {{"4", "21", "2"}, 4, {"25", "17"}, 7}, {{"26", "0", "32"}, 36, {"15", "19"}, 2}};
        for (const auto& [hot, hottestStart, coldestFirst, coldestStart] : cases) {
            const std::optional<SectorScan::Result> r =
                SectorScan::scan(SingleZero.split(u' '), history(5, hot, 10), 0);
            QVERIFY(r);
            const double n = 37 * 5 + 30;
            QCOMPARE(r->hottest.pockets, hot);
            QCOMPARE(r->hottest.start, hottestStart);
            QCOMPARE(r->hottest.count, 45);
            QCOMPARE(r->hottest.expected, 3 * n / 37);
            QCOMPARE(r->hottest.z, (45 - 3 * n / 37) / std::sqrt(n * 3 / 37 * 34 / 37));
            QCOMPARE(r->coldest.width, 18);
            QCOMPARE(r->coldest.start, coldestStart);
            QCOMPARE(r->coldest.pockets.mid(0, 2), coldestFirst);
            QCOMPARE(r->coldest.count, 90);
            QCOMPARE(r->coldest.expected, 18 * n / 37);
            QCOMPARE(r->simulations, 0);
            QCOMPARE(r->hottest.p, 1.0);
        }
    }

    // Three spins: every history a fair wheel can give, weighed by its
    // chance, against the simulated p of the scan.
    void scanPAgainstEveryHistory()
    {
        // where the three spins fell, in wheel order: three neighbours, two and one apart, one pocket
        for (const QList<int>& places : {QList<int>{0, 1, 2}, QList<int>{0, 1, 20}, QList<int>{5, 5, 5}}) {
            const QStringList order = SingleZero.split(u' ');
            std::vector<int> seen(37, 0);
            for (int p : places)
                ++seen[size_t(p)];
            const auto [seenHot, seenCold] = extremeZ(seen);
            double hotter = 0, colder = 0;
            std::vector<int> c(37, 0);
            for (int a = 0; a < 37; ++a) {
                for (int b = a; b < 37; ++b) {
                    for (int d = b; d < 37; ++d) {
                        c[size_t(a)]++, c[size_t(b)]++, c[size_t(d)]++;
                        const double orders = (a == b && b == d) ? 1 : (a == b || b == d) ? 3 : 6;
                        const auto [hot, cold] = extremeZ(c);
                        hotter += hot >= seenHot - 1e-9 ? orders : 0;
                        colder += cold <= seenCold + 1e-9 ? orders : 0;
                        c[size_t(a)]--, c[size_t(b)]--, c[size_t(d)]--;
                    }
                }
            }
            const double exactHot = hotter / (37.0 * 37 * 37), exactCold = colder / (37.0 * 37 * 37);

            std::vector<qint64> counts(seen.begin(), seen.end());
            const std::optional<SectorScan::Result> r = SectorScan::scan(order, counts, 10000);
            QVERIFY(r);
            QCOMPARE(r->simulations, 10000);
            QVERIFY(std::abs(r->hottest.z - seenHot) < 1e-9);
            const double seHot = std::sqrt(exactHot * (1 - exactHot) / 10000),
                         seCold = std::sqrt(exactCold * (1 - exactCold) / 10000);
            QVERIFY2(std::abs(r->hottest.p - exactHot) <= 4 * seHot + 1e-4,
                     qPrintable(u"simulated %1, exact %2"_s.arg(r->hottest.p).arg(exactHot)));
            QVERIFY2(std::abs(r->coldest.p - exactCold) <= 4 * seCold + 1e-4,
                     qPrintable(u"simulated %1, exact %2"_s.arg(r->coldest.p).arg(exactCold)));
            QVERIFY(std::abs(r->hottest.pError - seHot) <= 0.2 * seHot + 1e-4);
            // The same history gives the same p.
            const std::optional<SectorScan::Result> again = SectorScan::scan(order, counts, 10000);
            QCOMPARE(again->hottest.p, r->hottest.p);
            QCOMPARE(again->coldest.p, r->coldest.p);
        }
    }

    // The fair histories' counts: draws against the binomial probabilities,
    // summed here from factorials, pooled where fewer than 20 are expected.
    void binomialDraws()
    {
        // trials and p: a small mean, a mean of 20, a large mean, p above one half
        for (const auto& [trials, p] : {std::pair{qint64(200), 1.0 / 37}, std::pair{qint64(100), 0.2},
                                        std::pair{qint64(100000), 1.0 / 37}, std::pair{qint64(60), 0.9}}) {
            constexpr int Draws = 20000;
            std::mt19937_64 rng(7);
            std::map<qint64, int> seen;
            for (int i = 0; i < Draws; ++i) {
                const qint64 k = Binomial::draw(trials, p, rng);
                QVERIFY(k >= 0 && k <= trials);
                ++seen[k];
            }
            // Chi-square over bins of at least 20 expected draws.
            double chi = 0, expected = 0;
            int bins = 0, observed = 0;
            for (qint64 k = 0; k <= trials; ++k) {
                const double logMass = std::lgamma(double(trials) + 1) - std::lgamma(double(k) + 1) -
                                       std::lgamma(double(trials - k) + 1) + double(k) * std::log(p) +
                                       double(trials - k) * std::log1p(-p);
                expected += Draws * std::exp(logMass);
                observed += seen.count(k) ? seen[k] : 0;
                if (expected >= 20) {
                    chi += (observed - expected) * (observed - expected) / expected;
                    ++bins;
                    expected = 0;
                    observed = 0;
                }
            }
            chi += expected > 0 ? (observed - expected) * (observed - expected) / expected : 0;
            ++bins;
            // The 99.9 % point of chi-square with bins - 1 degrees of freedom,
            // by Wilson and Hilferty's approximation.
            const double df = bins - 1;
            const double limit = df * std::pow(1 - 2 / (9 * df) + 3.0902 * std::sqrt(2 / (9 * df)), 3);
            QVERIFY2(
                chi < limit,
                qPrintable(
                    u"%1 trials at %2: chi-square %3 over %4 bins"_s.arg(trials).arg(p).arg(chi).arg(bins)));
        }
    }

    void classicSectors()
    {
        const QStringList order = SingleZero.split(u' ');
        // 5 on every pocket and 10 more on 0.
        const std::vector<ClassicSector> rows = ClassicSectors::of(order, history(5, {"0"}, 10));
        const std::tuple<QString, QString, qint64> sectors[] = {
            {u"Voisins du zéro"_s, u"22 18 29 7 28 12 35 3 26 0 32 15 19 4 21 2 25"_s, 17 * 5 + 10},
            {u"Tiers du cylindre"_s, u"27 13 36 11 30 8 23 10 5 24 16 33"_s, 12 * 5},
            {u"Orphelins"_s, u"17 34 6 1 20 14 31 9"_s, 8 * 5},
            {u"Jeu zéro"_s, u"12 35 3 26 0 32 15"_s, 7 * 5 + 10}};
        for (const auto& [name, pockets, count] : sectors) {
            const auto row = std::find_if(rows.begin(), rows.end(),
                                          [n = name](const ClassicSector& s) { return s.name == n; });
            QVERIFY2(row != rows.end(), qPrintable(name));
            const QStringList members = pockets.split(u' ');
            QCOMPARE(row->pockets, members);
            QCOMPARE(row->count, count);
            const double share = members.size() / 37.0;
            QCOMPARE(row->expected, 195 * share);
            QCOMPARE(row->z, (count - 195 * share) / std::sqrt(195 * share * (1 - share)));
            QVERIFY(row->holmP >= row->p);
        }
        // Voisins, Tiers and Orphelins share the wheel between them.
        QSet<QString> shared;
        qsizetype members3 = 0;
        for (size_t i = 0; i < 3; ++i) {
            shared += QSet<QString>(rows[i].pockets.begin(), rows[i].pockets.end());
            members3 += rows[i].pockets.size();
        }
        QCOMPARE(shared.size(), 37);
        QCOMPARE(members3, 37);
    }

    // Worked by hand: P = 37, 10% edge: fair 1/37 = 0.027027, edged 1.1/36 =
    // 0.030556; Šidák level 1 - 0.95^(1/37) = 0.0013853, z = 2.99210; power
    // z 0.84162; n = ((2.99210·√(0.027027·0.972973) + 0.84162·√(0.030556·
    // 0.969444)) / 0.003529)² = 31883.9, so 31,884 spins.
    void spinsNeeded()
    {
        // pockets, width of the arc, payout, edge, spins
        const std::tuple<int, int, int, double, qint64> rows[] = {
            {37, 1, 35, 0.10, 31884}, {37, 1, 35, 0.30, 4999}, {38, 1, 35, 0.05, 47583},
            {38, 1, 35, 0.30, 4233},  {37, 5, 35, 0.10, 5647}, {13, 1, 11, 0.10, 4161}};
        for (const auto& [pockets, width, payout, edge, spins] : rows)
            QCOMPARE(SpinsNeeded::spins(pockets, width, payout, edge, pockets), spins);
    }

    // Kelly: b = 35, p = 0.04: (35·0.04 − 0.96) / 35 = 0.44 / 35.
    // 40 hits in 1000 spins: Wilson's lower end 0.0295110 is above 1/36, so
    // Kelly at it is (35·0.0295110 − 0.9704890) / 35 = 0.0017827; the edge
    // 0.04·36 − 1 = 0.44, its interval 0.0623951 to 0.9443472. 160 hits of an
    // arc of 5 in 1000: lower end 0.1385853 is below 5/36: no stake.
    void edgeAndKelly()
    {
        QCOMPARE(Edge::kelly(35, 0.04), 0.44 / 35);
        const QStringList one{"17"};
        const EdgeCase cases[] = {
            {one, 40, 1, true, 0.44, 0.0623951, 0.9443472, 0.0017827}, // a pocket above break-even
            {{"4", "21", "2", "25", "17"}, 160, 1, false, 0.152, -0.0021861, 0.3249219, 0.0},
            {one, 27, 1, false, -0.028, -0.3296302, 0.4039543, 0.0}, // a pocket at a fair rate
            // The hottest of 37: 95 % for all 37 at once is 99.8615 % for one,
            // z = 3.1977; 40 hits then no longer show an edge, 60 still do: the
            // lower end 0.0401493 gives (35·0.0401493 − 0.9598507) / 35 = 0.0127250.
            {one, 40, 37, false, 0.44, -0.1216416, 1.3368725, 0.0},
            {one, 60, 37, true, 1.16, 0.4453735, 2.1952822, 0.0127250}};
        for (const EdgeCase& c : cases) {
            const EdgeEstimate e = Edge::of(c.pockets, c.hits, 1000, 35, c.pickedAmong);
            const QString seen = u"%1 hits among %2: edge %3 from %4 to %5, Kelly %6"_s.arg(c.hits)
                                     .arg(c.pickedAmong)
                                     .arg(e.edge)
                                     .arg(e.interval.low)
                                     .arg(e.interval.high)
                                     .arg(e.kelly);
            QCOMPARE(e.shown, c.shown);
            QVERIFY2(std::abs(e.edge - c.edge) < 1e-9, qPrintable(seen));
            QVERIFY2(std::abs(e.interval.low - c.low) < 1e-6, qPrintable(seen));
            QVERIFY2(std::abs(e.interval.high - c.high) < 1e-6, qPrintable(seen));
            QVERIFY2(std::abs(e.kelly - c.kelly) < 1e-6, qPrintable(seen));
            QCOMPARE(
                WheelFormat::kelly(e, QLocale::c()).startsWith(u"no edge shown: Kelly says bet nothing"_s),
                !c.shown);
        }
    }

    // No simulated history reached the arc: p is at most 1 / (s + 1), and
    // below the smallest value shown the bound is no "p ≤ < ...".
    void arcBeyondEverySimulationSaysItsBound()
    {
        for (const auto& [simulations, bound] : {std::pair{10000, u"; p < 0.0001: none of 10000 fair"_s},
                                                 std::pair{999, u"; p ≤ 0.001: none of 999 fair"_s}}) {
            WheelFigures f;
            f.order = QStringList(37, u"0"_s);
            f.simulations = simulations;
            const Arc a{.width = 5, .pockets = {"4", "21", "2", "25", "17"}, .p = 1.0 / (simulations + 1)};
            const QString text = WheelFormat::arc(u"Hottest"_s, a, f, QLocale::c());
            QVERIFY2(text.contains(bound), qPrintable(text));
        }
    }

    void sectorFiguresWaitForFiveSpinsAPocket()
    {
        // the wheel and spins on each pocket; whether the bias is tested, whether there are arcs
        for (const auto& [letter, each, tested, arcs] :
             {std::tuple{'R', 4, false, false}, std::tuple{'R', 5, true, true},
              std::tuple{'M', 5, true, false}}) {
            const Wheel& w = *Wheel::byLetter(QChar::fromLatin1(letter));
            std::vector<qint64> counts(size_t(w.pocketCount()), each);
            counts[0] = 0; // 00, switched off
            const Bias bias = PocketBias::of(w, false, counts);
            const std::optional<WheelFigures> f = WheelStats::of(w, false, bias, 100);
            QVERIFY(f);
            // tested, arcs, simulations, classic sectors, pocket edge, spins-needed rows, their sector
            QCOMPARE(
                (QList<int>{f->tested, f->hottest.width > 0, f->simulations, int(f->classic.size()),
                            f->pocketEdge.present, int(f->spinsNeeded.size()), f->spinsNeeded[0].sector > 0}),
                (QList<int>{tested, arcs, arcs ? 100 : 0, arcs ? 4 : 0, tested, 4, arcs}));
        }
    }
};

QTEST_GUILESS_MAIN(TestWheelStats)
#include "test_wheelstats.moc"
