#pragma once

#include <QUrl>

namespace spinledger {

// Opens a web page in the user's browser; tests give a fake.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace spinledger
