#pragma once

#include "stats/Figures.h"
#include "stats/LineThinner.h"

namespace spinledger::stats {

// What one category would have won or lost had every judged advice been bet
// at the stake its advice row stored: a won bet pays stake * payout, a lost
// one costs the stake.
class MoneyTrack
{
public:
    MoneyTrack(CategoryId category, int payout, bool played);

    void add(qint64 spin, bool won, double stake);
    MoneyRow row() const;

private:
    MoneyRow m_row;
    int m_payout;
    int m_run = 0;
    LineThinner m_line;
};

} // namespace spinledger::stats
