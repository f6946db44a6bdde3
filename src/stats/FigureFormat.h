#pragma once

#include "stats/Figures.h"
#include "stats/SpinHistory.h"

#include <QLocale>
#include <QStringList>

namespace spinledger::stats {

// The words and numbers a player reads, in the user's locale, the same on
// the tab and on the command line.
namespace FigureFormat {

QString wheelName(QChar wheel); // "38-pocket wheel", "mini wheel"
QString caption(QChar wheel, CategoryId category);
QString pocketsInPlay(const Figures& f); // "37 pockets in play (00 switched off)"
// Which spins the figures are of: "all spins", "the last 100 spins",
// "this session (since 06/12/2026 18:05)", "from 01/12/2026 to 06/12/2026",
// with their places unless they are all: "(spins 901 to 1,000 of 1,000)".
QString windowText(const Figures& f, const QLocale& locale);
QString verdictText(const ScoreRow& row, const QLocale& locale);
QString testNeeds(const Bias& bias); // "needs at least 185 spins"
QString doublingState(DoublingState state);

QString percent(double share, const QLocale& locale, int decimals = 1);
// A chance as a percentage that never reads as certain or impossible when it
// is not: "> 99.9%" and "< 0.1%" where rounding would say 100% or 0%.
QString chance(double p, const QLocale& locale, int decimals = 1);
QString amount(double value, const QLocale& locale);
// Two significant digits in fixed notation ("0.0031", "0.00012"), and
// "< 0.0001" below that: never an exponent. The tab and the command line
// print every p through this.
QString pValue(double p, const QLocale& locale);
// "p = 0.0031", or "p < 0.0001".
QString pIs(double p, const QLocale& locale);
QString number(double value, const QLocale& locale, int decimals);
QString count(qint64 value, const QLocale& locale);
// A history stamp as the locale writes a short date and time.
QString stamp(double now, const QLocale& locale);
// What the history shows of one category at one spin: the advice, its
// stake and what it did, "B · 40 · won"; empty when no advice was judged.
QString betCell(const Wheel& wheel, const HistoryRow::Bet& bet, const QLocale& locale);
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
