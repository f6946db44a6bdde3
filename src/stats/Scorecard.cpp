#include "stats/Scorecard.h"

#include "stats/Odds.h"

namespace spinledger::stats::Scorecard {

namespace {

Verdict verdictOf(const ScoreRow& row)
{
    if (row.judged < MinJudged)
        return Verdict::NotEnough;
    if (row.holmP >= Alpha)
        return Verdict::NoEvidence;
    // Above break-even only when the whole interval says so.
    return row.interval.low > row.breakEven ? Verdict::BeatsChanceAbove : Verdict::BeatsChanceBelow;
}

} // namespace

std::vector<ScoreRow> rows(const Wheel& wheel, int pocketsInPlay,
                           const PerCategory<std::pair<qint64, qint64>>& judgedAndHits)
{
    std::vector<ScoreRow> out;
    std::vector<double> pValues;
    for (const Category& c : wheel.categories()) {
        const BetOdds odds = Odds::of(wheel, c.id);
        ScoreRow row;
        row.category = c.id;
        row.judged = judgedAndHits[idx(c.id)].first;
        row.hits = judgedAndHits[idx(c.id)].second;
        row.hitRate = row.judged > 0 ? double(row.hits) / double(row.judged) : 0;
        row.interval = Distributions::wilson(row.hits, row.judged);
        row.chance = odds.chance(pocketsInPlay);
        row.payout = odds.payout;
        row.breakEven = odds.breakEven();
        row.pValue = Distributions::binomialAtLeast(row.hits, row.judged, row.chance);
        pValues.push_back(row.pValue);
        out.push_back(row);
    }
    const std::vector<double> adjusted = Distributions::holm(pValues);
    for (size_t i = 0; i < out.size(); ++i) {
        out[i].holmP = adjusted[i];
        out[i].verdict = verdictOf(out[i]);
    }
    return out;
}

} // namespace spinledger::stats::Scorecard
