#include "cli/CliLog.h"

Q_LOGGING_CATEGORY(lcCli, "spinledger.cli")
