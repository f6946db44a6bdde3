#include "engine/AdviceGenerator.h"

#include "store/Clock.h"

#include <algorithm>
#include <cmath>

namespace spinledger {

int AdviceGenerator::countOf(const std::vector<int>& counts, CategoryId c, const QString& value) const
{
    const std::vector<int>& idx = m_wheel.countersFor(c, value);
    return idx.empty() ? 0 : counts[idx.front()];
}

int AdviceGenerator::randomIndex(int lo, int hi)
{
    const int i = int(std::floor((hi - lo + 1) * m_random.next() + lo));
    return std::clamp(i, lo, hi);
}

QString AdviceGenerator::pickTwoWay(const Category& c, const std::vector<int>& counts)
{
    const int a = countOf(counts, c.id, c.values[0].value);
    const int b = countOf(counts, c.id, c.values[1].value);
    if (a > b)
        return c.values[0].value;
    if (a < b)
        return c.values[1].value;
    return c.values[randomIndex(0, 1)].value;
}

QString AdviceGenerator::pickFirstMax(const Category& c, const std::vector<int>& counts) const
{
    std::vector<int> list;
    for (const CategoryValue& v : c.values)
        list.push_back(countOf(counts, c.id, v.value));
    const int max = std::ranges::max(list);
    for (size_t k = 0; k < list.size(); ++k) {
        if (list[k] == max)
            return c.values[k].value;
    }
    return c.values.front().value;
}

QString AdviceGenerator::pickNumber(const std::vector<int>& counts, const WheelSettings& settings,
                                    QString& coinCell)
{
    const QString zeroZero = QStringLiteral("00");
    std::vector<int> list;
    for (int p = 0; p < m_wheel.pocketCount(); ++p) {
        const QString label = m_wheel.label(p);
        if (label != zeroZero || settings.zeroZeroEnabled)
            list.push_back(countOf(counts, CategoryId::Numbers, label));
    }
    // The ends of the list, found without sorting it: every spin of a long
    // import comes through here.
    const auto [min, max] = std::ranges::minmax(list);
    const bool played = settings.played[idx(CategoryId::Numbers)];

    if (max > min) {
        // 00 is tested first even while it is switched off; it then gets no coin.
        for (int p = 0; p < m_wheel.pocketCount(); ++p) {
            const QString label = m_wheel.label(p);
            if (countOf(counts, CategoryId::Numbers, label) != max)
                continue;
            if (played && (label != zeroZero || settings.zeroZeroEnabled))
                coinCell = m_wheel.cellPrefix() + label;
            return label;
        }
    }
    // Nothing stands out: any pocket of the wheel, 00 included.
    const QString label = m_wheel.label(randomIndex(0, m_wheel.pocketCount() - 1));
    if (played)
        coinCell = m_wheel.cellPrefix() +
                   (label == zeroZero && !settings.zeroZeroEnabled ? QStringLiteral("0") : label);
    return label;
}

void AdviceGenerator::generate(const std::vector<int>& counts, const WheelSettings& settings, Advice& advice,
                               QStringList& coinCells)
{
    for (CategoryId id : m_wheel.generationOrder()) {
        const Category& c = *m_wheel.category(id);
        QString value;
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
            cell = m_wheel.cellName(id, value);
        advice.values[idx(id)] = value;
        if (!cell.isEmpty())
            coinCells << cell;
    }
}

} // namespace spinledger
