#pragma once

#include "controls/hyperlink/UrlOpener.h"

namespace spinledger {

class StatusSink;

// Hands web and mail addresses to the desktop. Any other scheme (a local
// file, a script, a network share) is refused and the refusal is said on the
// window's status line.
class DesktopUrlOpener : public UrlOpener
{
public:
    explicit DesktopUrlOpener(StatusSink* status = nullptr) : m_status(status) {}

    bool openUrl(const QUrl& url) override;

private:
    StatusSink* m_status;
};

} // namespace spinledger
