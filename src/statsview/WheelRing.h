#pragma once

#include "stats/Figures.h"

#include <QWidget>

namespace spinledger {

// A picture of the wheel: the pockets in wheel order round a ring in their
// colours, from 0 at the top clockwise; inside the ring each pocket's count as
// a spoke against the fair count (a circle) and its 95% band (a shaded
// ring), and the hottest arc outlined. objectName "wheelRing".
class WheelRing : public QWidget
{
    Q_OBJECT
public:
    explicit WheelRing(QWidget* parent = nullptr);

    void showFigures(const stats::Figures& figures);

    // The pockets drawn, clockwise from the top.
    const QStringList& pockets() const { return m_order; }
    // A point inside the coloured segment of the pocket at this place, clear
    // of its label; and the place under a point (-1: none).
    QPointF spotOf(int place) const;
    int placeAt(const QPointF& point) const;
    // The arc drawn outlined: its first place and width (width 0: none).
    int outlinedStart() const { return m_outlineStart; }
    int outlinedWidth() const { return m_outlineWidth; }

    QSize sizeHint() const override { return {420, 420}; }
    QSize minimumSizeHint() const override { return {260, 260}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Geometry
    {
        QPointF centre;
        double outer = 0; // of the pocket ring
        double ring = 0;  // inner edge of the pocket ring
        double hub = 0;   // where the spokes start
        double reach = 0; // where the longest spoke could end
    };
    Geometry geometry() const;
    double spokeRadius(const Geometry& g, double count) const;
    double angleOf(double place) const; // degrees clockwise from the top, centre of the place
    void paintBand(QPainter& p, const Geometry& g) const;
    void paintPockets(QPainter& p, const Geometry& g) const;
    void paintOutline(QPainter& p, const Geometry& g) const;
    void paintCentre(QPainter& p, const Geometry& g) const;

    QStringList m_order;
    std::vector<PocketColour> m_colours; // per place
    std::vector<qint64> m_counts;
    qint64 m_spins = 0;
    double m_expected = 0;
    stats::Interval m_band;
    double m_scale = 1; // the count a spoke of full reach stands for
    int m_outlineStart = 0;
    int m_outlineWidth = 0;
};

} // namespace spinledger
