#pragma once

#include "controls/hyperlink/UrlOpener.h"

namespace spinledger {

class DesktopUrlOpener : public UrlOpener
{
public:
    bool openUrl(const QUrl& url) override;
};

} // namespace spinledger
