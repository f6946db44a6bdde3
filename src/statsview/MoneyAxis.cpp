#include "statsview/MoneyAxis.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace spinledger {

MoneyAxis::MoneyAxis(const std::vector<stats::MoneyRow>& lines)
{
    double smallest = INFINITY;
    double largest = 0;
    for (const stats::MoneyRow& m : lines) {
        double swing = 0;
        for (const stats::MoneyPoint& p : m.line)
            swing = std::max(swing, std::abs(p.total));
        // A line that never moved says nothing about the others.
        if (swing > 0) {
            smallest = std::min(smallest, swing);
            largest = std::max(largest, swing);
        }
    }
    m_logarithmic = largest > Uneven * smallest;
}

double MoneyAxis::height(double amount) const
{
    if (!m_logarithmic)
        return amount;
    return std::copysign(std::log10(1 + std::abs(amount)), amount);
}

QAbstractAxis* MoneyAxis::make(double low, double high, const QLocale& locale) const
{
    return m_logarithmic ? decades(low, high, locale) : linear(low, high);
}

QAbstractAxis* MoneyAxis::linear(double low, double high) const
{
    auto* y = new QValueAxis;
    const double pad = std::max(1.0, (high - low) * 0.05);
    y->setRange(low - pad, high + pad);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    return y;
}

// A label at 0 and at powers of ten either way, every one or every few so
// that at most MaxLabels show.
QAbstractAxis* MoneyAxis::decades(double low, double high, const QLocale& locale) const
{
    constexpr int MaxLabels = 7;
    const double pad = (height(high) - height(low)) * 0.05;
    const double bottom = std::min(height(low), 0.0) - pad;
    const double top = std::max(height(high), 0.0) + pad;
    const int below = int(std::floor(-bottom));
    const int above = int(std::floor(top));
    const int step = (below + above + 1 + MaxLabels - 1) / MaxLabels;
    auto* y = new QCategoryAxis;
    y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    y->setTruncateLabels(false);
    y->setRange(bottom, top);
    y->setStartValue(bottom);
    for (int k = -(below - below % step); k <= above; k += step) {
        const double amount = k == 0 ? 0 : std::copysign(std::pow(10.0, std::abs(k)), k);
        y->append(locale.toString(qint64(amount)), height(amount));
    }
    y->setTitleText(QCoreApplication::translate("MoneyAxis", "log scale"));
    return y;
}

} // namespace spinledger
