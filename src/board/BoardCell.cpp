#include "board/BoardCell.h"

#include "wheel/Wheel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace spinledger {

BoardCell::BoardCell(const Wheel& wheel, const QString& cellName, CellPictures& pictures, QWidget* parent)
    : QLabel(parent), m_wheel(wheel), m_pictures(pictures), m_pocket(wheel.cellPocket(cellName) >= 0)
{
    setObjectName(cellName);
    setMouseTracking(m_pocket);
    if (m_pocket)
        setCursor(Qt::PointingHandCursor);
}

QString BoardCell::picture() const
{
    return m_look ? CellPictures::name(cellName(), *m_look) : QString();
}

void BoardCell::showLook(CellPictures::Look look)
{
    if (look == m_look)
        return;
    m_look = look;
    repaint();
}

void BoardCell::paintEvent(QPaintEvent* event)
{
    if (m_look) {
        QPixmap picture = m_pictures.picture(m_wheel, cellName(), *m_look, devicePixelRatioF(), size());
        if (!isEnabled()) {
            // Greyed as the style greys any label's picture.
            QStyleOption option;
            option.initFrom(this);
            picture = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
        }
        QPainter p(this);
        p.drawPixmap(0, 0, picture);
    }
    // A frame or text of the label goes over the picture.
    QLabel::paintEvent(event);
}

void BoardCell::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    if (m_pocket)
        emit hovered(cellName());
}

void BoardCell::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    if (m_pocket && !m_down)
        emit hovered(cellName());
}

void BoardCell::mousePressEvent(QMouseEvent* event)
{
    if (!m_pocket || event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    m_down = true;
    emit pressed(cellName());
}

void BoardCell::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_pocket || event->button() != Qt::LeftButton || !m_down)
        return QLabel::mouseReleaseEvent(event);
    m_down = false;
    if (rect().contains(event->position().toPoint()))
        emit clicked(cellName());
}

} // namespace spinledger
