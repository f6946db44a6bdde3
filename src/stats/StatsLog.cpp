#include "stats/StatsLog.h"

Q_LOGGING_CATEGORY(lcStats, "spinledger.stats")
