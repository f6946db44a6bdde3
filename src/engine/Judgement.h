#pragma once

#include "engine/SpinEngine.h"
#include "engine/WinVerdict.h"

#include <utility>

namespace spinledger {

// Judges the previous advice against the pocket that came up and works out
// the stakes of the next advice.
namespace Judgement {

// Won when the advice of the category would have won with the pocket.
WinVerdict verdict(const Wheel& wheel, int pocketIndex, AdviceValue advised);

// Base amount after a win, twice the previous stake after a loss.
double nextStake(WinVerdict verdict, double amount, double previousStake);

// Share of wins in per cent, rounded to two decimals, halves away from zero.
double percent(qint64 part, qint64 total);

} // namespace Judgement

} // namespace spinledger
