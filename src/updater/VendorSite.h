#pragma once

#include <QUrl>

namespace spinledger {

// The vendor's web addresses. They are part of the program on purpose: no
// file, variable or option can point the update check at another server.
class VendorSite
{
public:
    static QUrl homePage() { return QUrl(QStringLiteral("https://www.spinledger.example/")); }
    static QUrl videosPage()
    {
        return QUrl(QStringLiteral("https://www.spinledger.example/app/~tbl~videos/"));
    }
    static QUrl updateService()
    {
        return QUrl(
            QStringLiteral("https://www.spinledger.example/app/sc/getUserAppInfo.asp?tbl=AppCheckUpdate"));
    }
};

} // namespace spinledger
