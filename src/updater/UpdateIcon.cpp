#include "updater/UpdateIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace spinledger {

QIcon UpdateIcon::icon()
{
    QIcon icon;
    // Twice every size as well, for screens of two device pixels per pixel.
    for (const int size : {16, 24, 32, 48, 64, 96, 128})
        icon.addPixmap(draw(size));
    return icon;
}

QPixmap UpdateIcon::draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;

    QRadialGradient fill(s * 0.35, s * 0.3, s * 0.75);
    fill.setColorAt(0.0, QColor(120, 210, 110));
    fill.setColorAt(1.0, QColor(20, 120, 40));
    painter.setPen(QPen(QColor(10, 80, 25), qMax(1.0, s / 24)));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(s * 0.04, s * 0.04, s * 0.92, s * 0.92));

    // Shaft and head of the arrow, then the tray it lands on.
    QPainterPath arrow;
    arrow.moveTo(s * 0.41, s * 0.18);
    arrow.lineTo(s * 0.59, s * 0.18);
    arrow.lineTo(s * 0.59, s * 0.46);
    arrow.lineTo(s * 0.74, s * 0.46);
    arrow.lineTo(s * 0.50, s * 0.70);
    arrow.lineTo(s * 0.26, s * 0.46);
    arrow.lineTo(s * 0.41, s * 0.46);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    painter.drawRect(QRectF(s * 0.26, s * 0.75, s * 0.48, qMax(1.0, s * 0.07)));
    return pixmap;
}

} // namespace spinledger
