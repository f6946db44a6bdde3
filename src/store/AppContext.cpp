#include "store/AppContext.h"

#include "wheel/Wheel.h"

namespace spinledger {

bool AppContext::ensureOpen()
{
    if (m_db.isOpen())
        return true;
    if (connString.isEmpty())
        return false;
    return m_db.open(connString, DatabasePassword);
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
