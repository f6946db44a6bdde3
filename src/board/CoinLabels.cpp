#include "board/CoinLabels.h"

#include "board/AmountText.h"
#include "board/BadgeLabel.h"
#include "board/BoardGeometry.h"
#include "board/BoardScaler.h"

#include <QFontMetrics>

#include <QCoreApplication>

#include <algorithm>

namespace spinledger {

const QColor CoinLabels::Green(0, 128, 0);
const QColor CoinLabels::Red(255, 0, 0);

CoinLabels::CoinLabels(const Wheel& wheel, QWidget* page, BoardScaler& scaler)
    : m_wheel(wheel), m_scaler(scaler), m_font(page->font())
{
    m_font.setPixelSize(10);
    m_font.setBold(true);
    for (const Category& c : wheel.categories()) {
        if (!c.hasStake())
            continue;
        for (int k = 0; k < int(c.values.size()); ++k) {
            const AdviceValue value(c.id, k);
            const QString cell = wheel.cellName(value);
            auto* l = new BadgeLabel(page);
            l->setObjectName(QStringLiteral("lbl") + cell.mid(2));
            l->setFont(m_font);
            l->setPlate(QColor(255, 255, 250), QColor());
            l->setTextColour(Green);
            m_entries.push_back({c.id, value, l});
            place(m_entries.back(), cell);
        }
    }
}

// The label sits in the gap right above its cell, flush with its right
// edge, so it covers no caption. Measured in the board's design pixels, which
// the scaler turns into the pixels of its size.
void CoinLabels::place(Entry& e, const QString& cellName)
{
    const QRect cell = BoardGeometry::cellPixels(m_wheel, cellName);
    const int width = qMax(34, QFontMetrics(m_font).horizontalAdvance(e.label->text()) + 8);
    const int height = 14;
    m_scaler.place(e.label, QRect(cell.right() + 1 - width, cell.top() - height - 1, width, height));
    e.label->raise();
}

BadgeLabel* CoinLabels::label(const QString& objectName) const
{
    for (const Entry& e : m_entries) {
        if (e.label->objectName() == objectName)
            return e.label;
    }
    return nullptr;
}

QString CoinLabels::aboveTableMax(double stake, double tableMax)
{
    return QCoreApplication::translate("CoinLabels", "Stake %1 is above the table maximum %2")
        .arg(AmountText::toShown(stake), AmountText::toShown(tableMax));
}

// A red rim tells the plate from the others at a glance, also where the
// text is already red for a doubled stake.
void CoinLabels::mark(BadgeLabel* label, bool above)
{
    label->setProperty("aboveTableMax", above);
    label->setPlate(above ? QColor(255, 236, 236) : QColor(255, 255, 250), above ? Red : QColor());
}

std::optional<double> CoinLabels::showAdvice(const CurrentAdvice& current, double amount,
                                             const PerCategory<bool>& played, std::optional<double> tableMax)
{
    std::optional<double> largestAbove;
    for (Entry& e : m_entries) {
        const int i = idx(e.category);
        const double stake = current.exists ? current.advice.stakes[i] : amount;
        e.label->setTextColour(amount < stake ? Red : Green);
        if (played[i] && current.exists && current.advice.values[i] == e.value) {
            // Written as the amount box writes the amount, on both boards.
            const QString shown = AmountText::toShown(stake);
            e.label->setText(shown);
            const bool above = tableMax && stake > *tableMax;
            QString tip =
                stake > 0 ? QCoreApplication::translate("CoinLabels", "Bet %1 here").arg(shown) : QString();
            if (above) {
                tip += u'\n' + aboveTableMax(stake, *tableMax);
                largestAbove = std::max(largestAbove.value_or(stake), stake);
            }
            e.label->setToolTip(tip);
            mark(e.label, above);
        } else {
            // An emptied label advises nothing, in its tool tip neither.
            e.label->clear();
            e.label->setToolTip(QString());
            mark(e.label, false);
        }
        place(e, m_wheel.cellName(e.value));
        e.label->repaint();
    }
    return largestAbove;
}

} // namespace spinledger
