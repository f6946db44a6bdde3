#include "stats/Doubling.h"

#include <cmath>

namespace spinledger::stats::Doubling {

namespace {
// 2^60 times any stake is beyond every table.
constexpr int MaxBets = 60;

// Above the limit by more than the binary noise of decimal stakes (0.1 + 0.2).
bool above(double amount, double limit)
{
    return amount > limit * (1 + 1e-12);
}
} // namespace

DoublingState state(const DoublingInputs& in)
{
    if (in.base <= 0)
        return DoublingState::NoBase;
    if (!in.tableMax)
        return DoublingState::NoTableMax;
    return bets(in) > 0 ? DoublingState::Ready : DoublingState::NoRoom;
}

Limit refusedBy(double lostInSeries, double stake, const DoublingInputs& in)
{
    if (in.tableMax && above(stake, *in.tableMax))
        return Limit::TableMax;
    if (in.bankroll && above(lostInSeries + stake, *in.bankroll))
        return Limit::Bankroll;
    return Limit::None;
}

int bets(const DoublingInputs& in)
{
    if (in.base <= 0 || !in.tableMax)
        return 0;
    // Bet k + 1 stakes base * 2^k after losing base * (2^k - 1).
    int k = 0;
    while (k < MaxBets && refusedBy(in.base * (std::exp2(k) - 1), in.base * std::exp2(k), in) == Limit::None)
        ++k;
    return k;
}

DoublingRow risk(const BetOdds& odds, int pocketsInPlay, const DoublingInputs& in)
{
    DoublingRow r;
    r.bets = bets(in);
    const double p = odds.chance(pocketsInPlay);
    const double q = 1 - p;
    const double base = in.base;
    r.bustChance = std::pow(q, r.bets);
    r.bustLoss = base * (std::exp2(r.bets) - 1);
    // A series that wins at bet j has lost the j - 1 stakes before it.
    for (int j = 1; j <= r.bets; ++j) {
        const double stake = base * std::exp2(j - 1);
        const double lostBefore = base * (std::exp2(j - 1) - 1);
        r.expected += std::pow(q, j - 1) * p * (odds.payout * stake - lostBefore);
    }
    r.expected -= r.bustChance * r.bustLoss;
    r.anyBust = r.bustChance >= 1 ? 1 : -std::expm1(double(in.series) * std::log1p(-r.bustChance));
    return r;
}

} // namespace spinledger::stats::Doubling
