#pragma once

#include "stats/Figures.h"

#include <utility>

namespace spinledger::stats {

// Does the advice of each category hit more often than a blind bet would?
namespace Scorecard {

// Fewer judged advices than this say nothing either way.
inline constexpr qint64 MinJudged = 30;
// Level of the corrected test.
inline constexpr double Alpha = 0.05;

// One row per category of the wheel, from its judged advices and hits; the
// verdicts carry Holm's correction over all of them.
std::vector<ScoreRow> rows(const Wheel& wheel, int pocketsInPlay,
                           const PerCategory<std::pair<qint64, qint64>>& judgedAndHits);

} // namespace Scorecard

} // namespace spinledger::stats
