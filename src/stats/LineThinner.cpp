#include "stats/LineThinner.h"

namespace spinledger::stats {

void LineThinner::add(const MoneyPoint& point)
{
    if (!m_any) {
        m_first = point;
        m_any = true;
    }
    m_last = point;
    if (m_buckets.empty() || m_buckets.back().size >= m_width) {
        if (int(m_buckets.size()) >= 2 * m_maxBuckets)
            halve();
        if (m_buckets.empty() || m_buckets.back().size >= m_width) {
            m_buckets.push_back({point, point, 1});
            return;
        }
    }
    Bucket& b = m_buckets.back();
    if (point.total < b.low.total)
        b.low = point;
    if (point.total > b.high.total)
        b.high = point;
    ++b.size;
}

void LineThinner::halve()
{
    std::vector<Bucket> merged;
    for (size_t i = 0; i < m_buckets.size(); i += 2) {
        Bucket b = m_buckets[i];
        if (i + 1 < m_buckets.size()) {
            const Bucket& next = m_buckets[i + 1];
            if (next.low.total < b.low.total)
                b.low = next.low;
            if (next.high.total > b.high.total)
                b.high = next.high;
            b.size += next.size;
        }
        merged.push_back(b);
    }
    m_buckets = std::move(merged);
    m_width *= 2;
}

std::vector<MoneyPoint> LineThinner::points() const
{
    std::vector<MoneyPoint> out;
    if (!m_any)
        return out;
    auto push = [&out](const MoneyPoint& p) {
        if (out.empty() || p.spin > out.back().spin)
            out.push_back(p);
    };
    push(m_first);
    for (const Bucket& b : m_buckets) {
        const bool lowFirst = b.low.spin <= b.high.spin;
        push(lowFirst ? b.low : b.high);
        push(lowFirst ? b.high : b.low);
    }
    push(m_last);
    return out;
}

} // namespace spinledger::stats
