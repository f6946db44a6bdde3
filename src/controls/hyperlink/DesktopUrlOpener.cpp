#include "controls/hyperlink/DesktopUrlOpener.h"

#include "ui/StatusSink.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QStringList>

namespace spinledger {

namespace {

const QStringList OpenedSchemes = {QStringLiteral("https"), QStringLiteral("http"), QStringLiteral("mailto")};

} // namespace

bool DesktopUrlOpener::openUrl(const QUrl& url)
{
    if (url.isValid() && OpenedSchemes.contains(url.scheme(), Qt::CaseInsensitive))
        return QDesktopServices::openUrl(url);
    if (m_status)
        m_status->setStatus(
            QCoreApplication::translate("DesktopUrlOpener",
                                        "Not opened: only web and mail addresses are opened, not \"%1:\".")
                .arg(url.scheme()));
    return false;
}

} // namespace spinledger
