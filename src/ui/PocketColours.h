#pragma once

#include <QColor>
#include <QStringView>

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

// The colour of a pocket's stored colour letter ("R", "B", "G").
inline QColor of(QStringView colourLetter)
{
    if (colourLetter == u"R")
        return red();
    if (colourLetter == u"B")
        return black();
    return green();
}

} // namespace PocketColours

} // namespace spinledger
