#pragma once

#include "stats/Figures.h"

namespace spinledger::stats {

// How many spins until a test could see an edge: a one-sided test at 5 %,
// Šidák-corrected for the pockets (or arcs) it could have picked, with 80 %
// power, by the normal approximation to the binomial.
namespace SpinsNeeded {

inline constexpr double Edges[] = {0.05, 0.10, 0.20, 0.30};
inline constexpr double Alpha = 0.05;
inline constexpr double Power = 0.80;

// Spins to tell a fair arc of `width` pockets among P (chance width / P) from
// one that comes with chance width (1 + edge) / (payout + 1), one of `tests`
// such arcs being tested.
qint64 spins(int pockets, int width, int payout, double edge, int tests);

// One row per edge: one straight number (P tests), and an arc of sectorWidth
// pockets (P tests; none while sectorWidth is 0).
std::vector<SpinsNeededRow> rows(int pockets, int payout, int sectorWidth);

} // namespace SpinsNeeded

} // namespace spinledger::stats
