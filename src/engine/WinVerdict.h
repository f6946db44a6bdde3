#pragma once

#include "wheel/StoredLetters.h"

namespace spinledger {

// The judgement of one category's advice by the next spin. A win row stores
// it as "Y" or "N"; a row that judged nothing holds neither.
enum class WinVerdict
{
    None,
    Won,
    Lost,
};

inline constexpr StoredLetters<WinVerdict, 2> kWinVerdictLetters{
    {{{WinVerdict::Won, u'Y'}, {WinVerdict::Lost, u'N'}}},
    WinVerdict::None,
};

// The stored text of a verdict; empty for None.
inline QString winVerdictText(WinVerdict verdict)
{
    return kWinVerdictLetters.text(verdict);
}

// The verdict a stored text names; None for an empty or unknown text, which
// no tally or figure counts.
inline WinVerdict winVerdictOf(QStringView stored)
{
    return kWinVerdictLetters.of(stored);
}

inline WinVerdict winVerdictOf(QByteArrayView stored)
{
    return kWinVerdictLetters.of(stored);
}

} // namespace spinledger
