#include "store/CurrentCasino.h"

#include "store/SettingsStore.h"

namespace spinledger {

Status CurrentCasino::choose(qint64 id)
{
    const Status stored = SettingsStore(m_app).setCasino(m_wheel, id);
    if (stored.ok)
        adopt(id);
    return stored;
}

bool CurrentCasino::adopt(qint64 id)
{
    if (id == m_id)
        return false;
    m_id = id;
    emit changed(id);
    return true;
}

} // namespace spinledger
