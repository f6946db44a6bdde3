#include "board/BoardCell.h"

#include "board/CellPictures.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace spinledger {

BoardCell::BoardCell(const QString& cellName, bool pocket, CellPictures& pictures, QWidget* parent)
    : QLabel(parent), m_pictures(pictures), m_pocket(pocket)
{
    setObjectName(cellName);
    setMouseTracking(pocket);
    if (pocket)
        setCursor(Qt::PointingHandCursor);
}

void BoardCell::showPicture(const QString& resourceName)
{
    if (resourceName == m_picture)
        return;
    m_picture = resourceName;
    repaint();
}

void BoardCell::paintEvent(QPaintEvent* event)
{
    if (!m_picture.isEmpty()) {
        QPixmap picture = m_pictures.picture(m_picture, devicePixelRatioF(), size());
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
