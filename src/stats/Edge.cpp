#include "stats/Edge.h"

#include <cmath>

namespace spinledger::stats::Edge {

double kelly(double odds, double chance)
{
    return (odds * chance - (1 - chance)) / odds;
}

EdgeEstimate of(const QStringList& pockets, qint64 hits, qint64 spins, int payout, int pickedAmong)
{
    EdgeEstimate e;
    const double width = double(pockets.size());
    if (spins <= 0 || width <= 0 || width >= payout + 1)
        return e;
    e.present = true;
    e.pockets = pockets;
    e.hits = hits;
    e.spins = spins;
    e.odds = (payout + 1 - width) / width;
    e.breakEven = width / (payout + 1);
    e.hitRate = double(hits) / double(spins);
    e.pickedAmong = std::max(1, pickedAmong);
    const Interval rate = Distributions::wilson(hits, spins, std::pow(0.95, 1.0 / e.pickedAmong));
    const auto edgeAt = [&e](double hitRate) { return hitRate * (e.odds + 1) - 1; };
    e.edge = edgeAt(e.hitRate);
    e.interval = {edgeAt(rate.low), edgeAt(rate.high)};
    e.shown = rate.low > e.breakEven;
    if (e.shown)
        e.kelly = kelly(e.odds, rate.low);
    return e;
}

} // namespace spinledger::stats::Edge
