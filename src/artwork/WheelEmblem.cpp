#include "artwork/WheelEmblem.h"

#include <QPainter>

namespace spinledger {

QImage WheelEmblem::draw(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(1, 1, size - 2, size - 2);
    p.setPen(QPen(QColor(120, 80, 20), size / 16.0));
    p.setBrush(QColor(40, 25, 10));
    p.drawEllipse(outer);
    const int pockets = 12;
    const QRectF ring = outer.adjusted(size / 10.0, size / 10.0, -size / 10.0, -size / 10.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < pockets; ++i) {
        const QColor c = i == 0 ? QColor(0, 128, 0) : (i % 2 ? QColor(200, 20, 20) : QColor(20, 20, 20));
        p.setBrush(c);
        p.drawPie(ring, i * 16 * 360 / pockets, 16 * 360 / pockets);
    }
    p.setBrush(QColor(212, 175, 55));
    const double hub = size / 5.0;
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), hub, hub);
    return image;
}

} // namespace spinledger
