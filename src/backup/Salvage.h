#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class QIODevice;

namespace spinledger {

class Database;
class Wheel;

// Gets the spins out of a damaged database: every spin row of a wheel that
// can still be read, in the order they were recorded, as a spin file
// (spin_no, date_time, pocket, casino_id). A damaged page only costs the rows
// on it; the reading goes on behind it.
class Salvage
{
    Q_DECLARE_TR_FUNCTIONS(Salvage)

public:
    struct Report
    {
        qint64 written = 0;
        // Keys between the readable rows that could not be read: the rows of
        // the damaged pages, and any spins undone or deleted among them.
        qint64 unreadable = 0;
        QString failure; // the file could not be written
    };

    Salvage(Database& db, const Wheel& wheel) : m_db(db), m_wheel(wheel) {}

    // Only the spins of one casino when it is given.
    Report write(QIODevice& out, std::optional<qint64> casino = std::nullopt);

private:
    qint64 highestKey();

    Database& m_db;
    const Wheel& m_wheel;
};

} // namespace spinledger
