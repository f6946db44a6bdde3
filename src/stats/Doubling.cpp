#include "stats/Doubling.h"

#include <cmath>

namespace spinledger::stats::Doubling {

namespace {
// 2^60 times any stake is beyond every table.
constexpr int MaxBets = 60;
} // namespace

DoublingState state(const DoublingInputs& in)
{
    if (in.base <= 0)
        return DoublingState::NoBase;
    if (!in.tableMax)
        return DoublingState::NoTableMax;
    return bets(in) > 0 ? DoublingState::Ready : DoublingState::NoRoom;
}

int bets(const DoublingInputs& in)
{
    if (in.base <= 0 || !in.tableMax)
        return 0;
    int k = 0;
    while (k < MaxBets) {
        const double next = k + 1;
        const double stake = in.base * std::exp2(next - 1);
        const double outlay = in.base * (std::exp2(next) - 1);
        if (stake > *in.tableMax || (in.bankroll && outlay > *in.bankroll))
            break;
        ++k;
    }
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
