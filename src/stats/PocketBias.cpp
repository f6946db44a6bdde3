#include "stats/PocketBias.h"

#include "stats/Odds.h"

#include <cmath>

namespace spinledger::stats::PocketBias {

namespace {

PocketExtreme extreme(const PocketCount& pocket, const Bias& b, double spread, double p)
{
    PocketExtreme e;
    e.label = pocket.label;
    e.count = pocket.count;
    e.z = spread > 0 ? (double(pocket.count) - b.expected) / spread : 0;
    e.p = p;
    e.corrected = Distributions::sidak(p, b.pockets);
    return e;
}

} // namespace

Bias of(const Wheel& wheel, bool zeroZeroEnabled, const std::vector<qint64>& countsByPocket)
{
    Bias b;
    b.pockets = Odds::pocketsInPlay(wheel, zeroZeroEnabled);
    b.degreesOfFreedom = b.pockets - 1;
    b.needed = qint64(SpinsPerPocket) * b.pockets;
    for (int i = 0; i < wheel.pocketCount() && i < int(countsByPocket.size()); ++i) {
        if (!Odds::inPlay(wheel, i, zeroZeroEnabled)) {
            b.leftOut += countsByPocket[i];
            continue;
        }
        b.counts.push_back({wheel.label(i), wheel.colour(i), countsByPocket[i]});
        b.spins += countsByPocket[i];
    }
    const double share = 1.0 / b.pockets;
    const double n = double(b.spins);
    b.expected = n * share;
    const double spread = std::sqrt(n * share * (1 - share));
    const double z = Distributions::normalQuantile(0.975);
    b.band = {std::max(0.0, b.expected - z * spread), b.expected + z * spread};
    b.tested = b.spins >= b.needed && b.spins > 0;
    if (!b.tested)
        return b;

    for (const PocketCount& c : b.counts) {
        const double d = double(c.count) - b.expected;
        b.chiSquare += d * d / b.expected;
    }
    b.pValue = Distributions::chiSquareAbove(b.chiSquare, b.degreesOfFreedom);
    const PocketCount* hot = &b.counts.front();
    const PocketCount* cold = &b.counts.front();
    for (const PocketCount& c : b.counts) {
        if (c.count > hot->count)
            hot = &c;
        if (c.count < cold->count)
            cold = &c;
    }
    b.hottest = extreme(*hot, b, spread, Distributions::binomialAtLeast(hot->count, b.spins, share));
    b.coldest = extreme(*cold, b, spread, Distributions::binomialAtMost(cold->count, b.spins, share));
    return b;
}

} // namespace spinledger::stats::PocketBias
