#include "shell/Favicon.h"

#include <QPainter>
#include <QPixmap>
#include <QtMath>

namespace spinledger {

namespace {

QPixmap wheel(int size)
{
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
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
    return pm;
}

} // namespace

QIcon Favicon::icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(wheel(size));
    return icon;
}

} // namespace spinledger
