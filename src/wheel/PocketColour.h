#pragma once

#include "wheel/StoredLetters.h"

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

inline constexpr StoredLetters<PocketColour, 3> kPocketColourLetters{
    {{{PocketColour::Red, u'R'}, {PocketColour::Black, u'B'}, {PocketColour::Green, u'G'}}},
    PocketColour::Unknown,
};

// The colour a stored letter names, blanks around it ignored.
inline PocketColour pocketColourOf(QStringView stored)
{
    return kPocketColourLetters.of(stored);
}

} // namespace spinledger
