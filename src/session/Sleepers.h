#pragma once

#include "wheel/Wheel.h"

#include <QString>
#include <QtGlobal>

#include <optional>
#include <vector>

namespace spinledger {

class Database;

// How long ago every pocket and every outside value last came, and which
// pockets came most and least often over a recent stretch of spins.
class Sleepers
{
public:
    struct Figure
    {
        QString cell;              // the board cell: "pbR17", "pbRBLACK"
        std::optional<qint64> gap; // spins since it last came (0: the newest spin); none when it never came
        qint64 count = 0;          // how often it came in the window
        double expected = 0;       // what a fair wheel gives in the window
        double chance = 0;         // P(a gap at least this long) on a fair wheel
    };

    // The window of the counts and of the hot and cold pockets: the newest
    // `window` spins, or all of them when it is 0.
    Sleepers(const Wheel& wheel, bool zeroZeroEnabled, qint64 window);

    // The pockets (layout indexes) of a history, oldest first.
    void take(const std::vector<int>& pockets);
    // The casino's history from the database. Throws DbError.
    void read(Database& db, qint64 settingId, qint64 casino);

    qint64 spins() const { return m_spins; }       // all spins taken
    qint64 inWindow() const { return m_inWindow; } // of them in the window
    // One figure per pocket in play and per outside value, in cell order.
    const std::vector<Figure>& figures() const { return m_figures; }
    const Figure* figure(const QString& cell) const;
    // Cells of the five pockets that came most / least often in the window,
    // a tie going to the one that came more / less recently; a pocket that
    // did not come in the window is never among the hottest.
    const std::vector<QString>& hottest() const { return m_hot; }
    const std::vector<QString>& coldest() const { return m_cold; }

    static constexpr int Marked = 5;

private:
    struct Target
    {
        QString cell;
        std::vector<int> pockets; // the layout indexes it wins with
        double probability = 0;   // of one spin, on a fair wheel
    };
    // Per pocket (layout index): spins since it last came, and its count in
    // the window.
    struct Seen
    {
        explicit Seen(size_t pockets) : gaps(pockets), counts(pockets, 0) {}
        std::vector<std::optional<qint64>> gaps;
        std::vector<qint64> counts;
    };
    void buildTargets();
    void finish(const Seen& seen, qint64 spins, qint64 inWindow);
    void rankPockets();

    const Wheel& m_wheel;
    bool m_zeroZero;
    qint64 m_window;
    qint64 m_spins = 0;
    qint64 m_inWindow = 0;
    std::vector<Target> m_targets;
    int m_pocketTargets = 0; // the first targets are the pockets in play
    std::vector<Figure> m_figures;
    std::vector<QString> m_hot;
    std::vector<QString> m_cold;
};

} // namespace spinledger
