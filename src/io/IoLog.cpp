#include "io/IoLog.h"

Q_LOGGING_CATEGORY(lcIo, "spinledger.io")
