#include "shell/VendorLinks.h"

#ifdef SPINLEDGER_HAVE_HYPERLINK
#include "controls/hyperlink/DesktopUrlOpener.h"
#include "controls/hyperlink/Hyperlink.h"
#else
#include <QDesktopServices>
#include <QLabel>
#endif
#ifdef SPINLEDGER_HAVE_UPDATER
#include "updater/VendorSite.h"
#endif

namespace spinledger {

QUrl VendorLinks::homePage()
{
#ifdef SPINLEDGER_HAVE_UPDATER
    return VendorSite::homePage();
#else
    return QUrl(QStringLiteral("https://www.spinledger.example/"));
#endif
}

QUrl VendorLinks::videosPage()
{
#ifdef SPINLEDGER_HAVE_UPDATER
    return VendorSite::videosPage();
#else
    return QUrl(QStringLiteral("https://www.spinledger.example/app/~tbl~videos/"));
#endif
}

bool VendorLinks::openInBrowser(const QUrl& url, [[maybe_unused]] StatusSink* status)
{
#ifdef SPINLEDGER_HAVE_HYPERLINK
    return DesktopUrlOpener(status).openUrl(url);
#else
    return QDesktopServices::openUrl(url);
#endif
}

QWidget* VendorLinks::companyLink(const QString& caption, std::function<void()> jump, QWidget* parent)
{
#ifdef SPINLEDGER_HAVE_HYPERLINK
    auto* link = new Hyperlink(parent);
    link->setCaption(caption);
    link->setAutoSize(true);
    QObject::connect(link, &Hyperlink::Jump, link, std::move(jump));
#else
    auto* link = new QLabel(
        QStringLiteral("<a href=\"#\">") + caption.toHtmlEscaped() + QStringLiteral("</a>"), parent);
    QObject::connect(link, &QLabel::linkActivated, link,
                     [jump = std::move(jump)](const QString&) { jump(); });
#endif
    link->setObjectName(QStringLiteral("Hyperlink1"));
    return link;
}

} // namespace spinledger
