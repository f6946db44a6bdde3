#pragma once

#include <QLabel>

namespace spinledger {

class CellPictures;

// One picture cell of a board. Pocket cells report the pointer entering
// them, a press and a click; outside-bet cells only show pictures. The picture
// is drawn at the cell's size and the screen's device pixel ratio whenever the
// cell paints.
class BoardCell : public QLabel
{
    Q_OBJECT
public:
    BoardCell(const QString& cellName, bool pocket, CellPictures& pictures, QWidget* parent);

    QString cellName() const { return objectName(); }
    bool isPocket() const { return m_pocket; }
    // Resource name of the picture shown ("R17_COIN").
    QString picture() const { return m_picture; }
    // Shows the picture and repaints at once; nothing when it already shows.
    void showPicture(const QString& resourceName);

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
    CellPictures& m_pictures;
    bool m_pocket;
    bool m_down = false;
    QString m_picture;
};

} // namespace spinledger
