#include "board/FocusRing.h"

#include <QApplication>
#include <QPainter>

namespace spinledger {

const QColor FocusRing::Colour(255, 204, 0);

FocusRing::FocusRing(QWidget* page) : QWidget(page), m_page(page)
{
    setObjectName(page->objectName() + QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

void FocusRing::focusMoved(QWidget* now)
{
    m_target = now && now != m_page && m_page->isAncestorOf(now) ? now : nullptr;
    follow();
}

void FocusRing::follow()
{
    if (!m_target || !m_target->isVisible()) {
        hide();
        return;
    }
    const QRect around(m_target->mapTo(m_page, QPoint(0, 0)), m_target->size());
    setGeometry(around.adjusted(-Width - 1, -Width - 1, Width + 1, Width + 1).intersected(m_page->rect()));
    show();
    raise();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Colour, Width));
    p.setBrush(Qt::NoBrush);
    const qreal half = Width / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 3, 3);
}

} // namespace spinledger
