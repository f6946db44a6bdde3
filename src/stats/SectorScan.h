#pragma once

#include "stats/Figures.h"

#include <functional>
#include <optional>

namespace spinledger::stats {

// Is a stretch of neighbouring pockets hot or cold? Every arc of every width
// at every start, scanned at once; the p of the hottest and the coldest arc is
// the chance that a fair wheel gives an arc at least that far out anywhere in
// the same scan, found by simulating fair histories of the same length.
namespace SectorScan {

inline constexpr int Widths[] = {3, 5, 7, 9, 12, 18};
inline constexpr int DefaultSimulations = 10000;
// Fixed, so that the same history always gives the same p.
inline constexpr quint64 Seed = 0x5ec7021dULL;

using StopFn = std::function<bool()>;

struct Result
{
    Arc hottest;
    Arc coldest;
    int simulations = 0;
};

// countsInOrder: spins of each pocket clockwise, labels alongside. With
// simulations 0 the arcs are found and p stays 1. Nothing when stop() asked
// to abandon the work, or when there are no spins.
std::optional<Result> scan(const QStringList& order, const std::vector<qint64>& countsInOrder,
                           int simulations, const StopFn& stop = {});

} // namespace SectorScan

} // namespace spinledger::stats
