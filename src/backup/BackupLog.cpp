#include "backup/BackupLog.h"

Q_LOGGING_CATEGORY(lcBackup, "spinledger.backup")
