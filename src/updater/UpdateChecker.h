#pragma once

#include "updater/UpdateHost.h"
#include "updater/UpdateOffer.h"
#include "updater/VendorSite.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QUrl>

#include <memory>

class QNetworkAccessManager;

namespace spinledger {

class UpdateWindow;

// Asks the vendor's update service which release is current and opens the
// update window when it names another version. The check blocks the user for
// its duration and always gives the main window back when it ends without an
// offer window.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    static constexpr int DefaultTimeoutMs = 30000;

    // A host without a platform gets the real one: message box, process start, quit.
    explicit UpdateChecker(const UpdateHost& host, const QUrl& serviceUrl = VendorSite::updateService(),
                           int timeoutMs = DefaultTimeoutMs, QObject* parent = nullptr);
    ~UpdateChecker() override;

    // The handler of btnCheckUpdate and mnuCheckUpdate.
    void CheckForUpdate();

    const UpdateOffer& offer() const { return m_offer; }
    // The open update window, null when none is open.
    UpdateWindow* window() const { return m_window; }

private:
    struct Response
    {
        QString failure; // set when there is no HTTP answer at all
        int status = 0;
        QByteArray body;
    };

    Response fetch();
    void handleBody(const QByteArray& body);
    bool openOffer();
    void giveBack(const QString& text);

    std::unique_ptr<UpdatePlatform> m_systemPlatform; // when the host brings none
    UpdateHost m_host;
    QUrl m_serviceUrl;
    int m_timeoutMs;
    QNetworkAccessManager* m_network = nullptr; // created on first use
    UpdateOffer m_offer;
    QPointer<UpdateWindow> m_window;
};

} // namespace spinledger
