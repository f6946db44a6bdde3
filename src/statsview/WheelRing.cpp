#include "statsview/WheelRing.h"

#include "stats/FigureFormat.h"
#include "ui/PocketColours.h"
#include "wheel/Wheel.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <cmath>
#include <numbers>

namespace spinledger {

namespace {

namespace F = stats::FigureFormat;

// Standard deviations from the fair count to the ends of a spoke's range.
constexpr double ZReach = 4;
// The outline of the hottest arc: a warm colour that stands out on light and
// dark desktops and on red, black and green pockets alike.
const QColor OutlineColour(255, 176, 0);

double radians(double clockwiseFromTop)
{
    return (clockwiseFromTop - 90) * std::numbers::pi / 180;
}

QPointF polar(const QPointF& centre, double radius, double clockwiseFromTop)
{
    const double a = radians(clockwiseFromTop);
    return centre + QPointF(radius * std::cos(a), radius * std::sin(a));
}

// The ring segment between two radii and two angles (degrees clockwise from
// the top); Qt counts its arc angles anticlockwise from three o'clock.
QPainterPath segment(const QPointF& c, double inner, double outer, double from, double span)
{
    const QRectF out(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer);
    const QRectF in(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner);
    const double qtFrom = 90 - from;
    QPainterPath path;
    path.arcMoveTo(out, qtFrom);
    path.arcTo(out, qtFrom, -span);
    path.arcTo(in, qtFrom - span, span);
    path.closeSubpath();
    return path;
}

} // namespace

WheelRing::WheelRing(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("wheelRing"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setToolTip(tr("The pockets in wheel order. A spoke reaching outside the fair circle: a pocket that "
                  "came more often than a fair wheel gives on average; inside it: less often. The shaded "
                  "ring is the 95% band of one pocket. The outlined arc is the hottest arc of the scan."));
}

void WheelRing::showFigures(const stats::Figures& f)
{
    const stats::WheelFigures& w = f.wheelFigures;
    m_order = w.order;
    m_counts = w.counts;
    m_colours.clear();
    const Wheel* wheel = Wheel::byLetter(f.wheel);
    for (const QString& label : m_order)
        m_colours.push_back(wheel ? wheel->colour(wheel->pocketIndex(label)) : PocketColour::Unknown);
    m_spins = w.spins;
    m_expected = f.bias.expected;
    m_band = f.bias.band;
    m_outlineStart = w.tested ? w.hottest.start : 0;
    m_outlineWidth = w.tested ? w.hottest.width : 0;
    update();
}

WheelRing::Geometry WheelRing::geometry() const
{
    Geometry g;
    g.centre = QRectF(rect()).center();
    const double side = std::min(width(), height());
    g.outer = side / 2 - 6;
    const double thickness = std::max(fontMetrics().height() * 1.7, g.outer * 0.13);
    g.ring = g.outer - thickness;
    g.hub = g.outer * 0.2;
    g.reach = g.ring - 4;
    return g;
}

double WheelRing::angleOf(double place) const
{
    return m_order.isEmpty() ? 0 : place * 360.0 / double(m_order.size());
}

double WheelRing::spokeRadius(const Geometry& g, double count) const
{
    const double p = double(m_order.size());
    const double spread = std::sqrt(double(m_spins) * (1 / p) * (1 - 1 / p));
    const double z = spread > 0 ? (count - m_expected) / spread : 0;
    const double fair = (g.hub + g.reach) / 2;
    return fair + (g.reach - g.hub) / 2 * std::clamp(z / ZReach, -1.0, 1.0);
}

QPointF WheelRing::spotOf(int place) const
{
    const Geometry g = geometry();
    return polar(g.centre, g.ring + (g.outer - g.ring) * 0.12, angleOf(place));
}

int WheelRing::placeAt(const QPointF& point) const
{
    if (m_order.isEmpty())
        return -1;
    const Geometry g = geometry();
    const QPointF d = point - g.centre;
    const double distance = std::hypot(d.x(), d.y());
    if (distance < g.hub || distance > g.outer)
        return -1;
    double clockwise = std::atan2(d.y(), d.x()) * 180 / std::numbers::pi + 90;
    const double step = 360.0 / double(m_order.size());
    clockwise = std::fmod(clockwise + step / 2 + 720, 360);
    return int(clockwise / step) % int(m_order.size());
}

bool WheelRing::event(QEvent* e)
{
    if (e->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(e);
        const int place = placeAt(help->pos());
        if (place >= 0) {
            const QLocale l;
            QToolTip::showText(help->globalPos(),
                               tr("%1: %2 spins (a fair wheel: %3 on average, 95% band %4 to %5)")
                                   .arg(m_order[place], F::count(m_counts[size_t(place)], l),
                                        F::number(m_expected, l, 1), F::number(m_band.low, l, 1),
                                        F::number(m_band.high, l, 1)),
                               this);
            return true;
        }
    }
    return QWidget::event(e);
}

void WheelRing::paintEvent(QPaintEvent*)
{
    if (m_order.isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const Geometry g = geometry();
    paintBand(p, g);
    paintPockets(p, g);
    paintOutline(p, g);
    paintCentre(p, g);
}

void WheelRing::paintBand(QPainter& p, const Geometry& g) const
{
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.setBrush(palette().color(QPalette::Base));
    p.drawEllipse(g.centre, g.reach, g.reach);
    QColor shade = palette().color(QPalette::Highlight);
    shade.setAlpha(60);
    const double low = spokeRadius(g, m_band.low);
    const double high = spokeRadius(g, m_band.high);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(segment(g.centre, low, high, 0, 360));
}

void WheelRing::paintPockets(QPainter& p, const Geometry& g) const
{
    const double step = 360.0 / double(m_order.size());
    const double fair = spokeRadius(g, m_expected);
    QFont label = font();
    label.setBold(true);
    label.setPixelSize(int(std::max(7.0, std::min((g.outer - g.ring) * 0.5, g.outer * 0.058))));
    p.setFont(label);
    for (int i = 0; i < int(m_order.size()); ++i) {
        const QColor colour = PocketColours::of(m_colours[size_t(i)]);
        const double from = angleOf(i) - step / 2;
        // The pocket on the ring, its label upright.
        p.setPen(QPen(QColor(255, 255, 255, 140), 1));
        p.setBrush(colour);
        p.drawPath(segment(g.centre, g.ring, g.outer, from, step));
        p.setPen(Qt::white);
        const QPointF at = polar(g.centre, (g.ring + g.outer) / 2 + (g.outer - g.ring) * 0.06, angleOf(i));
        const QRectF box(at.x() - step * g.outer / 100, at.y() - label.pixelSize(), step * g.outer / 50,
                         2 * label.pixelSize());
        p.drawText(box, Qt::AlignCenter, m_order[i]);
        // Its spoke from the fair circle out to its count, or in; full
        // colour outside the band, paler inside it.
        const double r = spokeRadius(g, double(m_counts[size_t(i)]));
        const double count = double(m_counts[size_t(i)]);
        QColor spoke = colour;
        if (count >= m_band.low && count <= m_band.high)
            spoke.setAlpha(150);
        p.setPen(QPen(palette().color(QPalette::Text), 0.8));
        p.setBrush(spoke);
        p.drawPath(
            segment(g.centre, std::min(r, fair), std::max(r, fair) + 0.5, from + step * 0.15, step * 0.7));
    }
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(g.centre, fair, fair);
}

void WheelRing::paintOutline(QPainter& p, const Geometry& g) const
{
    if (m_outlineWidth <= 0)
        return;
    const double step = 360.0 / double(m_order.size());
    p.setPen(QPen(OutlineColour, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(
        segment(g.centre, g.hub - 2, g.outer + 2, angleOf(m_outlineStart) - step / 2, step * m_outlineWidth));
}

void WheelRing::paintCentre(QPainter& p, const Geometry& g) const
{
    const QLocale l;
    QFont f = font();
    f.setPixelSize(int(std::max(8.0, g.hub * 0.22)));
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    const QRectF box(g.centre.x() - g.hub, g.centre.y() - g.hub, 2 * g.hub, 2 * g.hub);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap,
               tr("%1 spins\nfair: %2").arg(F::count(m_spins, l), F::number(m_expected, l, 1)));
}

} // namespace spinledger
