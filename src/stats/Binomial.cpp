#include "stats/Binomial.h"

#include <cmath>

namespace spinledger::stats::Binomial {

namespace {

// Below this mean inversion is the quicker, and BTRS is not valid.
constexpr double RejectionFrom = 10;

double uniform(std::mt19937_64& rng)
{
    return double(rng() >> 11) * 0x1.0p-53;
}

// Walks up the distribution from 0 until the uniform draw is used up.
qint64 inversion(qint64 n, double p, std::mt19937_64& rng)
{
    const double q = 1 - p;
    const double ratio = p / q;
    double mass = std::pow(q, double(n));
    double u = uniform(rng);
    qint64 k = 0;
    while (u > mass && k < n) {
        u -= mass;
        mass *= ratio * double(n - k) / double(k + 1);
        ++k;
    }
    return k;
}

// W. Hörmann, "The generation of binomial random variates", 1993: p <= 1/2, n p >= 10.
qint64 rejection(qint64 n, double p, std::mt19937_64& rng)
{
    const double q = 1 - p;
    const double spread = std::sqrt(double(n) * p * q);
    const double b = 1.15 + 2.53 * spread;
    const double a = -0.0873 + 0.0248 * b + 0.01 * p;
    const double c = double(n) * p + 0.5;
    const double vr = 0.92 - 4.2 / b;
    // Only the slow test needs these.
    double alpha = 0, logRatio = 0, h = 0;
    double mode = 0;
    bool prepared = false;
    for (;;) {
        const double u = uniform(rng) - 0.5;
        double v = uniform(rng);
        const double us = 0.5 - std::abs(u);
        const double k = std::floor((2 * a / us + b) * u + c);
        if (k < 0 || k > double(n))
            continue;
        if (us >= 0.07 && v <= vr)
            return qint64(k);
        if (!prepared) {
            alpha = (2.83 + 5.1 / b) * spread;
            logRatio = std::log(p / q);
            mode = std::floor(double(n + 1) * p);
            h = std::lgamma(mode + 1) + std::lgamma(double(n) - mode + 1);
            prepared = true;
        }
        v = std::log(v * alpha / (a / (us * us) + b));
        if (v <= h - std::lgamma(k + 1) - std::lgamma(double(n) - k + 1) + (k - mode) * logRatio)
            return qint64(k);
    }
}

} // namespace

qint64 draw(qint64 trials, double p, std::mt19937_64& rng)
{
    if (trials <= 0 || p <= 0)
        return 0;
    if (p >= 1)
        return trials;
    // The lower half of the chances, by symmetry.
    if (p > 0.5)
        return trials - draw(trials, 1 - p, rng);
    return double(trials) * p < RejectionFrom ? inversion(trials, p, rng) : rejection(trials, p, rng);
}

} // namespace spinledger::stats::Binomial
