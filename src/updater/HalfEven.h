#pragma once

#include <QtGlobal>

namespace spinledger {

// numerator / denominator rounded to a whole number, halves to the even
// neighbour; exact for the byte counts of a download. denominator > 0.
inline qint64 divideHalfEven(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    const qint64 twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace spinledger
