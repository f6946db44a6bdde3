#pragma once

#include "stats/Figures.h"
#include "stats/StatsSettings.h"

#include <functional>
#include <optional>

namespace spinledger {
class Database;
}

namespace spinledger::stats {

// Computes every figure of one casino on one wheel from the rows it holds,
// on any connection (the window's reader, the command line's, a scratch
// database in memory). The rows are read in one snapshot with two passes:
// pocket counts of the spins, and the judged advices in the order of play.
namespace CasinoStatistics {

// Asked now and then while the rows are read; true abandons the work.
using StopFn = std::function<bool()>;

// The figures, or nothing when stop() asked to abandon them. Throws DbError.
std::optional<Figures> compute(Database& db, const StatsRequest& request, const StopFn& stop = {});

// compute() with the wheel's stored switches and inputs. Throws DbError.
Figures compute(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino);

} // namespace CasinoStatistics

} // namespace spinledger::stats
