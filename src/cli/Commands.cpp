#include "cli/BacktestCommand.h"
#include "cli/CasinosCommand.h"
#include "cli/Command.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/RecoveryCommands.h"
#include "cli/SpinCountCommand.h"
#include "cli/StatsCommand.h"

namespace spinledger::cli {

const QList<Command>& commands()
{
    static const QList<Command> all{
        casinosCommand(),  spinCountCommand(), statsCommand(),  exportCommand(),  importCommand(),
        backtestCommand(), checkCommand(),     backupCommand(), backupsCommand(), restoreCommand(),
    };
    return all;
}

} // namespace spinledger::cli
