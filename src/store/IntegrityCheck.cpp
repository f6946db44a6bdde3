#include "store/IntegrityCheck.h"

#include "store/Database.h"
#include "store/StoreLog.h"

#include <algorithm>

namespace spinledger {

IntegrityCheck::Finding IntegrityCheck::quick(Database& db, int limit)
{
    Finding finding;
    try {
        Statement q = db.prepare("PRAGMA quick_check(" + std::to_string(std::max(1, limit)) + ")");
        while (q.next())
            finding.problems << q.text(0);
    } catch (const DbError& e) {
        qCWarning(lcStore) << "the check stopped at a page it could not read:" << e.what();
        // A page the check stumbles over: the file is damaged all the same.
        finding.problems = QStringList{e.reason().isEmpty() ? QString::fromUtf8(e.what()) : e.reason()};
        return finding;
    }
    finding.sound = finding.problems == QStringList{QStringLiteral("ok")};
    if (finding.sound)
        finding.problems.clear();
    return finding;
}

} // namespace spinledger
