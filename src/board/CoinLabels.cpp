#include "board/CoinLabels.h"

#include "board/AmountText.h"
#include "board/BadgeLabel.h"
#include "board/BoardGeometry.h"
#include "board/BoardScaler.h"

#include <QFontMetrics>

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
        for (const CategoryValue& v : c.values) {
            const QString cell = wheel.cellName(c.id, v.value);
            auto* l = new BadgeLabel(page);
            l->setObjectName(QStringLiteral("lbl") + cell.mid(2));
            l->setFont(m_font);
            l->setPlate(QColor(255, 255, 250), QColor());
            l->setTextColour(Green);
            m_entries.push_back({c.id, v.value, l});
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

void CoinLabels::showAdvice(const CurrentAdvice& current, double amount, const PerCategory<bool>& played)
{
    for (Entry& e : m_entries) {
        const int i = idx(e.category);
        const double stake = current.exists ? current.advice.stakes[i] : amount;
        const QString value = current.exists ? current.advice.values[i].trimmed() : QString();
        e.label->setTextColour(amount < stake ? Red : Green);
        if (played[i] && value == e.value) {
            // Written as the amount box writes the amount, on both boards.
            const QString shown = AmountText::toShown(stake);
            e.label->setText(shown);
            e.label->setToolTip(stake > 0 ? QStringLiteral("Bet ") + shown + QStringLiteral(" here")
                                          : QString());
        } else {
            // An emptied label advises nothing, in its tool tip neither.
            e.label->clear();
            e.label->setToolTip(QString());
        }
        place(e, m_wheel.cellName(e.category, e.value));
        e.label->repaint();
    }
}

} // namespace spinledger
