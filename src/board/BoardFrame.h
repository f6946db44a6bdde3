#pragma once

#include <QGroupBox>

namespace spinledger {

// A titled frame of the board. It draws its outline as thin filled bands
// in whole pixels instead of the style's picture of a frame, which is
// stretched over the whole box: a board has a dozen frames, and at a large
// size the style's frames were the costliest part of every redraw.
class BoardFrame : public QGroupBox
{
    Q_OBJECT
public:
    // The outline: dark and faint, so that it reads on the felt in a light
    // and in a dark desktop.
    static const QColor Line;

    BoardFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace spinledger
