#pragma once

#include "store/Clock.h"
#include "store/Database.h"

#include <QString>

namespace spinledger {

class Wheel;

// The process-wide values of the application, handed to whoever needs them:
// where the database is, which installation runs, the current casino of each
// wheel, and the services (connection, clock, random source) behind them.
class AppContext
{
public:
    static inline const QString DatabaseFile = QStringLiteral("Spinledger.mdb");
    static inline const QString DatabasePassword = QStringLiteral("QMZTKA580417");

    AppContext(Database& db, Clock& clock, RandomSource& random) : m_db(db), m_clock(clock), m_random(random)
    {
    }

    Database& db() { return m_db; }
    // The key of the database file in use (and of its backups).
    QString password() const { return DatabasePassword; }
    Clock& clock() { return m_clock; }
    RandomSource& random() { return m_random; }

    // Opens the shared connection when it is not open yet; false when the
    // file cannot be opened.
    bool ensureOpen();
    // The failure line of an operation's code with the reason of the
    // connection's last failure after it.
    QString failureLine(const QString& code) const;

    QString appFolder;         // folder of the program, without a trailing separator
    QString connString;        // path of the database file
    QString appVersion;        // "1.1.0"
    QString installationId;    // as the start-up found it
    bool checkPending = false; // the file's check runs beside the window; writes wait for it
    // Files up to this size are checked before the window shows (the check
    // reads some 170 MB a second); larger ones beside the running window.
    qint64 checkInlineBytes = 16 * 1024 * 1024;
    qint64 settingId = 0;
    qint64 currentCmbR = 0;
    qint64 currentCmbM = 0;

    qint64& currentCmb(const Wheel& wheel);
    void setAppFolder(const QString& folder);

private:
    Database& m_db;
    Clock& m_clock;
    RandomSource& m_random;
};

} // namespace spinledger
