#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace spinledger {

class Database;
class Wheel;

// What the player's table and purse allow on a wheel, typed once: the table
// maximum (the same one the statistics' doubling works with), the loss at
// which the player stops and the win they play for. Each is missing until
// typed.
struct TableLimits
{
    std::optional<double> tableMax;
    std::optional<double> stopLoss; // a loss, kept as a positive amount
    std::optional<double> target;

    enum class Reached
    {
        None,
        StopLoss,
        Target,
    };
    // Which limit a session result has reached, if any.
    Reached reached(double result) const;
    // Whether a stake is more than the table takes.
    bool aboveTableMax(double stake) const { return tableMax && stake > *tableMax; }

    // Throws DbError; the defaults when nothing is stored.
    static TableLimits load(Database& db, qint64 settingId, const Wheel& wheel);
    // All three in one transaction; the statistics' other inputs stay as
    // they were. Throws DbError; nothing is stored then.
    static void save(Database& db, qint64 settingId, const Wheel& wheel, const TableLimits& limits);
};

} // namespace spinledger
