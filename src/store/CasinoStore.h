#pragma once

#include "store/Result.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace spinledger {

class AppContext;
class Database;
class DbError;
class Wheel;

struct Casino
{
    qint64 id = 0;
    QString name;
};

using Casinos = std::vector<Casino>;

// The casino list of the running installation. Adding, renaming and removing
// a casino are each one transaction that also adopts casinos without an
// owner and settles each wheel's current casino: all of it or nothing. Each
// answers the installation's casinos as they are afterwards.
class CasinoStore
{
public:
    static constexpr int MaxNameLength = 100;

    explicit CasinoStore(AppContext& app) : m_app(app) {}

    // A typed name as it is stored: without apostrophes and surrounding blanks.
    // Names are bound values, so this is about what users are used to seeing,
    // not about the statements.
    static QString cleanName(const QString& typed);
    // Longer than MaxNameLength characters as the user sees them: an emoji
    // or a letter with its accents counts once.
    static bool tooLong(const QString& name);

    // The installation's casinos, ascending by id.
    Result<Casinos> list();

    // Both refuse a name another casino already has, compared after
    // cleaning and without regard to case.
    Result<Casinos> add(const QString& name);
    Result<Casinos> rename(qint64 id, const QString& name);
    // Removes the casino with every history row of both wheels and the
    // engine's tallies of it.
    Result<Casinos> remove(qint64 id);
    // How many spins of the wheel belong to the casino.
    Result<qint64> spinCount(const Wheel& wheel, qint64 id);
    // Only the adoption and the wheels' current casinos, as a start needs them.
    Result<Casinos> settle();

    static QString failureLine(const QString& description);
    static QString failureLine(const DbError& e);

private:
    // write answers why it refused, or nothing when it wrote.
    Result<Casinos> change(const std::function<QString(Database&)>& write);
    // Why the name cannot be given (another casino than the one renamed has
    // it); empty when it can.
    QString refuseTaken(const QString& name, qint64 renamed);
    void removeHistory(const Wheel& wheel, qint64 id);
    void adoptUnowned();
    // A wheel keeps its casino while it exists and moves to the one with the
    // lowest id otherwise; the setting is written either way. None when the
    // installation has no settings row for the wheel.
    std::optional<qint64> settleCurrent(const Wheel& wheel);
    Casinos readList();
    bool open(QString& failure);

    AppContext& m_app;
};

} // namespace spinledger
