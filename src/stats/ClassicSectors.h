#pragma once

#include "stats/Figures.h"

namespace spinledger::stats {

// The sectors players of the single-zero wheel bet by name.
namespace ClassicSectors {

struct Sector
{
    const char* key;     // "voisins", "tiers", "orphelins", "jeuZero"
    QString name;        // "Voisins du zéro"
    QStringList pockets; // clockwise
};

const std::vector<Sector>& sectors();

// Each sector's count among the spins against its fair share, its two-sided
// p and Holm's correction over the four. order and countsInOrder are the
// single-zero wheel's.
std::vector<ClassicSector> of(const QStringList& order, const std::vector<qint64>& countsInOrder);

} // namespace ClassicSectors

} // namespace spinledger::stats
