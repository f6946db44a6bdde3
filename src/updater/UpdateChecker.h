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

class TransferTimeout;
class UpdateWindow;

// Asks the vendor's update service which release is current and opens the
// update window when it names another version. While the check runs the main
// window is locked and a small window offers Cancel (and Esc); the check
// always gives the main window back when it ends without an offer window.
// The answer arrives through the event loop: CheckForUpdate returns at once.
class UpdateChecker : public QObject
{
    Q_OBJECT
public:
    // A host without a platform gets the real one: message box, process start, quit.
    explicit UpdateChecker(const UpdateHost& host, const UpdateConnection& connection = {},
                           QObject* parent = nullptr);
    ~UpdateChecker() override;

    // The handler of btnCheckUpdate and mnuCheckUpdate: begins a check,
    // unless one is running; finished follows when it is over.
    void CheckForUpdate();
    bool isRunning() const { return m_reply != nullptr; }

    const UpdateOffer& offer() const { return m_offer; }
    // The open update window, null when none is open.
    UpdateWindow* window() const { return m_window; }

signals:
    // The check is over: its outcome is in the status bar, and the update
    // window is open when there is an offer.
    void finished();

private:
    struct Response
    {
        QString failure; // set when there is no usable HTTP answer
        int status = 0;
        QByteArray body;
    };

    void send();
    void take();
    void stop(const QString& failure);
    void checkDeclaredLength();
    void received();
    Response response() const;
    std::unique_ptr<QDialog> showProgress() const;
    void handleBody(const QByteArray& body);
    bool openOffer();
    void giveBack(const QString& text);

    std::unique_ptr<UpdatePlatform> m_systemPlatform; // when the host brings none
    UpdateHost m_host;
    UpdateConnection m_connection;
    QNetworkAccessManager* m_network = nullptr; // created on first use
    // The running check: its reply, what has arrived and why it was stopped.
    QNetworkReply* m_reply = nullptr;
    const TransferTimeout* m_timeout = nullptr;
    Response m_response;
    std::unique_ptr<QDialog> m_progress;
    UpdateOffer m_offer;
    QPointer<UpdateWindow> m_window;
};

} // namespace spinledger
