#include "updater/UpdaterLog.h"

Q_LOGGING_CATEGORY(lcUpdater, "spinledger.updater")
