#pragma once

#include "cli/Command.h"

namespace spinledger::cli {

// check [--db PATH]: the quick check of the database file; exit 0 when it is
// sound, 1 when it is damaged, with what is damaged.
Command checkCommand();
// backup [--out FILE] [--db PATH]: a checked copy into backups/ beside the
// database, or into FILE.
Command backupCommand();
// backups [--db PATH]: the backups, newest first, with date and spins.
Command backupsCommand();
// restore FILE [--db PATH]: puts a backup in place of the database file,
// keeping the file that was there beside it; refused while the window is open.
Command restoreCommand();

} // namespace spinledger::cli
