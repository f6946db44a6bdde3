#include "stats/Distributions.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/normal.hpp>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace spinledger::stats::Distributions {

namespace bm = boost::math;

double normalQuantile(double probability)
{
    return bm::quantile(bm::normal(), probability);
}

Interval wilson(qint64 hits, qint64 trials, double confidence)
{
    if (trials <= 0)
        return {0, 1};
    const double n = double(trials);
    const double share = double(hits) / n;
    const double z = normalQuantile(0.5 + confidence / 2);
    const double z2 = z * z;
    const double scale = 1 + z2 / n;
    const double centre = (share + z2 / (2 * n)) / scale;
    const double half = z / scale * std::sqrt(share * (1 - share) / n + z2 / (4 * n * n));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

double binomialAtLeast(qint64 k, qint64 n, double p)
{
    if (k <= 0)
        return 1;
    if (k > n)
        return 0;
    return bm::cdf(bm::complement(bm::binomial(double(n), p), double(k - 1)));
}

double binomialAtMost(qint64 k, qint64 n, double p)
{
    if (k < 0)
        return 0;
    if (k >= n)
        return 1;
    return bm::cdf(bm::binomial(double(n), p), double(k));
}

double chiSquareAbove(double x, int degreesOfFreedom)
{
    if (x <= 0)
        return 1;
    return bm::cdf(bm::complement(bm::chi_squared(degreesOfFreedom), x));
}

double chiSquareQuantile(double probability, int degreesOfFreedom)
{
    return bm::quantile(bm::chi_squared(degreesOfFreedom), probability);
}

double sidak(double p, int tests)
{
    // 1 - (1 - p)^m without losing a small p to rounding.
    if (p >= 1)
        return 1;
    return -std::expm1(double(tests) * std::log1p(-p));
}

std::vector<double> holm(const std::vector<double>& pValues)
{
    const size_t m = pValues.size();
    std::vector<size_t> order(m);
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return pValues[a] < pValues[b]; });
    std::vector<double> adjusted(m);
    double running = 0;
    for (size_t rank = 0; rank < m; ++rank) {
        const size_t i = order[rank];
        running = std::max(running, std::min(1.0, double(m - rank) * pValues[i]));
        adjusted[i] = running;
    }
    return adjusted;
}

} // namespace spinledger::stats::Distributions
