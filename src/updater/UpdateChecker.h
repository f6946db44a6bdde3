#pragma once

#include "updater/UpdateConnection.h"
#include "updater/UpdateHost.h"
#include "updater/UpdateOffer.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include <memory>

class QDialog;
class QNetworkAccessManager;
class QNetworkReply;

namespace spinledger {

class UpdateWindow;

// Asks the vendor's update service which release is current and opens the
// update window when it names another version. While the check runs the main
// window is locked and a small window offers Cancel (and Esc); the check
// always gives the main window back when it ends without an offer window.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    // A host without a platform gets the real one: message box, process start, quit.
    explicit UpdateChecker(const UpdateHost& host, const UpdateConnection& connection = {},
                           QObject* parent = nullptr);
    ~UpdateChecker() override;

    // The handler of btnCheckUpdate and mnuCheckUpdate.
    void CheckForUpdate();

    const UpdateOffer& offer() const { return m_offer; }
    // The open update window, null when none is open.
    UpdateWindow* window() const { return m_window; }

private:
    struct Response
    {
        QString failure; // set when there is no usable HTTP answer
        int status = 0;
        QByteArray body;
    };

    Response fetch();
    Response receive(QNetworkReply* reply);
    std::unique_ptr<QDialog> showProgress() const;
    void handleBody(const QByteArray& body);
    bool openOffer();
    void giveBack(const QString& text);

    std::unique_ptr<UpdatePlatform> m_systemPlatform; // when the host brings none
    UpdateHost m_host;
    UpdateConnection m_connection;
    QNetworkAccessManager* m_network = nullptr; // created on first use
    UpdateOffer m_offer;
    QPointer<UpdateWindow> m_window;
};

} // namespace spinledger
