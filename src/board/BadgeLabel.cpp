#include "board/BadgeLabel.h"

#include "board/Drawing.h"

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
        p.drawPixmap(0, 0, plate());
    }
    QLabel::paintEvent(event);
}

// The plates of a board share a few sizes and colours, and a rounded
// outline costs far more to draw than a picture of it to copy.
QPixmap BadgeLabel::plate() const
{
    const qreal ratio = devicePixelRatioF();
    // The border follows the text colour unless one was given.
    const QColor border = m_border.isValid() ? m_border : textColour();
    const QString key = QStringLiteral("spinledger-plate-%1x%2@%3-%4-%5")
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(m_fill.rgba())
                            .arg(border.rgba());
    return drawing::cachedPicture(key, size() * ratio, ratio, [&](QPainter& p) {
        p.setPen(QPen(border, 1.5));
        p.setBrush(m_fill);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    });
}

} // namespace spinledger
