#pragma once

#include <QImage>

namespace spinledger {

// The program's emblem, a small roulette wheel: the window icon and the icon
// of the menu entry are both drawn here, so they never differ.
class WheelEmblem
{
public:
    // The emblem in a square of size x size pixels on a transparent ground.
    static QImage draw(int size);
};

} // namespace spinledger
