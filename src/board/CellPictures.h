#pragma once

#include <QHash>
#include <QPixmap>
#include <QString>

namespace spinledger {

class Wheel;

// The pictures of the board cells, drawn by hand and addressed by resource
// name: the cell name without "pb", "_", the state ("R17_COIN", "R00_GREEN",
// "M1_6_OFF"). Drawn once per size and device pixel ratio, so that a cell is
// sharp on every screen and at every size of the board, then served from the
// cache.
class CellPictures
{
public:
    static QString resourceName(const QString& cellName, const QString& state);

    // The picture drawn at the given device pixel ratio and size (its pixels
    // are the size times the ratio; an empty size is the cell's design size),
    // or a null pixmap for a name that names no picture (an unknown cell, or
    // a state the cell does not have).
    QPixmap picture(const QString& resourceName, qreal devicePixelRatio = 1.0, QSize size = {});

    // States every cell has, and the extra ones of the pocket and 00 cells.
    static bool hasState(const Wheel& wheel, const QString& cellName, const QString& state);

private:
    QPixmap draw(const Wheel& wheel, const QString& cellName, const QString& state, qreal ratio,
                 QSize size) const;
    static constexpr int MaxCached = 1000;
    QHash<QString, QPixmap> m_cache;
};

} // namespace spinledger
