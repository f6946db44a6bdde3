#pragma once

#include "backup/BackupFolder.h"
#include "cli/Cli.h"
#include "io/SpinImport.h"
#include "location/DataLocation.h"
#include "store/AppContext.h"
#include "store/CasinoStore.h"
#include "store/Clock.h"
#include "store/Database.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <optional>
#include <vector>

namespace spinledger {
class Wheel;
}

namespace spinledger::cli {

// Options more than one command takes, spelled the same everywhere.
namespace Options {
QCommandLineOption wheel();  // --wheel R|M
QCommandLineOption casino(); // --casino NAME-or-ID
QCommandLineOption db();     // --db PATH
QCommandLineOption json();   // --json
} // namespace Options

// One run of a command: its parsed arguments, its streams, and the database,
// installation, wheel and casino it names. Every lookup that fails writes the
// one line of the refusal and tells the command to stop.
class Session
{
    Q_DECLARE_TR_FUNCTIONS(Session)

public:
    Session(const QCommandLineParser& args, QTextStream& out, QTextStream& err, const Environment& env);

    const QCommandLineParser& args() const { return m_args; }
    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }
    const Environment& env() const { return m_env; }
    AppContext& app() { return m_app; }
    Database& db() { return m_db; }

    // Writes "spinledger-cli: " + line to err; returns Refused.
    int refuse(const QString& line);
    // The same for a failure that is no refusal; returns Failed.
    int fail(const QString& line);
    // The end of an import that imported nothing: a refused file is refused,
    // a cancelled or failed import failed.
    int notImported(const SpinImport::Report& report);
    // Refuses with the database and what failed while reading it.
    int cannotRead(const DbError& e);

    // Where the window keeps its files, by the same rule and marker.
    DataLocation location() const;
    // --db, or the database the window uses: Spinledger.mdb in a portable
    // program's folder, in the user's data folder for an installed one.
    QString databasePath() const;
    // The window's lock for that database.
    QString lockPath() const;
    // Opens the database file; an installed program's user gets theirs first
    // (as the window makes it), and a passphrase is asked for when it has one.
    bool openFile(Database::Mode mode);
    // Opens the database and finds this machine's installation in it,
    // preparing its rows as the window's start-up does when the file has none.
    bool open(Database::Mode mode);
    // The backups folder beside the database file.
    BackupFolder backups() const;
    // A backup of the open database before a risky change; one that fails is
    // said on err and stops nothing.
    void safeguard(BackupFolder::Kind kind);
    // --wheel; nullptr after a refusal.
    const Wheel* wheel();

    enum class Lookup
    {
        Found,
        Missing,
        Refused, // the name belongs to several casinos, or the read failed
    };
    // The installation's casino that --casino names by its id (digits) or
    // its exact name.
    Lookup findCasino(Casino& found);
    // --casino, refused unless exactly one casino answers to it.
    std::optional<Casino> casino();
    // The installation's casinos, ascending by id.
    std::vector<Casino> casinos();

private:
    bool findInstallation(Database::Mode mode);
    // False, refused, when the file is of a newer program.
    bool knownVersion();
    bool provideDatabase();
    bool openWithKey(const QString& path, Database::Mode mode);
    bool prepareInstallation(Database::Mode mode);

    const QCommandLineParser& m_args;
    QTextStream& m_out;
    QTextStream& m_err;
    const Environment& m_env;
    Database m_db;
    SystemClock m_clock;
    SystemRandom m_random;
    AppContext m_app;
};

} // namespace spinledger::cli
