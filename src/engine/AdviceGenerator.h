#pragma once

#include "engine/SpinEngine.h"
#include "store/SettingsStore.h"

#include <QStringList>

#include <vector>

namespace spinledger {

class RandomSource;

// Picks the next value of every category from the follower counts: the value
// that most often came next, ties broken at random for the two-way bets and
// Numbers, towards the first value for the three-way bets. Coin cells are
// collected for the played categories.
class AdviceGenerator
{
public:
    AdviceGenerator(const Wheel& wheel, RandomSource& random) : m_wheel(wheel), m_random(random) {}

    // Fills the advice values (not the stakes) and the cells to mark.
    void generate(const std::vector<int>& counts, const WheelSettings& settings, Advice& advice,
                  QStringList& coinCells);

private:
    int countOf(const std::vector<int>& counts, AdviceValue value) const;
    AdviceValue pickTwoWay(const Category& c, const std::vector<int>& counts);
    AdviceValue pickFirstMax(const Category& c, const std::vector<int>& counts) const;
    AdviceValue pickNumber(const std::vector<int>& counts, const WheelSettings& settings, QString& coinCell);
    // Index lo + floor((hi - lo + 1) * r).
    int randomIndex(int lo, int hi);

    const Wheel& m_wheel;
    RandomSource& m_random;
};

} // namespace spinledger
