#include "board/BoardScaler.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace spinledger {

BoardScaler::BoardScaler(QWidget* page, QSize design) : m_page(page), m_design(design) {}

void BoardScaler::adopt(QWidget* root, const QList<const QWidget*>& selfLaidOut)
{
    for (QObject* child : root->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        if (!m_index.contains(w))
            place(w, w->geometry());
        if (!selfLaidOut.contains(w))
            adopt(w, selfLaidOut);
    }
}

void BoardScaler::place(QWidget* widget, const QRect& design)
{
    const auto found = m_index.constFind(widget);
    if (found != m_index.constEnd()) {
        Placed& p = m_placed[*found];
        p.design = design;
        apply(p, false);
        return;
    }
    m_index.insert(widget, m_placed.size());
    m_placed.push_back({widget, design, widget->font()});
    apply(m_placed.back(), m_scale != 1.0);
}

QRect BoardScaler::scaled(const QRect& d) const
{
    // Edges rather than sizes are rounded, so neighbours that touch in the
    // design still touch.
    const auto at = [this](int v) { return int(std::lround(v * m_scale)); };
    return QRect(QPoint(at(d.left()), at(d.top())),
                 QPoint(at(d.left() + d.width()) - 1, at(d.top() + d.height()) - 1));
}

QFont BoardScaler::scaled(const QFont& design) const
{
    return scaled(design, m_scale, m_page->logicalDpiY());
}

QFont BoardScaler::scaled(const QFont& design, double scale, qreal dpi)
{
    // Whole pixels: letters are hinted sharp, and the sizes a drag of the
    // window passes through share a few fonts, each made and cached once,
    // instead of a new one at every step.
    QFont f = design;
    if (design.pixelSize() > 0) {
        f.setPixelSize(std::max(1, int(std::lround(design.pixelSize() * scale))));
    } else {
        const double pixels = std::max(1.0, std::round(design.pointSizeF() * scale * dpi / 72.0));
        f.setPointSizeF(pixels * 72.0 / dpi);
    }
    return f;
}

void BoardScaler::apply(const Placed& p, bool fontToo) const
{
    if (!p.widget)
        return;
    QRect r = scaled(p.design);
    if (p.widget->parentWidget() == m_page)
        r.translate(m_offset);
    p.widget->setGeometry(r);
    if (fontToo)
        p.widget->setFont(scaled(p.font));
}

void BoardScaler::fit()
{
    const double byWidth = double(m_page->width()) / m_design.width();
    const double byHeight = double(m_page->height()) / m_design.height();
    const double next = std::max(MinimumScale, std::min(byWidth, byHeight));
    const bool fontsChange = next != m_scale;
    m_scale = next;
    const QSize used(int(std::lround(m_design.width() * m_scale)),
                     int(std::lround(m_design.height() * m_scale)));
    m_offset = QPoint(std::max(0, (m_page->width() - used.width()) / 2),
                      std::max(0, (m_page->height() - used.height()) / 2));
    for (const Placed& p : m_placed)
        apply(p, fontsChange);
}

QSize BoardScaler::minimumSize() const
{
    return {int(std::ceil(m_design.width() * MinimumScale)),
            int(std::ceil(m_design.height() * MinimumScale))};
}

} // namespace spinledger
