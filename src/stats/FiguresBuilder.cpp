#include "stats/FiguresBuilder.h"

#include "stats/Doubling.h"
#include "stats/Odds.h"
#include "stats/PocketBias.h"
#include "stats/Scorecard.h"
#include "stats/WheelStats.h"

#include <cmath>

namespace spinledger::stats {

FiguresBuilder::FiguresBuilder(const StatsRequest& r, const SpinSpan& span) : m_request(r)
{
    const Wheel& w = *r.wheel;
    Figures& f = m_figures;
    f.wheel = w.letter();
    f.casino = r.casino;
    f.zeroZero = r.zeroZero;
    f.pockets = Odds::pocketsInPlay(w, r.zeroZero);
    f.doublingInputs = r.doubling;
    f.window = r.window;
    f.span = span;
    // The money tracks start where the window does.
    for (const Category& c : w.categories()) {
        m_categories.push_back(idx(c.id));
        m_moneyOf.push_back(c.hasStake() ? int(m_money.size()) : -1);
        if (c.hasStake())
            m_money.emplace_back(c.id, Odds::of(w, c.id).payout, r.played[idx(c.id)], r.doubling,
                                 span.first - 1);
    }
}

void FiguresBuilder::setPocketCounts(const std::vector<qint64>& counts, qint64 spins)
{
    m_figures.spins = spins;
    m_figures.bias = PocketBias::of(*m_request.wheel, m_request.zeroZero, counts);
}

void FiguresBuilder::addJudged(qint64 spin, const std::vector<WinVerdict>& verdicts,
                               const std::vector<double>& stakes)
{
    ++m_figures.judged;
    for (size_t i = 0; i < m_categories.size(); ++i) {
        const WinVerdict v = verdicts[i];
        if (v == WinVerdict::None)
            continue;
        const bool won = v == WinVerdict::Won;
        ++m_judgedAndHits[m_categories[i]].first;
        if (won)
            ++m_judgedAndHits[m_categories[i]].second;
        const int track = m_moneyOf[i];
        if (track >= 0 && stakes[size_t(track)] >= 0)
            m_money[size_t(track)].add(spin, won, stakes[size_t(track)]);
    }
}

std::optional<Figures> FiguresBuilder::finish(const CasinoStatistics::StopFn& stop)
{
    const Wheel& w = *m_request.wheel;
    const StatsRequest& r = m_request;
    Figures& f = m_figures;
    // The sector scan's simulation is the longest step: it asks stop() as well.
    std::optional<WheelFigures> wheelFigures =
        WheelStats::of(w, r.zeroZero, f.bias, r.sectorSimulations, stop);
    if (!wheelFigures)
        return std::nullopt;
    f.wheelFigures = std::move(*wheelFigures);
    f.scorecard = Scorecard::rows(w, f.pockets, m_judgedAndHits);
    f.doublingState = Doubling::state(r.doubling);
    for (const MoneyTrack& t : m_money) {
        f.money.push_back(t.row());
        if (f.doublingState != DoublingState::Ready)
            continue;
        const MoneyRow& m = f.money.back();
        DoublingRow d = Doubling::risk(Odds::of(w, m.category), f.pockets, r.doubling);
        d.category = m.category;
        d.longestLosingRun = m.longestLosingRun;
        d.stakeNeeded = r.doubling.base * std::exp2(m.longestLosingRun);
        f.doubling.push_back(d);
    }
    return std::move(f);
}

} // namespace spinledger::stats
