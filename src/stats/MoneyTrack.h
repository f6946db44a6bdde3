#pragma once

#include "stats/Figures.h"
#include "stats/LineThinner.h"

namespace spinledger::stats {

// What one category would have won or lost had every judged advice been bet
// at the stake its advice row stored: a won bet pays stake * payout, a lost
// one costs the stake. With a table maximum or bankroll among the limits, it
// also finds the first bet they would have refused.
class MoneyTrack
{
public:
    // The line starts at nothing won after spin `start`, the spin before the
    // first one counted.
    MoneyTrack(CategoryId category, int payout, bool played, const DoublingInputs& limits = {},
               qint64 start = 0);

    void add(qint64 spin, bool won, double stake);
    MoneyRow row() const;

private:
    MoneyRow m_row;
    int m_payout;
    DoublingInputs m_limits;
    int m_run = 0;
    double m_lostInSeries = 0; // the stakes lost since the last win
    LineThinner m_line;
};

} // namespace spinledger::stats
