#pragma once

#include <QUrl>

#include <functional>

class QWidget;

namespace spinledger {

class StatusSink;

// The vendor's web pages and the company-name link of both windows. Built on
// the hyperlink control and the updater's vendor addresses when the program
// has them.
class VendorLinks
{
public:
    static QUrl homePage();
    static QUrl videosPage();
    // A refusal is said on status, when given.
    static bool openInBrowser(const QUrl& url, StatusSink* status = nullptr);

    // `Hyperlink1`: the company name; following it runs jump.
    static QWidget* companyLink(const QString& caption, std::function<void()> jump, QWidget* parent);
};

} // namespace spinledger
