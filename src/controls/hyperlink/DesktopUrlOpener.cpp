#include "controls/hyperlink/DesktopUrlOpener.h"

#include <QDesktopServices>

namespace spinledger {

bool DesktopUrlOpener::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace spinledger
