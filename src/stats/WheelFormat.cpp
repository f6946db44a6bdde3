#include "stats/WheelFormat.h"

#include "stats/FigureFormat.h"
#include "stats/SectorScan.h"

#include <QCoreApplication>

#include <cmath>

namespace spinledger::stats::WheelFormat {

namespace {

namespace F = FigureFormat;

// The context is the namespace's, as the translation tools name it.
QString tr(const char* text)
{
    return QCoreApplication::translate("spinledger::stats::WheelFormat", text);
}

} // namespace

QString orderTitle(const Figures& f)
{
    if (!f.wheelFigures.hasOrder())
        return tr("The mini wheel has no standard wheel order: its pockets are shown in table order only.");
    return f.zeroZero ? tr("double-zero wheel, clockwise from 0") : tr("single-zero wheel, clockwise from 0");
}

QString widths()
{
    QStringList list;
    for (int w : SectorScan::Widths)
        list << QString::number(w);
    const QString last = list.takeLast();
    return tr("%1 and %2").arg(list.join(QStringLiteral(", ")), last);
}

int arcsScanned(const WheelFigures& f)
{
    return int(std::size(SectorScan::Widths)) * int(f.order.size());
}

QString notEnough(const WheelFigures& f, const QLocale& l)
{
    return tr("not enough spins: the sector tests need at least %1 (%2 so far)")
        .arg(F::count(f.needed, l), F::count(f.spins, l));
}

QString arc(const QString& which, const Arc& a, const WheelFigures& f, const QLocale& l)
{
    QString text = tr("%1 arc %2 (%3 pockets): %4 spins, expected %5, z = %6")
                       .arg(which, a.pockets.join(u' '))
                       .arg(a.width)
                       .arg(F::count(a.count, l), F::number(a.expected, l, 1), F::number(a.z, l, 2));
    if (f.simulations <= 0)
        return text;
    // p = (k + 1) / (s + 1): no simulated history reached it when k = 0.
    if (a.p * (f.simulations + 1) < 1.5) {
        // Below the smallest p shown the value already says "< 0.0001".
        const QString v = F::pValue(a.p, l);
        const QString bound = v.startsWith(u'<') ? QStringLiteral("p ") + v : QStringLiteral("p ≤ ") + v;
        return text + tr("; %1: none of %2 fair histories simulated had an arc this far out among its %3")
                          .arg(bound, F::count(f.simulations, l))
                          .arg(arcsScanned(f));
    }
    return text + tr("; %1 ± %2 as the most extreme of %3 arcs (%4 fair histories simulated)")
                      .arg(F::pIs(a.p, l), l.toString(a.pError, 'g', 1))
                      .arg(arcsScanned(f))
                      .arg(F::count(f.simulations, l));
}

QString spinsNeededTest(const Figures& f)
{
    const QString over =
        f.wheelFigures.hasOrder()
            ? tr("over the %1 pockets (an arc: over the %1 arcs of its width)").arg(f.pockets)
            : tr("over the %1 pockets").arg(f.pockets);
    return tr("a one-sided test at 5%, Šidák-corrected %1, with 80% power").arg(over);
}

QString spinsNeeded(const SpinsNeededRow& row, int sectorWidth, qint64 recorded, const QLocale& l)
{
    const QString edge = F::percent(row.edge, l, 0);
    QString text =
        tr("to see a %1 edge on one pocket you need about %2 spins").arg(edge, F::count(row.pocket, l));
    if (sectorWidth > 0 && row.sector > 0)
        text += tr(", on an arc of %1 about %2").arg(sectorWidth).arg(F::count(row.sector, l));
    return text + tr("; this casino has %1").arg(F::count(recorded, l));
}

QString signedPercent(double share, const QLocale& l)
{
    const QString magnitude = F::percent(std::abs(share), l);
    return (share < 0 ? QStringLiteral("−") : QStringLiteral("+")) + magnitude;
}

QString odds(double b, const QLocale& l)
{
    const bool whole = std::abs(b - std::round(b)) < 0.005;
    return F::number(b, l, whole ? 0 : 2) + QStringLiteral(":1");
}

QString kelly(const EdgeEstimate& e, const QLocale& l)
{
    if (!e.shown)
        return tr("no edge shown: Kelly says bet nothing");
    return tr("Kelly at the interval's lower end: %1 of the bankroll").arg(F::percent(e.kelly, l, 2));
}

QString edge(const QString& what, const EdgeEstimate& e, const QLocale& l)
{
    const QString interval =
        e.pickedAmong > 1 ? tr("95% interval for the hottest of %1").arg(e.pickedAmong) : tr("95% interval");
    return tr("%1 %2: %3 hits in %4 spins (%5; break-even %6 at %7): edge %8, %9 %10 to %11 — %12")
        .arg(what, e.pockets.join(u' '), F::count(e.hits, l), F::count(e.spins, l),
             F::percent(e.hitRate, l, 2), F::percent(e.breakEven, l, 2), odds(e.odds, l),
             signedPercent(e.edge, l), interval)
        .arg(signedPercent(e.interval.low, l), signedPercent(e.interval.high, l), kelly(e, l));
}

} // namespace spinledger::stats::WheelFormat
