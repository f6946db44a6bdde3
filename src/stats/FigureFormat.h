#pragma once

#include "stats/Figures.h"

#include <QLocale>
#include <QStringList>

namespace spinledger::stats {

// The words and numbers a player reads, in the user's locale, the same on
// the tab and on the command line.
namespace FigureFormat {

QString wheelName(QChar wheel); // "38-pocket wheel", "mini wheel"
QString caption(QChar wheel, CategoryId category);
QString pocketsInPlay(const Figures& f); // "37 pockets in play (00 switched off)"
QString verdictText(const ScoreRow& row, const QLocale& locale);
QString testNeeds(const Bias& bias); // "needs at least 185 spins"
QString doublingState(DoublingState state);

QString percent(double share, const QLocale& locale, int decimals = 1);
// A chance as a percentage that never reads as certain or impossible when it
// is not: "> 99.9%" and "< 0.1%" where rounding would say 100% or 0%.
QString chance(double p, const QLocale& locale, int decimals = 1);
QString amount(double value, const QLocale& locale);
// "0.0031", or "< 1e-300" where the number has run out of digits.
QString pValue(double p, const QLocale& locale);
// "p = 0.0031", or "p < 1e-300".
QString pIs(double p, const QLocale& locale);
QString number(double value, const QLocale& locale, int decimals);
QString count(qint64 value, const QLocale& locale);
// "1 in 106" for a chance of 0.0094; "every time" at 1.
QString oneIn(double chance, const QLocale& locale);

// The cells of one row as every table of figures shows them, in this order:
// category, judged, hits, hit rate, 95% interval, chance, break-even, p
// (corrected); "–" where there is nothing to show yet.
QStringList scoreCells(QChar wheel, const ScoreRow& row, const QLocale& locale);
// category, played, bets, wins, result, largest stake, longest losing run.
QStringList moneyCells(QChar wheel, const MoneyRow& row, const QLocale& locale);
// When a limit is given: the spin of the first refused bet with the limit
// that refused it ("1,234 (table max)"), and the result before it; both
// empty when no bet was refused.
QStringList limitCells(const MoneyRow& row, const QLocale& locale);
// category, bets, bust chance (1 in n), a bust loses, per series, one bust or
// more in N series, longest losing run, stake it needed.
QStringList doublingCells(QChar wheel, const DoublingRow& row, const QLocale& locale);

} // namespace FigureFormat

} // namespace spinledger::stats
