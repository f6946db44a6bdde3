#pragma once

#include "io/SpinImport.h"
#include "stats/Figures.h"

#include <optional>

namespace spinledger {

// What the advice would have done on a spin file: every spin played through
// the engine as an import plays it, and the statistics of that history. The
// settings live in a scratch database in a folder of its own in the
// temporary folder (removed afterwards); no database of the player's is
// opened.
namespace Backtest {

// One unit: the results read as multiples of the base stake.
constexpr double DefaultAmount = 1;
// The same file gives the same tie-breaks, and so the same figures, every time.
constexpr quint64 DefaultSeed = 1;

struct Setup
{
    const Wheel* wheel = nullptr;
    QString path;
    double amount = DefaultAmount;
    std::optional<bool> zeroZero; // none: on exactly when the file holds a 00
    quint64 seed = DefaultSeed;
    stats::DoublingInputs limits; // table maximum, bankroll, series; base from amount
};

struct Outcome
{
    SpinImport::Report report; // Imported, or why not
    bool zeroZero = false;     // the 00 switch the spins were played with
    bool zeroZeroFromFile = false;
    stats::Figures figures; // casino 0, named after the file
};

// Plays the spins in memory and gathers the figures as they go, writing no
// row: memory stays that of the file, whatever its length. Throws nothing: a
// database failure is a Failed report.
Outcome run(const Setup& setup, const SpinImport::Progress& progress = {});

// The same through stored rows: every spin written into the scratch database
// as an import writes it, and the figures read back from it as those of a
// casino are. Slower, and its scratch file grows with the history; the
// figures are run()'s.
Outcome runStored(const Setup& setup, const SpinImport::Progress& progress = {});

} // namespace Backtest

} // namespace spinledger
