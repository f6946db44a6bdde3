#include "engine/EngineLog.h"

namespace spinledger {

Q_LOGGING_CATEGORY(lcEngine, "spinledger.engine")

} // namespace spinledger
