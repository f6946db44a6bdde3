#pragma once

#include "stats/Figures.h"

#include <QLocale>

namespace spinledger::stats {

// The sentences of the wheel's own figures, the same on the Wheel page and on
// the command line.
namespace WheelFormat {

// "single-zero wheel, clockwise from 0", or why there is no wheel order.
QString orderTitle(const Figures& f);
// The widths scanned: "3, 5, 7, 9, 12 and 18".
QString widths();
// Arcs in one scan: every width at every start.
int arcsScanned(const WheelFigures& f);
// "not enough spins: the sector tests need at least 185 (120 so far)".
QString notEnough(const WheelFigures& f, const QLocale& locale);
// "Hottest arc 4 21 2 (3 pockets): 25 spins, expected 15.8, z = 2.41; p = …"
QString arc(const QString& which, const Arc& arc, const WheelFigures& f, const QLocale& locale);
// "a one-sided test at 5%, Šidák-corrected over the 37 pockets (…), with 80% power"
QString spinsNeededTest(const Figures& f);
// "to see a 10% edge on one pocket you need about 31,884 spins; this casino has 420"
QString spinsNeeded(const SpinsNeededRow& row, int sectorWidth, qint64 recorded, const QLocale& locale);
// The edge of the hottest pocket or arc with its interval, and Kelly's stake
// or "no edge shown: Kelly says bet nothing".
QString edge(const QString& what, const EdgeEstimate& e, const QLocale& locale);
// "no edge shown: Kelly says bet nothing", or "Kelly: 1.2% of the bankroll".
QString kelly(const EdgeEstimate& e, const QLocale& locale);
// "+26.0%" / "−5.0%".
QString signedPercent(double share, const QLocale& locale);
// Net odds of an arc bet one chip a pocket: "35:1", "6.2:1".
QString odds(double b, const QLocale& locale);

} // namespace WheelFormat

} // namespace spinledger::stats
