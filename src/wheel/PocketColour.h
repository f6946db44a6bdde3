#pragma once

#include <QStringView>

#include <array>

namespace spinledger {

// The colour of a pocket. The wheel's layout and the spin rows hold it as
// one letter; a letter that names no colour reads as Unknown, which is
// drawn as none of the table colours.
enum class PocketColour
{
    Unknown,
    Red,
    Black,
    Green,
};

struct PocketColourText
{
    PocketColour colour;
    char16_t letter;
};

inline constexpr std::array<PocketColourText, 3> kPocketColourTexts{{
    {PocketColour::Red, u'R'},
    {PocketColour::Black, u'B'},
    {PocketColour::Green, u'G'},
}};

// The colour a stored letter names, blanks around it ignored.
inline PocketColour pocketColourOf(QStringView stored)
{
    const QStringView text = stored.trimmed();
    for (const PocketColourText& t : kPocketColourTexts) {
        if (text.size() == 1 && text.front() == QChar(t.letter))
            return t.colour;
    }
    return PocketColour::Unknown;
}

} // namespace spinledger
