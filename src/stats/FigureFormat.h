#pragma once

#include "stats/Figures.h"

#include <QLocale>

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
QString amount(double value, const QLocale& locale);
QString pValue(double p, const QLocale& locale);
QString number(double value, const QLocale& locale, int decimals);
QString count(qint64 value, const QLocale& locale);
// "1 in 106" for a chance of 0.0094; "every time" at 1.
QString oneIn(double chance, const QLocale& locale);

} // namespace FigureFormat

} // namespace spinledger::stats
