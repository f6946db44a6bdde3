#pragma once

#include "wheel/PocketColour.h"

#include <QColor>

namespace spinledger {

// The table colours of the pockets, one set for the boards, the history and
// the charts, so a red pocket reads the same red everywhere.
namespace PocketColours {

inline QColor red()
{
    return {200, 24, 36};
}
inline QColor black()
{
    return {22, 22, 22};
}
inline QColor green()
{
    return {0, 150, 70};
}

// A neutral grey for a pocket whose colour is not known, so that it is
// taken for none of the table colours.
inline QColor unknown()
{
    return {128, 128, 128};
}

inline QColor of(PocketColour colour)
{
    switch (colour) {
    case PocketColour::Red:
        return red();
    case PocketColour::Black:
        return black();
    case PocketColour::Green:
        return green();
    case PocketColour::Unknown:
        break;
    }
    return unknown();
}

} // namespace PocketColours

} // namespace spinledger
