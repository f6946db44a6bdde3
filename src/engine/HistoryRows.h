#pragma once

#include "engine/SpinEngine.h"
#include "engine/Tallies.h"

#include <vector>

namespace spinledger {

class Database;

// The newest rows of a casino's history as the engine reads them. Rows are
// ordered by their stamp and, for equal stamps, by key.
namespace HistoryRows {

struct SpinRow
{
    qint64 id = 0;
    double now = 0;
    SpinValues values;
};

struct AdviceRow
{
    qint64 id = 0;
    qint64 winId = 0;
    Advice advice;
};

std::vector<SpinRow> newestSpins(Database& db, const Wheel& w, qint64 settingId, qint64 casino, int limit);
std::vector<AdviceRow> newestAdvice(Database& db, const Wheel& w, qint64 settingId, qint64 casino, int limit);

} // namespace HistoryRows

} // namespace spinledger
