#include "stats/ClassicSectors.h"

#include <cmath>

namespace spinledger::stats::ClassicSectors {

namespace {

Sector sector(const char* key, const char* name, const char* pockets)
{
    return {key, QString::fromUtf8(name), QString::fromLatin1(pockets).split(u' ')};
}

// Two-sided: a sector is as remarkable cold as hot.
double twoSided(qint64 k, qint64 n, double share)
{
    const double tail =
        std::min(Distributions::binomialAtLeast(k, n, share), Distributions::binomialAtMost(k, n, share));
    return std::min(1.0, 2 * tail);
}

} // namespace

const std::vector<Sector>& sectors()
{
    static const std::vector<Sector> all = {
        sector("voisins", "Voisins du zéro", "22 18 29 7 28 12 35 3 26 0 32 15 19 4 21 2 25"),
        sector("tiers", "Tiers du cylindre", "27 13 36 11 30 8 23 10 5 24 16 33"),
        sector("orphelins", "Orphelins", "17 34 6 1 20 14 31 9"),
        sector("jeuZero", "Jeu zéro", "12 35 3 26 0 32 15"),
    };
    return all;
}

std::vector<ClassicSector> of(const QStringList& order, const std::vector<qint64>& countsInOrder)
{
    qint64 spins = 0;
    for (qint64 c : countsInOrder)
        spins += c;
    const double n = double(spins);
    std::vector<ClassicSector> rows;
    std::vector<double> p;
    for (const Sector& s : sectors()) {
        ClassicSector row;
        row.name = s.name;
        row.pockets = s.pockets;
        for (const QString& label : s.pockets) {
            const qsizetype at = order.indexOf(label);
            if (at >= 0)
                row.count += countsInOrder[size_t(at)];
        }
        const double share = double(s.pockets.size()) / double(order.size());
        row.expected = n * share;
        const double spread = std::sqrt(n * share * (1 - share));
        row.z = spread > 0 ? (double(row.count) - row.expected) / spread : 0;
        row.p = twoSided(row.count, spins, share);
        p.push_back(row.p);
        rows.push_back(row);
    }
    const std::vector<double> adjusted = Distributions::holm(p);
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i].holmP = adjusted[i];
    return rows;
}

} // namespace spinledger::stats::ClassicSectors
