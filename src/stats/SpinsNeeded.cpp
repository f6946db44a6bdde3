#include "stats/SpinsNeeded.h"

#include <cmath>

namespace spinledger::stats::SpinsNeeded {

qint64 spins(int pockets, int width, int payout, double edge, int tests)
{
    const double fair = double(width) / pockets;
    const double biased = double(width) * (1 + edge) / (payout + 1);
    if (biased <= fair || biased >= 1)
        return 0;
    // The level each of the tests is made at so that any of them errs 5 % of the time.
    const double level = -std::expm1(std::log1p(-Alpha) / tests);
    const double zLevel = Distributions::normalQuantile(1 - level);
    const double zPower = Distributions::normalQuantile(Power);
    const double root =
        (zLevel * std::sqrt(fair * (1 - fair)) + zPower * std::sqrt(biased * (1 - biased))) / (biased - fair);
    return qint64(std::ceil(root * root));
}

std::vector<SpinsNeededRow> rows(int pockets, int payout, int sectorWidth)
{
    std::vector<SpinsNeededRow> out;
    for (double e : Edges) {
        SpinsNeededRow row;
        row.edge = e;
        row.pocket = spins(pockets, 1, payout, e, pockets);
        if (sectorWidth > 0)
            row.sector = spins(pockets, sectorWidth, payout, e, pockets);
        out.push_back(row);
    }
    return out;
}

} // namespace spinledger::stats::SpinsNeeded
