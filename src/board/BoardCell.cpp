#include "board/BoardCell.h"

#include <QMouseEvent>

namespace spinledger {

BoardCell::BoardCell(const QString& cellName, bool pocket, QWidget* parent) : QLabel(parent), m_pocket(pocket)
{
    setObjectName(cellName);
    setMouseTracking(pocket);
    if (pocket)
        setCursor(Qt::PointingHandCursor);
}

void BoardCell::showPicture(const QString& resourceName, const QPixmap& pixmap)
{
    if (resourceName == m_picture)
        return;
    m_picture = resourceName;
    setPixmap(pixmap);
    repaint();
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
