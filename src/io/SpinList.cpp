#include "io/SpinList.h"

#include <QLocale>

#include <algorithm>

namespace spinledger {

bool SpinList::holds(int pocket) const
{
    return std::find(pockets.begin(), pockets.end(), quint8(pocket)) != pockets.end();
}

QString SpinList::description() const
{
    if (layout == Layout::List)
        return size() == 1 ? tr("read as a list of 1 pocket")
                           : tr("read as a list of %1 pockets").arg(QLocale().toString(size()));
    if (stampColumn.isEmpty())
        return tr("read as a table, pockets from %1").arg(pocketColumn);
    return tr("read as a table, pockets from %1, stamps from %2").arg(pocketColumn, stampColumn);
}

} // namespace spinledger
