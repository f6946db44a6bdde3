#include "stats/SectorScan.h"

#include "stats/Binomial.h"

#include <cmath>
#include <limits>
#include <random>

namespace spinledger::stats::SectorScan {

namespace {

// Simulated histories between two questions to stop().
constexpr int StopEvery = 256;
// z values this close count as equal: the same counts give the same z.
constexpr double Tie = 1e-9;

struct Place
{
    double z = 0;
    int width = 0;
    int start = 0;
};

struct Extremes
{
    Place hot{-std::numeric_limits<double>::infinity()};
    Place cold{std::numeric_limits<double>::infinity()};
};

// The arcs of every width over n spins on P pockets: each arc's count from
// prefix sums over the wheel gone round twice, its z from the width's fair
// share.
class Scanner
{
public:
    Scanner(int pockets, qint64 spins) : m_pockets(pockets), m_prefix(size_t(2 * pockets + 1), 0)
    {
        const double n = double(spins);
        for (int w : Widths) {
            const double share = double(w) / pockets;
            m_expected.push_back(n * share);
            m_spread.push_back(std::sqrt(n * share * (1 - share)));
        }
    }

    double expected(size_t widthIndex) const { return m_expected[widthIndex]; }
    double z(size_t widthIndex, qint64 count) const
    {
        return (double(count) - m_expected[widthIndex]) / m_spread[widthIndex];
    }

    Extremes extremes(const qint64* counts)
    {
        for (int i = 0; i < 2 * m_pockets; ++i)
            m_prefix[size_t(i) + 1] = m_prefix[size_t(i)] + counts[i % m_pockets];
        Extremes e;
        for (size_t wi = 0; wi < std::size(Widths); ++wi) {
            const int w = Widths[wi];
            int most = 0;
            int least = 0;
            qint64 high = m_prefix[size_t(w)];
            qint64 low = high;
            for (int s = 1; s < m_pockets; ++s) {
                const qint64 c = m_prefix[size_t(s + w)] - m_prefix[size_t(s)];
                if (c > high) {
                    high = c;
                    most = s;
                } else if (c < low) {
                    low = c;
                    least = s;
                }
            }
            const double hot = z(wi, high);
            const double cold = z(wi, low);
            if (hot > e.hot.z + Tie)
                e.hot = {hot, int(wi), most};
            if (cold < e.cold.z - Tie)
                e.cold = {cold, int(wi), least};
        }
        return e;
    }

private:
    int m_pockets;
    std::vector<double> m_expected;
    std::vector<double> m_spread;
    std::vector<qint64> m_prefix;
};

// A fair history of n spins as pocket counts: each pocket in turn takes a
// binomial share of the spins the earlier ones left.
void sampleFair(qint64 spins, int pockets, std::mt19937_64& rng, qint64* counts)
{
    qint64 left = spins;
    for (int i = 0; i < pockets - 1; ++i) {
        counts[i] = Binomial::draw(left, 1.0 / (pockets - i), rng);
        left -= counts[i];
    }
    counts[pockets - 1] = left;
}

Arc arcAt(const Place& place, const Scanner& scanner, const QStringList& order,
          const std::vector<qint64>& counts)
{
    Arc a;
    a.width = Widths[place.width];
    a.start = place.start;
    for (int i = 0; i < a.width; ++i) {
        const int at = (place.start + i) % int(order.size());
        a.pockets << order[at];
        a.count += counts[size_t(at)];
    }
    a.expected = scanner.expected(size_t(place.width));
    a.z = place.z;
    return a;
}

// The Monte Carlo p of k exceedances in s simulations, never 0, with its
// standard error.
void setP(Arc& arc, int exceeded, int simulations)
{
    arc.p = double(exceeded + 1) / (simulations + 1);
    arc.pError = std::sqrt(arc.p * (1 - arc.p) / simulations);
}

} // namespace

std::optional<Result> scan(const QStringList& order, const std::vector<qint64>& countsInOrder,
                           int simulations, const StopFn& stop)
{
    const int pockets = int(order.size());
    qint64 spins = 0;
    for (qint64 c : countsInOrder)
        spins += c;
    if (spins <= 0 || pockets <= Widths[std::size(Widths) - 1] || int(countsInOrder.size()) != pockets)
        return std::nullopt;

    Scanner scanner(pockets, spins);
    const Extremes seen = scanner.extremes(countsInOrder.data());
    Result r;
    r.hottest = arcAt(seen.hot, scanner, order, countsInOrder);
    r.coldest = arcAt(seen.cold, scanner, order, countsInOrder);
    if (simulations <= 0)
        return r;

    std::mt19937_64 rng(Seed);
    std::vector<qint64> fair(size_t(pockets), 0);
    int hotter = 0;
    int colder = 0;
    for (int i = 0; i < simulations; ++i) {
        if (stop && i % StopEvery == 0 && stop())
            return std::nullopt;
        sampleFair(spins, pockets, rng, fair.data());
        const Extremes e = scanner.extremes(fair.data());
        hotter += e.hot.z >= seen.hot.z - Tie;
        colder += e.cold.z <= seen.cold.z + Tie;
    }
    r.simulations = simulations;
    setP(r.hottest, hotter, simulations);
    setP(r.coldest, colder, simulations);
    return r;
}

} // namespace spinledger::stats::SectorScan
