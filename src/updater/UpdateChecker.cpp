#include "updater/UpdateChecker.h"

#include "store/ErrorCodes.h"
#include "ui/StatusSink.h"
#include "updater/SystemUpdatePlatform.h"
#include "updater/TransferTimeout.h"
#include "updater/UpdateAnswer.h"
#include "updater/UpdateTexts.h"
#include "updater/UpdateWindow.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QWidget>

namespace spinledger {

UpdateChecker::UpdateChecker(const UpdateHost& host, const QUrl& serviceUrl, int timeoutMs, QObject* parent)
    : QObject(parent), m_host(host), m_serviceUrl(serviceUrl), m_timeoutMs(timeoutMs)
{
    if (!m_host.platform) {
        m_systemPlatform = std::make_unique<SystemUpdatePlatform>();
        m_host.platform = m_systemPlatform.get();
    }
}

UpdateChecker::~UpdateChecker()
{
    delete m_window;
}

void UpdateChecker::CheckForUpdate()
{
    m_host.mainWindow->setEnabled(false);
    m_host.status->setStatus(updatetexts::Checking);
    const Response response = fetch();
    if (!response.failure.isEmpty())
        return giveBack(response.failure);
    if (response.status != 200)
        return giveBack(errorLine(codes::AppUpdate));
    handleBody(response.body);
}

UpdateChecker::Response UpdateChecker::fetch()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(m_serviceUrl);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = m_network->get(request);
    const auto* timeout = new TransferTimeout(reply, m_timeoutMs);

    // Synchronous for the user: timers and sockets run, clicks and keys wait.
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    Response response;
    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->isOpen())
        response.body = reply->readAll();
    if (timeout->timedOut())
        response.failure = updatetexts::TimedOut;
    else if (response.status == 0)
        response.failure = updatetexts::Unreachable;
    reply->deleteLater();
    return response;
}

void UpdateChecker::handleBody(const QByteArray& body)
{
    const UpdateAnswer answer = UpdateAnswer::parse(body);
    if (!answer.complete)
        return giveBack(updatetexts::Incomplete);
    m_offer = answer.offer;

    QString message = answer.message;
    // Without a message the error stays on screen rather than turning into "Idle".
    if (m_offer.version.isEmpty())
        return giveBack(message.isEmpty() ? errorLine(codes::AppUpdate) : message);
    if (m_offer.version == m_host.appVersion)
        message = updatetexts::NoUpdate;
    else if (!openOffer())
        return;

    if (message.isEmpty())
        m_host.status->setStatus(texts::Idle);
    else
        giveBack(message);
}

bool UpdateChecker::openOffer()
{
    if (const QString problem = m_offer.problem(); !problem.isEmpty()) {
        giveBack(problem);
        return false;
    }
    delete m_window;
    m_window = new UpdateWindow(m_offer, m_host, m_timeoutMs);
    m_window->show();
    return true;
}

void UpdateChecker::giveBack(const QString& text)
{
    m_host.mainWindow->setEnabled(true);
    m_host.status->setStatus(text);
}

} // namespace spinledger
