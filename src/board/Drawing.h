#pragma once

#include <QColor>
#include <QPixmap>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace spinledger::drawing {

// The table's green: behind the board and on the outside bets' cells.
inline const QColor Felt(10, 98, 52);

// A line of `width` along the inside of `rect`, filled as four bands, in the
// painter's coordinates: sharp where they are whole device pixels, and far
// cheaper than stroking an outline.
void fillOutline(QPainter& p, const QRectF& rect, qreal width, const QColor& colour);

// A transparent picture of `pixels` device pixels at the density, painted
// once by `paint` and then copied from the pixmap cache under `key`: for the
// round-edged pieces a board shows many times at one size.
QPixmap cachedPicture(const QString& key, QSize pixels, qreal ratio,
                      const std::function<void(QPainter&)>& paint);

} // namespace spinledger::drawing
