#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

namespace spinledger::cli {

// Exit codes: 0 done; 1 the work itself failed (a write that could not be
// committed); 2 the command was refused before anything was done (usage, an
// unknown casino, a file that cannot be read). Nothing is written on 1 or 2.
enum ExitCode
{
    Done = 0,
    Failed = 1,
    Refused = 2,
};

// What the command line takes from the machine; tests put their own in.
struct Environment
{
    QString programFolder;                   // the program's folder (a portable one holds Spinledger.mdb)
    QString userDataFolder;                  // an installed program's: the user's data folder
    QString runtimeFolder;                   // an installed program's: where the instance lock goes
    std::function<QString()> installationId; // as the window's start-up reads it
    bool errIsTerminal = false;              // progress goes to stderr only then
    // The passphrase of a protected database: SPINLEDGER_PASSPHRASE when set,
    // else asked on the terminal (prompt); no terminal, no asking.
    std::optional<QString> passphrase;
    std::function<std::optional<QString>(const QString& prompt)> askPassphrase;

    static Environment system();
};

// Runs one command line (arguments[0] is the program). Results go to out,
// progress and the one line of a refusal to err.
int run(const QStringList& arguments, QTextStream& out, QTextStream& err, const Environment& env);

} // namespace spinledger::cli
