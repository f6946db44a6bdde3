#pragma once

#include "stats/SectorScan.h"

namespace spinledger::stats {

// The wheel's own figures from the pocket counts: arcs and classic sectors in
// wheel order, the spins a verdict needs, and what the hottest pocket and arc
// would be worth. The sector figures wait for 5 * P spins, as the pocket test.
namespace WheelStats {

// Nothing when stop() asked to abandon the work.
std::optional<WheelFigures> of(const Wheel& wheel, bool zeroZeroEnabled, const Bias& bias, int simulations,
                               const SectorScan::StopFn& stop = {});

} // namespace WheelStats

} // namespace spinledger::stats
