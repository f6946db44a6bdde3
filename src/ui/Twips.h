#pragma once

#include <QRect>
#include <QSize>

namespace spinledger {

// The windows are designed in twips, 15 to a logical pixel. Every design
// position becomes pixels here, cut to the whole pixel it starts in, so a
// length means the same on the board, in the main window and in the update
// window.
class Twips
{
public:
    static constexpr int PerPixel = 15;

    // Scaled lengths (a board drawn larger or smaller) are cut once, after scaling.
    static constexpr int toPixels(double twips) { return int(twips / PerPixel); }
    static constexpr QSize toPixels(QSize twips)
    {
        return {toPixels(twips.width()), toPixels(twips.height())};
    }
    static constexpr QRect toPixels(const QRect& twips)
    {
        return {toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height())};
    }
    static constexpr int fromPixels(int pixels) { return pixels * PerPixel; }
};

} // namespace spinledger
