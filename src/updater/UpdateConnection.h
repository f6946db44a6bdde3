#pragma once

#include "updater/VendorSite.h"

#include <QUrl>

namespace spinledger {

// How the updater reaches the network. The program keeps the defaults; only
// tests point it at a server on this machine and shorten the times.
struct UpdateConnection
{
    QUrl service = VendorSite::updateService();
    int checkLimitMs = 30000;    // the whole check, from the request to the last byte
    int stallLimitMs = 30000;    // a download that receives nothing for this long
    bool allowLocalHttp = false; // plain http to this machine (a test's server)

    // https; plain http only to this machine and only when allowed.
    bool accepts(const QUrl& url) const;
};

} // namespace spinledger
