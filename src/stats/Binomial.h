#pragma once

#include <QtGlobal>

#include <random>

namespace spinledger::stats {

// Draws from a binomial distribution, exactly and quickly for the one-off
// (n, p) of each pocket of a simulated history, where the standard library's
// draw spends most of its time setting itself up: inversion for a small
// mean, Hörmann's transformed rejection with squeeze (BTRS) otherwise.
namespace Binomial {

qint64 draw(qint64 trials, double p, std::mt19937_64& rng);

} // namespace Binomial

} // namespace spinledger::stats
