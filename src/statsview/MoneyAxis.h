#pragma once

#include "stats/Figures.h"

#include <vector>

class QAbstractAxis;
class QLocale;

namespace spinledger {

// The vertical axis of the money lines. While the lines swing alike it is
// linear. When one line swings over Uneven times as far as another, heights
// grow with the logarithm of the amount instead (0, ±10, ±100, ±1,000 …
// equally spaced), so a line that reached tens of thousands by doubling does
// not flatten the lines that moved by tens.
class MoneyAxis
{
public:
    static constexpr double Uneven = 20;

    explicit MoneyAxis(const std::vector<stats::MoneyRow>& lines);

    bool logarithmic() const { return m_logarithmic; }
    // The height an amount is drawn at.
    double height(double amount) const;
    // The axis for amounts from low to high, labelled in the locale.
    QAbstractAxis* make(double low, double high, const QLocale& locale) const;

private:
    QAbstractAxis* linear(double low, double high) const;
    QAbstractAxis* decades(double low, double high, const QLocale& locale) const;

    bool m_logarithmic = false;
};

} // namespace spinledger
