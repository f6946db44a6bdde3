#pragma once

#include <QLoggingCategory>

// The spin files' log: imports, exports, backtests and the import log ("spinledger.io").
Q_DECLARE_LOGGING_CATEGORY(lcIo)
