#include "store/AppContext.h"

#include "store/ErrorCodes.h"
#include "wheel/Wheel.h"

namespace spinledger {

bool AppContext::ensureOpen()
{
    if (m_db.isOpen())
        return true;
    if (connString.isEmpty())
        return false;
    return m_db.open(connString, password());
}

QString AppContext::failureLine(const QString& code) const
{
    return errorLine(code, m_db.lastReason());
}

qint64& AppContext::currentCmb(const Wheel& wheel)
{
    return wheel.letter() == u'R' ? currentCmbR : currentCmbM;
}

void AppContext::setAppFolder(const QString& folder)
{
    appFolder = folder;
    connString = folder + u'/' + DatabaseFile;
}

} // namespace spinledger
