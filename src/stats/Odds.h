#pragma once

#include "wheel/Wheel.h"

namespace spinledger::stats {

// What a blind bet on a category wins with, and what it pays.
struct BetOdds
{
    int winningPockets = 0; // pockets that win the bet (never 0 or 00)
    int payout = 0;         // pays payout : 1

    double chance(int pocketsInPlay) const { return double(winningPockets) / pocketsInPlay; }
    // The hit rate at which the bet neither wins nor loses in the long run.
    double breakEven() const { return 1.0 / (payout + 1); }
};

namespace Odds {

// 38 / 37 on the 38-pocket wheel, 14 / 13 on the mini wheel, with 00 on / off.
int pocketsInPlay(const Wheel& wheel, bool zeroZeroEnabled);
// Whether the pocket is one of them (00 only while it is enabled).
bool inPlay(const Wheel& wheel, int pocketIndex, bool zeroZeroEnabled);
BetOdds of(const Wheel& wheel, CategoryId category);

} // namespace Odds

} // namespace spinledger::stats
