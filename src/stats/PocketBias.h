#pragma once

#include "stats/Figures.h"

namespace spinledger::stats {

// Is the wheel biased? Counts of the pockets in play against a fair wheel.
namespace PocketBias {

// Spins per pocket before the chi-square test is made: 5 * P in all.
inline constexpr int SpinsPerPocket = 5;

// countsByPocket: spins of each pocket in the wheel's table order (00, 0, 1...).
// A pocket that is not in play (00 while switched off) is left out of the
// test and reported as such: among the pockets in play a fair wheel is fair
// whether or not it also had a 00.
Bias of(const Wheel& wheel, bool zeroZeroEnabled, const std::vector<qint64>& countsByPocket);

} // namespace PocketBias

} // namespace spinledger::stats
