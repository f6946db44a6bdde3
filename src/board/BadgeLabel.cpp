#include "board/BadgeLabel.h"

#include <QPainter>

namespace spinledger {

BadgeLabel::BadgeLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void BadgeLabel::setPlate(const QColor& fill, const QColor& border)
{
    m_fill = fill;
    m_border = border;
    update();
}

void BadgeLabel::setTextColour(const QColor& colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor BadgeLabel::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void BadgeLabel::paintEvent(QPaintEvent* event)
{
    if (text().isEmpty())
        return;
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // The border follows the text colour unless one was given.
        p.setPen(QPen(m_border.isValid() ? m_border : textColour(), 1.5));
        p.setBrush(m_fill);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    }
    QLabel::paintEvent(event);
}

} // namespace spinledger
