#pragma once

#include "stats/Figures.h"
#include "stats/SectorScan.h"

namespace spinledger {
class Database;
}

namespace spinledger::stats {

// What the statistics of a casino are computed with.
struct StatsRequest
{
    const Wheel* wheel = nullptr;
    qint64 settingId = 0;
    qint64 casino = 0;
    bool zeroZero = false;      // the wheel's 00 switch
    PerCategory<bool> played{}; // the categories ticked "Play"
    DoublingInputs doubling;
    // Fair histories simulated for the sector scan's corrected p; 0 leaves
    // the simulation out (the benchmark measures it apart).
    int sectorSimulations = SectorScan::DefaultSimulations;
};

// The doubling inputs the player types on the statistics tab, kept per
// installation and wheel, and the stored switches of a wheel.
namespace StatsSettings {

// Table maximum, bankroll and series count as stored (base left at 0);
// defaults when nothing is stored yet.
DoublingInputs load(Database& db, qint64 settingId, const Wheel& wheel);
// Stores the three in one transaction. Throws DbError; nothing is stored then.
void save(Database& db, qint64 settingId, const Wheel& wheel, const DoublingInputs& inputs);

// Everything stored for the wheel: 00 switch, played categories, stake
// amount as the base, and the typed inputs. Throws DbError.
StatsRequest request(Database& db, qint64 settingId, const Wheel& wheel, qint64 casino);

} // namespace StatsSettings

} // namespace spinledger::stats
