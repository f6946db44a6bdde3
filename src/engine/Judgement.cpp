#include "engine/Judgement.h"

namespace spinledger::Judgement {

WinVerdict verdict(const Wheel& wheel, int pocketIndex, AdviceValue advised)
{
    return wheel.wins(advised, pocketIndex) ? WinVerdict::Won : WinVerdict::Lost;
}

double nextStake(WinVerdict verdict, double amount, double previousStake)
{
    return verdict == WinVerdict::Won ? amount : 2 * previousStake;
}

double percent(qint64 part, qint64 total)
{
    if (total <= 0)
        return 0;
    // Hundredths of a per cent in whole numbers, so 2/3 gives exactly 66.67.
    const qint64 hundredths = (part * 20000 + total) / (2 * total);
    return double(hundredths) / 100.0;
}

} // namespace spinledger::Judgement
