#pragma once

#include "ui/Twips.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace spinledger {

class Wheel;

// Where everything sits on a board's tab page. Cells are designed in twips;
// the widgets get pixels (see Twips).
class BoardGeometry
{
public:
    static QSize pageSize(); // 10095 x 6300 twips

    // The cell's rectangle in twips; an empty rectangle for a name that is no
    // cell of the wheel.
    static QRect cellTwips(const Wheel& wheel, const QString& cellName);
    static QRect cellPixels(const Wheel& wheel, const QString& cellName)
    {
        return Twips::toPixels(cellTwips(wheel, cellName));
    }

    // The frames around the grid, in pixels.
    static QRect categoryFrame(int position); // position in the wheel's category list
    static QRect zeroZeroFrame();
    static QRect amountFrame();
    static QRect casinoFrame();
    static QRect playedFrame();
    static QRect undoButton();
    static QRect keysFrame();

    // History labels of the "Played" frame, in pixels relative to it: column
    // 0 black, 1 green, 2 red; the rows run down from the top of the frame's
    // inside (below its title and border), closer together when it is short;
    // their size follows the board's scale.
    static QRect historyLabel(int column, int row, int rows, const QRect& inside, double scale = 1.0);
};

} // namespace spinledger
