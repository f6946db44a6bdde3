#include "board/Drawing.h"

#include <QPainter>
#include <QPixmapCache>

namespace spinledger::drawing {

void fillOutline(QPainter& p, const QRectF& rect, qreal width, const QColor& colour)
{
    const QRectF bands[] = {{rect.left(), rect.top(), rect.width(), width},
                            {rect.left(), rect.bottom() - width, rect.width(), width},
                            {rect.left(), rect.top() + width, width, rect.height() - 2 * width},
                            {rect.right() - width, rect.top() + width, width, rect.height() - 2 * width}};
    for (const QRectF& band : bands)
        p.fillRect(band, colour);
}

QPixmap cachedPicture(const QString& key, QSize pixels, qreal ratio,
                      const std::function<void(QPainter&)>& paint)
{
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    picture = QPixmap(pixels);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
    }
    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace spinledger::drawing
