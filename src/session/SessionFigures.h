#pragma once

#include "engine/WinVerdict.h"
#include "wheel/Wheel.h"

#include <QtGlobal>

namespace spinledger {

class Database;

// What a session has brought on one wheel and casino so far: its spins, the
// money of the bets the player follows (the categories played, at the stakes
// the board showed) and the largest of those stakes.
struct SessionFigures
{
    qint64 spins = 0;
    double result = 0;
    double largestStake = 0;

    // Adds one judged advice: a won bet pays stake * payout, a lost one costs
    // the stake. Categories not played, Numbers (no stake) and a category
    // judged neither won nor lost add nothing.
    void addJudgement(const Wheel& wheel, const PerCategory<WinVerdict>& verdicts,
                      const PerCategory<double>& stakes, const PerCategory<bool>& played);

    // The figures of the casino's spins recorded since the session began:
    // keys above `afterKey`, an import's spins apart (they were played
    // elsewhere, whatever their stamps). Throws DbError.
    static SessionFigures read(Database& db, const Wheel& wheel, qint64 settingId, qint64 casino,
                               qint64 afterKey, const PerCategory<bool>& played);
};

} // namespace spinledger
