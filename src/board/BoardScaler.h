#pragma once

#include <QFont>
#include <QHash>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <vector>

class QWidget;

namespace spinledger {

// Lays a page drawn at a fixed design size out at any size: every control it
// knows keeps its design rectangle (in its parent's design pixels) and its
// design font, and both follow the page's scale, the smaller of its width and
// height ratios, so the arrangement and the proportions stay. The content is
// centred on the page. Below MinimumScale the page refuses to shrink, so every
// text stays readable.
class BoardScaler
{
public:
    static constexpr double MinimumScale = 0.8;

    BoardScaler(QWidget* page, QSize design);

    // Takes every control under root as it stands now as its design, except
    // what lies inside the controls named, which lay out their insides
    // themselves.
    void adopt(QWidget* root, const QList<const QWidget*>& selfLaidOut = {});
    // Places a control at its design rectangle; its font stays the one it had
    // when it was first placed.
    void place(QWidget* widget, const QRect& design);
    // Fits everything to the page's current size.
    void fit();

    double scale() const { return m_scale; }
    QRect scaled(const QRect& design) const;
    // The design font at the scale, in whole pixels of a screen of `dpi`
    // dots per inch.
    QFont scaled(const QFont& design) const;
    static QFont scaled(const QFont& design, double scale, qreal dpi);
    QSize minimumSize() const;

private:
    struct Placed
    {
        QPointer<QWidget> widget;
        QRect design;
        QFont font;
    };
    void apply(const Placed& placed, bool fontToo) const;

    QWidget* m_page;
    QSize m_design;
    double m_scale = 1.0;
    QPoint m_offset;
    std::vector<Placed> m_placed;
    QHash<const QWidget*, std::size_t> m_index;
};

} // namespace spinledger
