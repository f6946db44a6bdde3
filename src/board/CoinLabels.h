#pragma once

#include "engine/SpinEngine.h"
#include "wheel/Wheel.h"

#include <QColor>
#include <QFont>

#include <vector>

class QWidget;

namespace spinledger {

class BadgeLabel;
class BoardScaler;

// The coin labels over the outside-bet cells (`lblRBLACK`, `lblR2TO1R1` ...):
// how much to stake on the advised cell of every played category, green at
// the base stake, red while the stake is doubled.
class CoinLabels
{
public:
    static const QColor Green;
    static const QColor Red;

    CoinLabels(const Wheel& wheel, QWidget* page, BoardScaler& scaler);

    // Shows the advice (none: every stake is the amount and no value is
    // advised) for the played categories.
    void showAdvice(const CurrentAdvice& current, double amount, const PerCategory<bool>& played);

    BadgeLabel* label(const QString& objectName) const;

private:
    struct Entry
    {
        CategoryId category;
        QString value;
        BadgeLabel* label;
    };
    void place(Entry& e, const QString& cellName);

    const Wheel& m_wheel;
    BoardScaler& m_scaler;
    QFont m_font; // at the board's design size
    std::vector<Entry> m_entries;
};

} // namespace spinledger
