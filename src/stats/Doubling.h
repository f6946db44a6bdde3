#pragma once

#include "stats/Figures.h"
#include "stats/Odds.h"

namespace spinledger::stats {

// What a doubling series risks: bet the base, double after each loss, stop at
// the first win or when the next stake would break the table maximum or the
// bankroll.
namespace Doubling {

DoublingState state(const DoublingInputs& inputs);
// The limit that refuses a bet of this stake in a series that has lost
// lostInSeries so far: the table maximum when the stake is above it, else the
// bankroll when the losses and the stake together are above it.
Limit refusedBy(double lostInSeries, double stake, const DoublingInputs& inputs);
// k: the most bets of one series, base * 2^(k-1) <= maximum and
// base * (2^k - 1) <= bankroll.
int bets(const DoublingInputs& inputs);
// The risk of one category; the history part (longest run) is left at 0.
DoublingRow risk(const BetOdds& odds, int pocketsInPlay, const DoublingInputs& inputs);

} // namespace Doubling

} // namespace spinledger::stats
