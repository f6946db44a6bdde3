#include "stats/MoneyTrack.h"

#include "stats/Doubling.h"

#include <algorithm>

namespace spinledger::stats {

MoneyTrack::MoneyTrack(CategoryId category, int payout, bool played, const DoublingInputs& limits,
                       qint64 start)
    : m_payout(payout), m_limits(limits)
{
    m_row.category = category;
    m_row.played = played;
    // Every line starts at nothing won before the first spin it counts.
    m_line.add({start, 0});
}

void MoneyTrack::add(qint64 spin, bool won, double stake)
{
    if (m_row.stop.by == Limit::None) {
        const Limit by = Doubling::refusedBy(m_lostInSeries, stake, m_limits);
        if (by != Limit::None)
            m_row.stop = {by, spin, stake, m_lostInSeries, m_row.result};
    }
    ++m_row.bets;
    m_row.largestStake = std::max(m_row.largestStake, stake);
    if (won) {
        ++m_row.wins;
        m_row.result += stake * m_payout;
        m_run = 0;
        m_lostInSeries = 0;
    } else {
        m_row.result -= stake;
        m_row.longestLosingRun = std::max(m_row.longestLosingRun, ++m_run);
        m_lostInSeries += stake;
    }
    m_line.add({spin, m_row.result});
}

MoneyRow MoneyTrack::row() const
{
    MoneyRow r = m_row;
    r.line = m_line.points();
    return r;
}

} // namespace spinledger::stats
