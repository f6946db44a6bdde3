#pragma once

#include "board/CellPictures.h"

#include <QLabel>

#include <optional>

namespace spinledger {

class Wheel;

// One picture cell of a board. Pocket cells report the pointer entering
// them, a press and a click; outside-bet cells only show pictures. The picture
// is drawn at the cell's size and the screen's device pixel ratio whenever the
// cell paints.
class BoardCell : public QLabel
{
    Q_OBJECT
public:
    BoardCell(const Wheel& wheel, const QString& cellName, CellPictures& pictures, QWidget* parent);

    QString cellName() const { return objectName(); }
    bool isPocket() const { return m_pocket; }
    // Name of the picture shown ("R17_COIN"); empty before the first.
    QString picture() const;
    std::optional<CellPictures::Look> look() const { return m_look; }
    // Shows the look and repaints at once; nothing when it already shows.
    void showLook(CellPictures::Look look);

signals:
    void hovered(const QString& cellName);
    void pressed(const QString& cellName);
    void clicked(const QString& cellName);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const Wheel& m_wheel;
    CellPictures& m_pictures;
    bool m_pocket;
    bool m_down = false;
    std::optional<CellPictures::Look> m_look;
};

} // namespace spinledger
