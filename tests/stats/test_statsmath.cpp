// The statistics' arithmetic against published tables and against values
// worked out by hand (the working is in the comments).
#include "stats/Distributions.h"
#include "stats/Doubling.h"
#include "stats/FigureFormat.h"
#include "stats/LineThinner.h"
#include "stats/MoneyTrack.h"
#include "stats/PocketBias.h"
#include "stats/Scorecard.h"

#include <QtTest>

#include <cmath>

using namespace spinledger;
using namespace spinledger::stats;
using namespace Qt::StringLiterals;

namespace {

bool near(double a, double b, double tolerance)
{
    return std::abs(a - b) <= tolerance;
}

} // namespace

class TestStatsMath : public QObject
{
    Q_OBJECT

private slots:
    void distributions()
    {
        // Wilson, 60 of 100: z^2 = 3.841459; centre (0.6 + 0.019207) / 1.038415 = 0.596300;
        // half 1.959964 * sqrt(0.0024 + 0.0000960) / 1.038415 = 0.094298.
        const Interval w = Distributions::wilson(60, 100);
        // what, its value, the published or worked value, the tolerance
        const std::tuple<const char*, double, double, double> rows[] = {
            // Published 95 % critical values of chi-square.
            {"chi2 37 df, 95%", Distributions::chiSquareQuantile(0.95, 37), 52.192, 5e-4},
            // Even df: P(X >= x) = e^(-x/2) * sum_{i<df/2} (x/2)^i / i!; x = 10, df = 12:
            // e^-5 * (1 + 5 + 12.5 + 20.833 + 26.042 + 26.042) = 0.006738 * 91.417 = 0.61596.
            {"chi2 tail, 12 df", Distributions::chiSquareAbove(10, 12), 0.61596, 1e-4},
            {"normal 97.5%", Distributions::normalQuantile(0.975), 1.959964, 1e-6},
            // 10 fair coins, at least 8 heads: (C(10,8) + C(10,9) + C(10,10)) / 2^10 = 56 / 1024.
            {"binomial tail 8 of 10", Distributions::binomialAtLeast(8, 10, 0.5), 56.0 / 1024, 1e-12},
            // Three reds in three spins of a single-zero wheel: (18/37)^3 = 5832 / 50653.
            {"binomial tail 3 of 3", Distributions::binomialAtLeast(3, 3, 18.0 / 37), 5832.0 / 50653, 1e-12},
            // At most one head in four: (1 + 4) / 16.
            {"binomial lower tail", Distributions::binomialAtMost(1, 4, 0.5), 5.0 / 16, 1e-12},
            {"no hits needed", Distributions::binomialAtLeast(0, 0, 0.3), 1.0, 0.0},
            {"Wilson 60/100 low", w.low, 0.502002, 1e-5},
            {"Wilson 60/100 high", w.high, 0.690598, 1e-5},
            // 0 of 10: centre = half = (z^2 / 20) / (1 + z^2 / 10) = 0.192073 / 1.384146.
            {"Wilson 0/10 high", Distributions::wilson(0, 10).high, 0.277535, 1e-5},
            // 1 - 0.99^37 = 1 - e^(37 ln 0.99) = 1 - e^-0.371862 = 0.310551.
            {"Sidak", Distributions::sidak(0.01, 37), 0.310551, 1e-6}};
        for (const auto& [what, value, expected, tolerance] : rows)
            QVERIFY2(near(value, expected, tolerance),
                     qPrintable(u"%1: %2"_s.arg(what).arg(value, 0, 'g', 10)));
    }

    void holmSteps()
    {
        // Sorted: 0.005 * 4 = 0.02, 0.01 * 3 = 0.03, 0.03 * 2 = 0.06, 0.04 * 1 kept at 0.06.
        const std::vector<double> adjusted = Distributions::holm({0.01, 0.04, 0.03, 0.005});
        const std::vector<double> expected{0.03, 0.06, 0.06, 0.02};
        for (size_t i = 0; i < expected.size(); ++i)
            QVERIFY(near(adjusted[i], expected[i], 1e-12));
    }

    // A blind bet's chance and its break-even on either wheel, with 00 or without.
    void chances()
    {
        const std::tuple<char, bool, CategoryId, double, double> rows[] = {
            {'R', false, CategoryId::BlackRed, 18.0 / 37, 0.5},
            {'R', true, CategoryId::LowHi, 18.0 / 38, 0.5},
            {'R', true, CategoryId::Dozens, 12.0 / 38, 1.0 / 3},
            {'R', false, CategoryId::Columns, 12.0 / 37, 1.0 / 3},
            {'R', false, CategoryId::Numbers, 1.0 / 37, 1.0 / 36},
            {'M', false, CategoryId::LowHi, 6.0 / 13, 0.5},
            {'M', true, CategoryId::EvenOdd, 6.0 / 14, 0.5},
            {'M', true, CategoryId::Columns, 4.0 / 14, 1.0 / 3},
            {'M', false, CategoryId::Numbers, 1.0 / 13, 1.0 / 12}};
        for (const auto& [letter, zeroZero, category, chance, breakEven] : rows) {
            const Wheel& w = *Wheel::byLetter(QChar::fromLatin1(letter));
            PerCategory<std::pair<qint64, qint64>> none{};
            const std::vector<ScoreRow> card = Scorecard::rows(w, Odds::pocketsInPlay(w, zeroZero), none);
            const auto row = std::find_if(card.begin(), card.end(),
                                          [c = category](const ScoreRow& r) { return r.category == c; });
            QVERIFY2(row != card.end() && near(row->chance, chance, 1e-12) &&
                         near(row->breakEven, breakEven, 1e-12),
                     qPrintable(u"%1 %2 %3"_s.arg(letter).arg(zeroZero).arg(idx(category))));
        }
    }

    void verdicts()
    {
        const std::tuple<CategoryId, qint64, qint64, Verdict> rows[] = {
            // 70 of 100 on colour: far beyond 18/37, and the interval (0.604 up) above 1/2.
            {CategoryId::BlackRed, 100, 70, Verdict::BeatsChanceAbove},
            // 3400 of 10000 dozens: z = (3400 - 3243.2) / 46.8 = 3.3 beats 12/37, yet the
            // interval reaches down to 0.331, below the break-even 1/3.
            {CategoryId::Dozens, 10000, 3400, Verdict::BeatsChanceBelow},
            {CategoryId::EvenOdd, 100, 50, Verdict::NoEvidence},
            {CategoryId::LowHi, 29, 29, Verdict::NotEnough},
            {CategoryId::Columns, 0, 0, Verdict::NotEnough},
            // 5 of 100 numbers: P(X >= 5 | 100, 1/37) = 0.14 before any correction.
            {CategoryId::Numbers, 100, 5, Verdict::NoEvidence}};
        // All rows of the table at once: Holm corrects over every category shown.
        PerCategory<std::pair<qint64, qint64>> table{};
        for (const auto& [category, judged, hits, verdict] : rows)
            table[idx(category)] = {judged, hits};
        for (const ScoreRow& row : Scorecard::rows(Wheel::r(), 37, table)) {
            for (const auto& [category, judged, hits, verdict] : rows) {
                if (category == row.category)
                    QCOMPARE(std::pair(idx(category), int(row.verdict)),
                             std::pair(idx(category), int(verdict)));
            }
        }
    }

    // Every number advice hit: p = 37^-n, the smallest of six, so Holm
    // multiplies it by 6. n = 30: 10^-(30 * 1.5682017) = 8.995e-48, times 6;
    // n = 300: 10^-470 is past what a double holds.
    void verdictText()
    {
        for (const qint64 hits : {30, 300}) {
            PerCategory<std::pair<qint64, qint64>> table{};
            table[idx(CategoryId::Numbers)] = {hits, hits};
            const ScoreRow row = Scorecard::rows(Wheel::r(), 37, table).front();
            QCOMPARE(FigureFormat::verdictText(row, QLocale::c()),
                     u"beats chance (p < 0.0001) — and above break-even"_s);
        }
    }

    // p-values never in exponents, chances never read as certain.
    void pValuesAndChancesAsShown()
    {
        // FigureFormat::chance, else FigureFormat::pValue; p; locale; text
        const std::tuple<bool, double, const char*, const char*> rows[] = {
            {false, 0.0, "C", "< 0.0001"},
            {false, 0.0000999, "C", "< 0.0001"},
            {false, 0.0001, "C", "0.0001"},
            {false, 0.000123, "C", "0.00012"},
            {false, 0.00996, "C", "0.01"}, // rounds up a decade
            {false, 0.61234, "C", "0.61"},
            {false, 1.0, "C", "1"},
            {false, 0.0031, "de_DE", "0,0031"},
            {false, 2e-9, "de_DE", "< 0,0001"},
            // 1 - 0.9048^100 = 0.99995: rounding alone would say 100.0%.
            {true, 0.99995, "C", "> 99.9%"},
            {true, 0.0004, "C", "< 0.1%"},
            {true, 1.0, "C", "100.0%"},
            {true, 0.0, "C", "0.0%"},
            {true, 0.5, "C", "50.0%"}};
        for (const auto& [chance, p, locale, text] : rows) {
            const QLocale l(QString::fromLatin1(locale));
            QCOMPARE(chance ? FigureFormat::chance(p, l) : FigureFormat::pValue(p, l),
                     QString::fromUtf8(text));
        }
    }

    void doubling()
    {
        struct Case
        {
            const char* name;
            int wins, payout;                // of 37 pockets
            double base, tableMax, bankroll; // 0: no bankroll
            int bets;
            double bustChance, bustLoss, expected, anyBust;
        };
        const Case cases[] = {
            // 5, 10, ..., 320 fit under 500, 640 does not: 7 bets; (19/37)^7 = 0.0094159,
            // one bust in 106 series, 5 * 127 = 635 lost; 5 * (1 - (38/37)^7) = -1.026;
            // 1 - (1 - 0.0094159)^100 = 0.6117.
            {"single-zero colour", 18, 1, 5, 500, 0, 7, 0.0094159, 635, -1.0262, 0.6117},
            // The bankroll binds first: 5 * (2^k - 1) <= 300 gives k = 5, 155 lost;
            // 19^5 / 37^5 = 2476099 / 69343957 = 0.0357075; 5 * (1 - 79235168 / 69343957)
            // = -0.71320; 1 - (1 - 0.0357075)^100 = 0.97364.
            {"bankroll limits", 18, 1, 5, 500, 300, 5, 0.0357075, 155, -0.71320, 0.97364},
            // Dozens, base 1, maximum 4: stakes 1, 2, 4; p = 12/37, q = 25/37.
            // 2p + 3qp + 5q^2p - 7q^3 = 0.648649 + 0.657414 + 0.740332 - 2.159297 = -0.112903.
            {"dozens pay 2:1", 12, 2, 1, 4, 0, 3, 0.308471, 7, -0.112903, 1.0}};
        for (const Case& c : cases) {
            const DoublingInputs in{c.base, c.tableMax,
                                    c.bankroll > 0 ? std::optional(c.bankroll) : std::nullopt};
            const DoublingRow r = Doubling::risk({c.wins, c.payout}, 37, in);
            QCOMPARE(r.bets, c.bets);
            QCOMPARE(r.bustLoss, c.bustLoss);
            QVERIFY2(near(r.bustChance, c.bustChance, 1e-6) && near(r.expected, c.expected, 1e-4) &&
                         near(r.anyBust, c.anyBust, 1e-4),
                     c.name);
        }
    }

    void doublingStates()
    {
        // base, table maximum, bankroll (0: none), and the state they make
        const std::tuple<double, double, double, DoublingState> cases[] = {
            {0, 0, 0, DoublingState::NoBase},   {10, 0, 0, DoublingState::NoTableMax},
            {10, 5, 0, DoublingState::NoRoom},  {10, 10, 0, DoublingState::Ready},
            {10, 10, 9, DoublingState::NoRoom}, {10, 10, 10, DoublingState::Ready}};
        for (const auto& [base, tableMax, bankroll, state] : cases) {
            const DoublingInputs in{base, tableMax > 0 ? std::optional(tableMax) : std::nullopt,
                                    bankroll > 0 ? std::optional(bankroll) : std::nullopt};
            QCOMPARE(Doubling::state(in), state);
        }
    }

    void limitStop()
    {
        const QString twoSeries = u"N1 N2 Y4 N1 N2 N4 N8"_s;
        // Verdict and stake, one bet a spin from spin 1; table maximum and bankroll (0:
        // none); the limit that stops (1 table maximum, 2 bankroll), spin, stake, result then.
        const std::tuple<QString, double, double, const char*> cases[] = {
            // The first series wins at 4 (-1 - 2 + 4 = +1); the second would need 8 at spin 7: 1 - 1 - 2 - 4.
            {twoSeries, 4.0, 0.0, "1 7 8 -6"},
            // 1 + 2 + 4 = 7 is above 6 at spin 3, after -1 - 2.
            {twoSeries, 0.0, 6.0, "2 3 4 -3"},
            // Both are broken by the 4 at spin 3: the table maximum is named.
            {twoSeries, 3.0, 6.0, "1 3 4 -3"},
            // A limit reached exactly still takes the bet: 8 <= 8, and 1 + 2 + 4 + 8 <= 15 at spin 7.
            {twoSeries, 8.0, 15.0, "0 0 0 0"},
            {twoSeries, 0.0, 0.0, "0 0 0 0"},
            // 0.1 + 0.2 + 0.4 is 0.7000000000000001 in binary, yet within 0.7; 0.8 more is not.
            {u"N0.1 N0.2 N0.4 N0.8"_s, 0.0, 0.7, "2 4 0.8 -0.7"}};
        for (const auto& [bets, tableMax, bankroll, stop] : cases) {
            const DoublingInputs limits{.tableMax = tableMax > 0 ? std::optional(tableMax) : std::nullopt,
                                        .bankroll = bankroll > 0 ? std::optional(bankroll) : std::nullopt};
            MoneyTrack track(CategoryId::BlackRed, 1, true, limits);
            qint64 n = 0;
            for (const QString& bet : bets.split(u' '))
                track.add(++n, bet[0] == u'Y', bet.mid(1).toDouble());
            const LimitStop s = track.row().stop;
            QCOMPARE(u"%1 %2 %3 %4"_s.arg(int(s.by)).arg(s.spin).arg(s.stake).arg(s.result),
                     QString::fromLatin1(stop));
        }
    }

    void pocketBias()
    {
        // Mini wheel with 00 off: 13 pockets, 65 spins needed. 0 and 1 to 12 come
        // up 5 times each except pocket 3 (never) and 7 (10 times); 4 spins on 00
        // are left out. chi-square = (25 + 25) / 5 = 10 with 12 df: p = 0.61596.
        std::vector<qint64> counts(14, 5);
        counts[0] = 4;  // 00
        counts[4] = 0;  // pocket 3
        counts[8] = 10; // pocket 7
        const Bias b = PocketBias::of(Wheel::m(), false, counts);
        const auto f = [](double v, int decimals) { return QString::number(v, 'f', decimals); };
        QCOMPARE(
            QStringList({QString::number(b.pockets), QString::number(b.spins), QString::number(b.leftOut),
                         b.counts.front().label, QString::number(b.needed), b.tested ? "tested" : "waits",
                         QString::number(b.degreesOfFreedom), f(b.chiSquare, 6), f(b.pValue, 4)})
                .join(u' '),
            "13 65 4 0 65 tested 12 10.000000 0.6160");
        // sd = sqrt(65 * 1/13 * 12/13) = 2.148345; band 5 -+ 1.959964 * 2.148345; z = 5 / 2.148345.
        // Never in 65 spins: (12/13)^65 = 0.0055013; among 13: 1 - (1 - 0.0055013)^13 = 0.069203.
        QCOMPARE(
            QStringList({f(b.band.low, 4), f(b.band.high, 4), b.hottest.label, f(b.hottest.z, 4),
                         b.coldest.label, f(b.coldest.z, 4), f(b.coldest.p, 6), f(b.coldest.corrected, 5)})
                .join(u' '),
            "0.7893 9.2107 7 2.3274 3 -2.3274 0.005501 0.06920");

        // One spin fewer and the test waits.
        counts[8] = 9;
        const Bias early = PocketBias::of(Wheel::m(), false, counts);
        QVERIFY(!early.tested);
        QCOMPARE(FigureFormat::testNeeds(early), u"needs at least 65 spins"_s);
        // With 00 on, its spins are in play: 14 pockets, 70 needed.
        QCOMPARE(PocketBias::of(Wheel::m(), true, counts).needed, qint64(70));
        QCOMPARE(PocketBias::of(Wheel::m(), true, counts).leftOut, qint64(0));
    }

    void thinnedLineKeepsItsShape()
    {
        // A million points rising to one peak at 700000 and a dip at 1 come down
        // to a few thousand that keep both, and the first and last point.
        LineThinner thinner;
        for (qint64 x = 0; x <= 1000000; ++x)
            thinner.add({x, x == 1 ? -5e6 : -std::abs(double(x - 700000))});
        const std::vector<MoneyPoint> points = thinner.points();
        QVERIFY(points.size() <= 4002);
        QCOMPARE(points.front().spin, qint64(0));
        QCOMPARE(points.back().spin, qint64(1000000));
        QCOMPARE(points.back().total, -300000.0);
        auto has = [&](qint64 x) {
            return std::any_of(points.begin(), points.end(),
                               [x](const MoneyPoint& p) { return p.spin == x; });
        };
        QVERIFY(has(700000));
        QVERIFY(has(1));
        for (size_t i = 1; i < points.size(); ++i)
            QVERIFY(points[i].spin > points[i - 1].spin);
    }
};

QTEST_GUILESS_MAIN(TestStatsMath)
#include "test_statsmath.moc"
