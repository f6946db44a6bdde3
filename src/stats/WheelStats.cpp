#include "stats/WheelStats.h"

#include "stats/ClassicSectors.h"
#include "stats/Edge.h"
#include "stats/Odds.h"
#include "stats/SpinsNeeded.h"
#include "stats/WheelFormat.h"
#include "wheel/WheelOrder.h"

#include <QHash>

namespace spinledger::stats::WheelStats {

namespace {

std::vector<qint64> countsInOrder(const QStringList& order, const Bias& bias)
{
    QHash<QString, qint64> byLabel;
    for (const PocketCount& c : bias.counts)
        byLabel.insert(c.label, c.count);
    std::vector<qint64> counts;
    for (const QString& label : order)
        counts.push_back(byLabel.value(label));
    return counts;
}

} // namespace

std::optional<WheelFigures> of(const Wheel& wheel, bool zeroZeroEnabled, const Bias& bias, int simulations,
                               const SectorScan::StopFn& stop)
{
    const int payout = Odds::of(wheel, CategoryId::Numbers).payout;
    WheelFigures f;
    f.order = WheelOrder::labels(wheel, zeroZeroEnabled);
    f.counts = countsInOrder(f.order, bias);
    f.spins = bias.spins;
    f.needed = bias.needed;
    f.tested = bias.tested;
    if (f.tested)
        f.pocketEdge = Edge::of({bias.hottest.label}, bias.hottest.count, bias.spins, payout, bias.pockets);
    if (f.tested && f.hasOrder()) {
        const std::optional<SectorScan::Result> scan = SectorScan::scan(f.order, f.counts, simulations, stop);
        if (!scan)
            return std::nullopt;
        f.hottest = scan->hottest;
        f.coldest = scan->coldest;
        f.simulations = scan->simulations;
        f.sectorWidth = f.hottest.width;
        f.sectorEdge =
            Edge::of(f.hottest.pockets, f.hottest.count, bias.spins, payout, WheelFormat::arcsScanned(f));
        if (!zeroZeroEnabled)
            f.classic = ClassicSectors::of(f.order, f.counts);
    }
    f.spinsNeeded = SpinsNeeded::rows(bias.pockets, payout, f.sectorWidth);
    return f;
}

} // namespace spinledger::stats::WheelStats
