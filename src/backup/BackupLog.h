#pragma once

#include <QLoggingCategory>

// The backups' log: copies taken, restored or salvaged, and why one failed
// ("spinledger.backup").
Q_DECLARE_LOGGING_CATEGORY(lcBackup)
