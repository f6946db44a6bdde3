#pragma once

#include <QtGlobal>

#include <vector>

namespace spinledger::stats {

struct Interval
{
    double low = 0;
    double high = 0;
};

// The distributions behind the statistics, on top of Boost.Math. Every
// function accepts the edge cases the figures meet (no trials, a certain
// event) instead of throwing.
namespace Distributions {

// Quantile of the standard normal distribution.
double normalQuantile(double probability);

// Wilson score interval of a share of k hits in n trials; {0, 1} for n = 0.
Interval wilson(qint64 hits, qint64 trials, double confidence = 0.95);

// P(X >= k) and P(X <= k) for X ~ Binomial(n, p).
double binomialAtLeast(qint64 k, qint64 n, double p);
double binomialAtMost(qint64 k, qint64 n, double p);

// P(X >= x) for X ~ chi-square with df degrees of freedom, and its quantile.
double chiSquareAbove(double x, int degreesOfFreedom);
double chiSquareQuantile(double probability, int degreesOfFreedom);

// Chance that the most extreme of m independent tests reaches p: 1 - (1 - p)^m.
double sidak(double p, int tests);

// Holm's step-down adjustment of a family of p-values, in their given order.
std::vector<double> holm(const std::vector<double>& pValues);

} // namespace Distributions

} // namespace spinledger::stats
