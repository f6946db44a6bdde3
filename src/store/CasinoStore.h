#pragma once

#include "store/Result.h"

#include <QString>

#include <vector>

namespace spinledger {

class AppContext;
class Wheel;

struct Casino
{
    qint64 id = 0;
    QString name;
};

// The casino list of the running installation and the removal of a casino
// with its whole history. Every write runs in one transaction.
class CasinoStore
{
public:
    static constexpr int MaxNameLength = 100;

    explicit CasinoStore(AppContext& app) : m_app(app) {}

    // A typed name as it is stored: without apostrophes and surrounding blanks.
    // Names are bound values, so this is about what users are used to seeing,
    // not about the statements.
    static QString cleanName(const QString& typed);

    // The installation's casinos, ascending by id.
    Result<std::vector<Casino>> list();
    Result<qint64> add(const QString& name);
    Status rename(qint64 id, const QString& name);

    // Removes the casino, every history row of both wheels that belongs to it
    // and the engine's tallies of it. A wheel whose current casino it was moves
    // to the remaining casino with the lowest id, when one remains; the context
    // follows the stored settings.
    Status remove(qint64 id);

    // Casinos without an owner become the running installation's; the result
    // is how many did.
    Result<int> adoptUnowned();

    static QString failureLine(const QString& description);

private:
    void removeHistory(const Wheel& wheel, qint64 id);
    void repointCurrent(const Wheel& wheel, qint64 removedId);
    bool open(QString& failure);

    AppContext& m_app;
};

} // namespace spinledger
