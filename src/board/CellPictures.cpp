#include "board/CellPictures.h"

#include "board/BoardGeometry.h"
#include "board/Drawing.h"
#include "ui/PocketColours.h"
#include "wheel/Wheel.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace spinledger {

namespace {

const QColor Line(236, 236, 220);
const QColor GoldLight(255, 226, 110);
const QColor GoldDark(232, 168, 0);
const QColor CoinEdge(120, 78, 0);
const QColor Pressed(190, 242, 190);
const QColor Ink(25, 25, 25);

struct OutsideLook
{
    const char* suffix;
    const char* caption;
    QColor diamond; // invalid: a text caption instead
};

const OutsideLook OutsideLooks[] = {
    {"BLACK", "", PocketColours::black()},
    {"RED", "", PocketColours::red()},
    {"EVEN", QT_TRANSLATE_NOOP("CellPictures", "EVEN"), {}},
    {"ODD", QT_TRANSLATE_NOOP("CellPictures", "ODD"), {}},
    {"1_18", QT_TRANSLATE_NOOP("CellPictures", "1 to 18"), {}},
    {"19_36", QT_TRANSLATE_NOOP("CellPictures", "19 to 36"), {}},
    {"1ST12", QT_TRANSLATE_NOOP("CellPictures", "1st 12"), {}},
    {"2ND12", QT_TRANSLATE_NOOP("CellPictures", "2nd 12"), {}},
    {"3RD12", QT_TRANSLATE_NOOP("CellPictures", "3rd 12"), {}},
    {"2TO1R1", QT_TRANSLATE_NOOP("CellPictures", "2 to 1"), {}},
    {"2TO1R2", QT_TRANSLATE_NOOP("CellPictures", "2 to 1"), {}},
    {"2TO1R3", QT_TRANSLATE_NOOP("CellPictures", "2 to 1"), {}},
    {"1_6", "1-6", {}},
    {"4_9", "4-9", {}},
    {"7_12", "7-12", {}},
};

const OutsideLook* outsideLook(const QString& suffix)
{
    for (const OutsideLook& l : OutsideLooks) {
        if (suffix == QLatin1String(l.suffix))
            return &l;
    }
    return nullptr;
}

QColor pocketColour(const Wheel& wheel, const QString& label)
{
    return PocketColours::of(wheel.colour(wheel.pocketIndex(label)));
}

QFont captionFont(int pixelSize)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

// The line runs along the picture's edge in whole device pixels, so it is
// sharp at every size and density, and filling four bands costs far less
// than stroking an outline through the scaled painter.
void drawFrame(QPainter& p, const QColor& colour, int width)
{
    const qreal ratio = p.device()->devicePixelRatioF();
    const int w = std::max(1, int(std::lround(width * p.worldTransform().m22() * ratio)));
    p.save();
    p.resetTransform();
    p.setRenderHint(QPainter::Antialiasing, false);
    drawing::fillOutline(p, QRectF(0, 0, p.device()->width() / ratio, p.device()->height() / ratio),
                         w / ratio, colour);
    p.restore();
}

void drawGold(QPainter& p, const QRect& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, GoldLight);
    g.setColorAt(1, GoldDark);
    p.fillRect(r, g);
}

// A small stack of chips in the bottom-left corner, below the caption.
// Every coin cell of a board shows it at nearly one size, so it is drawn
// once per size in device pixels and copied: its round edges cost more
// than all the rest of a cell.
void drawCoins(QPainter& p, const QRect& r)
{
    const int w = 12;
    const int h = 5;
    const QRectF stack(r.left() + 2.5, r.bottom() - 2 - h - 3.5, w + 1, h + 4);
    const QRectF shown = p.worldTransform().mapRect(stack);
    const qreal ratio = p.device()->devicePixelRatioF();
    const QSize pixels(qCeil(shown.width() * ratio), qCeil(shown.height() * ratio));
    const QString key = QStringLiteral("spinledger-coins-%1x%2").arg(pixels.width()).arg(pixels.height());
    const QPixmap coins = drawing::cachedPicture(key, pixels, ratio, [&](QPainter& c) {
        c.scale(pixels.width() / ratio / stack.width(), pixels.height() / ratio / stack.height());
        c.setPen(QPen(CoinEdge, 1));
        for (int i = 0; i < 2; ++i) {
            c.setBrush(i == 1 ? GoldLight : GoldDark);
            c.drawEllipse(QRectF(0.5, 3.5 - i * 3, w, h));
        }
    });
    p.save();
    p.resetTransform();
    p.drawPixmap(shown.topLeft(), coins);
    p.restore();
}

void drawDiamond(QPainter& p, const QRect& r, const QColor& fill)
{
    const QPointF c = QRectF(r).center();
    const qreal hw = qMin(r.width() * 0.3, 18.0);
    const qreal hh = r.height() * 0.32;
    QPainterPath path;
    path.moveTo(c.x(), c.y() - hh);
    path.lineTo(c.x() + hw, c.y());
    path.lineTo(c.x(), c.y() + hh);
    path.lineTo(c.x() - hw, c.y());
    path.closeSubpath();
    p.setPen(QPen(Line, 1.2));
    p.setBrush(fill);
    p.drawPath(path);
}

// The letters are drawn unscaled, at the whole pixel size nearest the
// cell's scale: they are hinted sharp, and the glyphs drawn for one cell
// serve every cell and every board size that rounds to the same size.
void drawCaption(QPainter& p, const QRect& r, const QString& text, const QColor& colour, int pixelSize)
{
    const QTransform scale = p.worldTransform();
    const QRectF shown = scale.mapRect(QRectF(r));
    p.save();
    p.resetTransform();
    p.setFont(captionFont(std::max(1, int(std::lround(pixelSize * std::min(scale.m11(), scale.m22()))))));
    p.setPen(colour);
    p.drawText(shown, Qt::AlignCenter, text);
    p.restore();
}

} // namespace

QString CellPictures::name(const QString& cellName, Look look)
{
    static const char* const suffixes[] = {"OFF", "ON", "CLICK", "COIN", "GREEN"};
    QString n = cellName;
    n.remove(QStringLiteral("pb"));
    return n + u'_' + QLatin1String(suffixes[int(look)]);
}

bool CellPictures::hasLook(const Wheel& wheel, const QString& cellName, Look look)
{
    if (!wheel.cellNames().contains(cellName))
        return false;
    switch (look) {
    case Look::Click:
        return wheel.cellPocket(cellName) >= 0;
    case Look::Green:
        return cellName == wheel.zeroZeroCell();
    case Look::Off:
    case Look::On:
    case Look::Coin:
        break;
    }
    return true;
}

QPixmap CellPictures::picture(const Wheel& wheel, const QString& cellName, Look look, qreal devicePixelRatio,
                              QSize size)
{
    const Key key{cellName, look, devicePixelRatio, size};
    if (const QPixmap* cached = m_cache.object(key))
        return *cached;
    if (!hasLook(wheel, cellName, look))
        return {};
    QPixmap pm = draw(wheel, cellName, look, devicePixelRatio, size);
    m_cache.insert(key, new QPixmap(pm));
    return pm;
}

QPixmap CellPictures::draw(const Wheel& wheel, const QString& cellName, Look look, qreal ratio,
                           QSize size) const
{
    // Drawn in the cell's design pixels on a canvas of device pixels: the
    // painter scales every line, the letters are drawn at a whole pixel size
    // of their own, and nothing is enlarged afterwards.
    const QRect r(QPoint(0, 0), BoardGeometry::cellPixels(wheel, cellName).size());
    const QSize shown = size.isEmpty() ? r.size() : size;
    const QString suffix = wheel.cellSuffix(cellName);
    const OutsideLook* outside = outsideLook(suffix);
    const QColor table = outside ? drawing::Felt : pocketColour(wheel, suffix);
    const QString caption = outside ? QCoreApplication::translate("CellPictures", outside->caption) : suffix;
    const int textSize = outside ? 11 : 14;

    QPixmap pm(qCeil(shown.width() * ratio), qCeil(shown.height() * ratio));
    pm.setDevicePixelRatio(ratio);
    // A plain ground is filled before the painter scales anything: filling
    // through the scaled, smoothing painter cost as much as the caption.
    const QColor ground = look == Look::Green   ? PocketColours::green().darker(130)
                          : look == Look::On    ? QColor(Qt::white)
                          : look == Look::Click ? Pressed
                                                : table;
    if (look != Look::Coin)
        pm.fill(ground);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(qreal(shown.width()) / r.width(), qreal(shown.height()) / r.height());

    if (look == Look::Green) {
        drawFrame(p, Line, 1);
        return pm;
    }
    if (look == Look::Coin) {
        drawGold(p, r);
        // The caption moves up to leave the chips their corner.
        const QRect above = r.adjusted(0, 0, 0, -7);
        if (outside && outside->diamond.isValid())
            drawDiamond(p, above, outside->diamond);
        drawCaption(p, above, caption, Ink, textSize);
        drawCoins(p, r);
        drawFrame(p, CoinEdge, 2);
        return pm;
    }
    const bool lit = look == Look::On || look == Look::Click;
    if (outside && outside->diamond.isValid())
        drawDiamond(p, r, outside->diamond);
    // A lit cell shows its caption in the pocket's colour, dark enough to read.
    const QColor text = !lit                              ? QColor(Qt::white)
                        : outside                         ? Ink
                        : table == PocketColours::green() ? table.darker(140)
                                                          : table;
    drawCaption(p, r, caption, text, textSize);
    drawFrame(p, lit ? Ink : Line, 1);
    return pm;
}

} // namespace spinledger
