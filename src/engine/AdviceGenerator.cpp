#include "engine/AdviceGenerator.h"

#include "store/Clock.h"

#include <algorithm>
#include <cmath>

namespace spinledger {

int AdviceGenerator::countOf(const std::vector<int>& counts, AdviceValue value) const
{
    const int counter = m_wheel.counterOf(value);
    return counter < 0 ? 0 : counts[size_t(counter)];
}

int AdviceGenerator::randomIndex(int lo, int hi)
{
    const int i = int(std::floor((hi - lo + 1) * m_random.next() + lo));
    return std::clamp(i, lo, hi);
}

AdviceValue AdviceGenerator::pickTwoWay(const Category& c, const std::vector<int>& counts)
{
    const int a = countOf(counts, {c.id, 0});
    const int b = countOf(counts, {c.id, 1});
    if (a > b)
        return {c.id, 0};
    if (a < b)
        return {c.id, 1};
    return {c.id, randomIndex(0, 1)};
}

AdviceValue AdviceGenerator::pickFirstMax(const Category& c, const std::vector<int>& counts) const
{
    std::vector<int> list;
    for (int k = 0; k < int(c.values.size()); ++k)
        list.push_back(countOf(counts, {c.id, k}));
    const int max = std::ranges::max(list);
    for (int k = 0; k < int(list.size()); ++k) {
        if (list[size_t(k)] == max)
            return {c.id, k};
    }
    return {c.id, 0};
}

// The choices of Numbers are the pockets in table order.
AdviceValue AdviceGenerator::pickNumber(const std::vector<int>& counts, const WheelSettings& settings,
                                        QString& coinCell)
{
    const QString zeroZero = QStringLiteral("00");
    const auto pocket = [](int p) { return AdviceValue(CategoryId::Numbers, p); };
    std::vector<int> list;
    for (int p = 0; p < m_wheel.pocketCount(); ++p) {
        const QString label = m_wheel.label(p);
        if (label != zeroZero || settings.zeroZeroEnabled)
            list.push_back(countOf(counts, pocket(p)));
    }
    // The ends of the list, found without sorting it: every spin of a long
    // import comes through here.
    const auto [min, max] = std::ranges::minmax(list);
    const bool played = settings.played[idx(CategoryId::Numbers)];

    if (max > min) {
        // 00 is tested first even while it is switched off; it then gets no coin.
        for (int p = 0; p < m_wheel.pocketCount(); ++p) {
            const QString label = m_wheel.label(p);
            if (countOf(counts, pocket(p)) != max)
                continue;
            if (played && (label != zeroZero || settings.zeroZeroEnabled))
                coinCell = m_wheel.cellPrefix() + label;
            return pocket(p);
        }
    }
    // Nothing stands out: any pocket of the wheel, 00 included.
    const int p = randomIndex(0, m_wheel.pocketCount() - 1);
    const QString label = m_wheel.label(p);
    if (played)
        coinCell = m_wheel.cellPrefix() +
                   (label == zeroZero && !settings.zeroZeroEnabled ? QStringLiteral("0") : label);
    return pocket(p);
}

void AdviceGenerator::generate(const std::vector<int>& counts, const WheelSettings& settings, Advice& advice,
                               QStringList& coinCells)
{
    for (CategoryId id : m_wheel.generationOrder()) {
        const Category& c = *m_wheel.category(id);
        AdviceValue value = AdviceValue::none(id);
        QString cell;
        switch (c.rule) {
        case PickRule::TwoWayRandomTie:
            value = pickTwoWay(c, counts);
            break;
        case PickRule::ThreeWayFirstMax:
            value = pickFirstMax(c, counts);
            break;
        case PickRule::Numbers:
            value = pickNumber(counts, settings, cell);
            break;
        }
        if (c.rule != PickRule::Numbers && settings.played[idx(id)])
            cell = m_wheel.cellName(value);
        advice.values[idx(id)] = value;
        if (!cell.isEmpty())
            coinCells << cell;
    }
}

} // namespace spinledger
