#pragma once

#include <QString>

#include <functional>

namespace spinledger {

class AppContext;
class Wheel;

// Prepares the database for the running installation at start-up: brings
// the file to the latest version of the schema (step by step, each step whole
// or not at all), then finds or creates its row, the settings row of each
// wheel and a first casino, and makes sure each wheel's current casino
// exists, all of that in one transaction, so an interrupted start leaves
// either all the rows or none.
class Installation
{
public:
    enum class Outcome
    {
        Prepared,
        NoIdentifier, // the identifier was empty; settingId stays 0
        NoDatabase,   // the file could not be opened
        Damaged,      // the file failed its check; nothing was written, the connection is closed
        Newer,        // a newer program's file; nothing was written, the connection is closed
    };

    using StatusFn = std::function<void(const QString&)>;

    static inline const QString DemoCasino = QStringLiteral("Demo Casino");

    explicit Installation(AppContext& app) : m_app(app) {}

    // Reports each step through status; sets settingId and the current casino
    // of both wheels in the context. A file is checked before anything is
    // written into it, and a damaged one is left as it is. A failing statement throws DbError after
    // everything was rolled back.
    Outcome prepare(const QString& identifier, const StatusFn& status);

    // Once the check beside the window has let writes through: records the
    // version of a file whose start found everything but the number. Throws
    // DbError when that cannot be written.
    void upgradeAfterCheck();

private:
    void prepareRows(const QString& identifier);
    qint64 findOrCreateInstallation(const QString& identifier);
    void insertWheelRow(const Wheel& wheel, qint64 settingId, qint64 casino);
    qint64 firstCasinoOrDemo(qint64 settingId, bool& created);
    bool casinoExists(qint64 casino);

    AppContext& m_app;
};

} // namespace spinledger
