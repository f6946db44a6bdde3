#pragma once

#include "stats/Figures.h"

#include <vector>

namespace spinledger::stats {

// Keeps a long line drawable: a million points come down to a few thousand
// that still show every peak and trough. Points arrive in ascending x; each
// bucket of consecutive points keeps its lowest and highest one, and when
// there are too many buckets, neighbours merge.
class LineThinner
{
public:
    explicit LineThinner(int maxBuckets = 1000) : m_maxBuckets(maxBuckets) {}

    void add(const MoneyPoint& point);
    // The kept points in ascending x, the first and the last one included.
    std::vector<MoneyPoint> points() const;

private:
    struct Bucket
    {
        MoneyPoint low;
        MoneyPoint high;
        qint64 size = 0;
    };
    void halve();

    int m_maxBuckets;
    qint64 m_width = 1; // points per full bucket
    std::vector<Bucket> m_buckets;
    bool m_any = false;
    MoneyPoint m_first;
    MoneyPoint m_last;
};

} // namespace spinledger::stats
