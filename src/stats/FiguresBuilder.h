#pragma once

#include "engine/WinVerdict.h"
#include "stats/CasinoStatistics.h"
#include "stats/Figures.h"
#include "stats/MoneyTrack.h"
#include "stats/StatsSettings.h"

#include <optional>
#include <vector>

namespace spinledger::stats {

// Gathers the figures of one history in the order of play, whether its spins
// come from stored rows or are played in memory (a backtest), so both give
// the same figures: first the pocket counts of the window, then every judged
// advice within it, then finish().
class FiguresBuilder
{
public:
    FiguresBuilder(const StatsRequest& request, const SpinSpan& span);

    // Spins per pocket index of the wheel, over the spins of the window.
    void setPocketCounts(const std::vector<qint64>& counts, qint64 spins);

    // The judgement of an advice at the given place in the history: per
    // category in the wheel's order its verdict (None: not judged), and the
    // stakes the advice stood with, per category with a stake in that order
    // (negative where none is stored).
    void addJudged(qint64 spin, const std::vector<WinVerdict>& verdicts, const std::vector<double>& stakes);

    // Stakes addJudged() takes, one per category with a stake.
    size_t stakeCount() const { return m_money.size(); }

    // The figures, or nothing when stop() asked to abandon them.
    std::optional<Figures> finish(const CasinoStatistics::StopFn& stop = {});

private:
    const StatsRequest& m_request;
    Figures m_figures;
    std::vector<int> m_categories; // category index, in the wheel's order
    std::vector<int> m_moneyOf;    // its money track, -1 without a stake
    std::vector<MoneyTrack> m_money;
    PerCategory<std::pair<qint64, qint64>> m_judgedAndHits{};
};

} // namespace spinledger::stats
