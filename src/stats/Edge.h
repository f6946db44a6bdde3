#pragma once

#include "stats/Figures.h"

namespace spinledger::stats {

// What betting a pocket or an arc at straight-number payouts would be worth,
// judged from its hit rate, and the Kelly stake only where the whole 95 %
// interval pays.
namespace Edge {

// Kelly's share of the bankroll for a bet at net odds b that wins with chance
// p: (b p - q) / b.
double kelly(double odds, double chance);

// An arc of `pockets` hit `hits` times in `spins`, one chip on each pocket at
// payout : 1 (a hit wins payout + 1 - width chips on width staked). It was
// picked as the hottest of `pickedAmong`: its interval holds 95 % for all of
// them at once (Šidák), or a fair wheel's hottest pocket would often seem to pay.
EdgeEstimate of(const QStringList& pockets, qint64 hits, qint64 spins, int payout, int pickedAmong = 1);

} // namespace Edge

} // namespace spinledger::stats
