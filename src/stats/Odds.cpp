#include "stats/Odds.h"

namespace spinledger::stats::Odds {

namespace {

struct OddsRow
{
    char wheel;
    CategoryId category;
    BetOdds odds;
};

// The mini wheel judges its groups by the cells 1-6, 4-9 and 7-12: six
// pockets each, paid even money.
const OddsRow kOdds[] = {
    {'R', CategoryId::Numbers, {1, 35}}, {'R', CategoryId::BlackRed, {18, 1}},
    {'R', CategoryId::EvenOdd, {18, 1}}, {'R', CategoryId::LowHi, {18, 1}},
    {'R', CategoryId::Dozens, {12, 2}},  {'R', CategoryId::Columns, {12, 2}},
    {'M', CategoryId::Numbers, {1, 11}}, {'M', CategoryId::BlackRed, {6, 1}},
    {'M', CategoryId::EvenOdd, {6, 1}},  {'M', CategoryId::LowHi, {6, 1}},
    {'M', CategoryId::Columns, {4, 2}},
};

} // namespace

int pocketsInPlay(const Wheel& wheel, bool zeroZeroEnabled)
{
    return wheel.pocketCount() - (zeroZeroEnabled ? 0 : 1);
}

bool inPlay(const Wheel& wheel, int pocketIndex, bool zeroZeroEnabled)
{
    return pocketIndex >= 0 && pocketIndex < wheel.pocketCount() &&
           (zeroZeroEnabled || wheel.label(pocketIndex) != u"00");
}

BetOdds of(const Wheel& wheel, CategoryId category)
{
    for (const OddsRow& row : kOdds) {
        if (wheel.letter() == QChar::fromLatin1(row.wheel) && row.category == category)
            return row.odds;
    }
    return {};
}

} // namespace spinledger::stats::Odds
