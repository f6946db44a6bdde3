#pragma once

#include "engine/SpinEngine.h"
#include "wheel/Wheel.h"

#include <QColor>
#include <QFont>

#include <optional>
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
    // advised) for the played categories. A plate whose stake is above the
    // table maximum is marked (property "aboveTableMax") and says so; the
    // largest such stake is answered, so that the player hears of it before
    // betting it.
    std::optional<double> showAdvice(const CurrentAdvice& current, double amount,
                                     const PerCategory<bool>& played,
                                     std::optional<double> tableMax = std::nullopt);

    // "Stake 640 is above the table maximum 500"
    static QString aboveTableMax(double stake, double tableMax);

    BadgeLabel* label(const QString& objectName) const;

private:
    struct Entry
    {
        CategoryId category;
        AdviceValue value;
        BadgeLabel* label;
    };
    void place(Entry& e, const QString& cellName);
    void mark(BadgeLabel* label, bool above);

    const Wheel& m_wheel;
    BoardScaler& m_scaler;
    QFont m_font; // at the board's design size
    std::vector<Entry> m_entries;
};

} // namespace spinledger
