#pragma once

#include "wheel/Wheel.h"

namespace spinledger {

// The pockets of a wheel as they sit round the wheel head, clockwise from 0.
// A biased wheel favours neighbours in this order, not on the board.
namespace WheelOrder {

// Pocket labels clockwise from 0: the single-zero wheel while 00 is switched
// off, the double-zero wheel while it is on. Empty for the mini wheel, which
// has no standard order.
const QStringList& labels(const Wheel& wheel, bool zeroZeroEnabled);

// Indices into the wheel's layout table in the same order (empty likewise).
std::vector<int> pocketIndices(const Wheel& wheel, bool zeroZeroEnabled);

} // namespace WheelOrder

} // namespace spinledger
