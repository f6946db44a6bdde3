#pragma once

#include "store/Clock.h"
#include "store/CurrentCasino.h"
#include "store/Database.h"
#include "wheel/Wheel.h"

#include <QString>

namespace spinledger {

// The process-wide values of the application, handed to whoever needs them:
// where the database is, which installation runs, the current casino of each
// wheel, and the services (connection, clock, random source) behind them.
class AppContext
{
public:
    static inline const QString DatabaseFile = QStringLiteral("Spinledger.mdb");
    // The key built into the program: it keeps the file from programs that do
    // not know it, not from anyone who has Spinledger. A player's passphrase
    // replaces it (key).
    static inline const QString DatabasePassword = QStringLiteral("QMZTKA580417");
    static inline const QString BackupFolderName = QStringLiteral("backups");

    AppContext(Database& db, Clock& clock, RandomSource& random) : m_db(db), m_clock(clock), m_random(random)
    {
    }

    Database& db() { return m_db; }
    // The key of the database file in use (and of its backups).
    QString password() const { return key; }
    Clock& clock() { return m_clock; }
    RandomSource& random() { return m_random; }

    // Opens the shared connection when it is not open yet; false when the
    // file cannot be opened.
    bool ensureOpen();
    // The failure line of an operation's code with the reason of the
    // connection's last failure after it.
    QString failureLine(const QString& code) const;

    QString appFolder;  // folder of the program, without a trailing separator
    QString connString; // path of the database file
    // The key of the file: the built-in one, or the player's passphrase. Every
    // connection to the file and every backup of it uses this one.
    QString key = DatabasePassword;
    QString appVersion;        // "1.1.0"
    QString installationId;    // as the start-up found it
    bool checkPending = false; // the file's check runs beside the window; writes wait for it
    // Files up to this size are checked before the window shows (the check
    // reads some 170 MB a second); larger ones beside the running window.
    qint64 checkInlineBytes = 16 * 1024 * 1024;
    qint64 settingId = 0;

    CurrentCasino& currentCasino(const Wheel& wheel);
    // "backups" beside the database.
    QString backupFolder() const;
    bool hasPassphrase() const { return key != DatabasePassword; }
    // Re-encrypts the open database with newKey (the built-in key to remove a
    // passphrase); on success it is the key in use. False with the reason in
    // db().lastError() when the file still has its old key.
    bool changeKey(const QString& newKey);
    void setAppFolder(const QString& folder);

private:
    Database& m_db;
    Clock& m_clock;
    RandomSource& m_random;
    CurrentCasino m_casinoR{*this, Wheel::r()};
    CurrentCasino m_casinoM{*this, Wheel::m()};
};

} // namespace spinledger
