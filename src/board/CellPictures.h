#pragma once

#include <QCache>
#include <QHash>
#include <QPixmap>
#include <QString>

namespace spinledger {

class Wheel;

// The pictures of the board cells, drawn by hand. Drawn once per size and
// device pixel ratio, so that a cell is sharp on every screen and at every
// size of the board, then served from the cache.
class CellPictures
{
public:
    // What a cell shows: its stored state (off, a coin, the 00 cell's green
    // while 00 is switched off), or the pointer over it or pressing it.
    enum class Look
    {
        Off,
        On,
        Click,
        Coin,
        Green,
    };

    // The picture's name, the cell name without "pb", "_", the look
    // ("R17_COIN", "R00_GREEN", "M1_6_OFF"): how tests and logs tell
    // pictures apart.
    static QString name(const QString& cellName, Look look);

    // The picture drawn at the given device pixel ratio and size (its pixels
    // are the size times the ratio; an empty size is the cell's design size),
    // or a null pixmap where the wheel has no such cell or the cell not that
    // look.
    QPixmap picture(const Wheel& wheel, const QString& cellName, Look look, qreal devicePixelRatio = 1.0,
                    QSize size = {});

    // Looks every cell has, and the extra ones of the pocket and 00 cells.
    static bool hasLook(const Wheel& wheel, const QString& cellName, Look look);

private:
    struct Key
    {
        QString cellName;
        Look look;
        qreal ratio;
        QSize size;
        bool operator==(const Key&) const = default;
        friend size_t qHash(const Key& k, size_t seed = 0)
        {
            return qHashMulti(seed, k.cellName, int(k.look), k.ratio, k.size.width(), k.size.height());
        }
    };

    QPixmap draw(const Wheel& wheel, const QString& cellName, Look look, qreal ratio, QSize size) const;
    // A board resized by dragging asks for many sizes it never shows again;
    // the least recently used go one at a time, not all in one frame.
    QCache<Key, QPixmap> m_cache{1000};
};

} // namespace spinledger
