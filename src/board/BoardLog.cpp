#include "board/BoardLog.h"

namespace spinledger {

Q_LOGGING_CATEGORY(lcBoard, "spinledger.board")

} // namespace spinledger
