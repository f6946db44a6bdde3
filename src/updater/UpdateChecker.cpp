#include "updater/UpdateChecker.h"

#include "store/ErrorCodes.h"
#include "ui/StatusSink.h"
#include "updater/SystemUpdatePlatform.h"
#include "updater/TransferTimeout.h"
#include "updater/UpdateAnswer.h"
#include "updater/UpdateTexts.h"
#include "updater/UpdateWindow.h"

#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace spinledger {

namespace {

// Content-Length, or -1 when the server did not say.
qint64 declaredLength(const QNetworkReply* reply)
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() ? length.toLongLong() : -1;
}

} // namespace

UpdateChecker::UpdateChecker(const UpdateHost& host, const UpdateConnection& connection, QObject* parent)
    : QObject(parent), m_host(host), m_connection(connection)
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
    m_host.status->setStatus(updatetexts::Checking());
    const Response response = fetch();
    if (!response.failure.isEmpty())
        return giveBack(response.failure);
    if (response.status != 200)
        return giveBack(errorLine(codes::AppUpdate));
    handleBody(response.body);
}

UpdateChecker::Response UpdateChecker::fetch()
{
    if (!m_connection.accepts(m_connection.service))
        return {updatetexts::InsecureService(), 0, {}};
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(m_connection.service);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    QNetworkReply* reply = m_network->get(request);
    // Never more than the largest acceptable answer waits in memory.
    reply->setReadBufferSize(UpdateAnswer::MaxBytes);
    Response response = receive(reply);
    reply->deleteLater();
    return response;
}

UpdateChecker::Response UpdateChecker::receive(QNetworkReply* reply)
{
    const auto* timeout = new TransferTimeout(reply, 0, m_connection.checkLimitMs);
    Response response;
    QObject scope; // ends the connections below with this function
    const auto stop = [&](const QString& text) {
        if (response.failure.isEmpty())
            response.failure = text;
        TransferTimeout::abortLater(reply);
    };
    const auto take = [&] {
        if (!reply->isOpen() || !response.failure.isEmpty())
            return;
        response.body += reply->read(UpdateAnswer::MaxBytes + 1 - response.body.size());
        if (response.body.size() > UpdateAnswer::MaxBytes)
            stop(updatetexts::TooLong());
    };
    connect(reply, &QNetworkReply::metaDataChanged, &scope, [&] {
        if (declaredLength(reply) > UpdateAnswer::MaxBytes)
            stop(updatetexts::TooLong());
    });
    connect(reply, &QNetworkReply::readyRead, &scope, take);
    const std::unique_ptr<QDialog> progress = showProgress();
    connect(progress.get(), &QDialog::rejected, &scope, [&] { stop(updatetexts::CheckCancelled()); });

    // The main window stays disabled; only the progress window takes input.
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    take();

    response.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const qint64 declared = declaredLength(reply);
    if (!response.failure.isEmpty())
        return response;
    if (timeout->timedOut())
        response.failure = updatetexts::TimedOut();
    else if (response.status == 0)
        response.failure = updatetexts::Unreachable();
    else if (response.status == 200 && (reply->error() != QNetworkReply::NoError ||
                                        (declared >= 0 && declared != response.body.size())))
        response.failure = updatetexts::Incomplete();
    return response;
}

// "Check for updates.." with a running bar and Cancel; Esc cancels as well.
std::unique_ptr<QDialog> UpdateChecker::showProgress() const
{
    auto dialog =
        std::make_unique<QDialog>(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setObjectName(QStringLiteral("dlgCheckUpdate"));
    dialog->setWindowTitle(m_host.appTitle + tr(" - Update"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumWidth(280);
    auto* bar = new QProgressBar(dialog.get());
    bar->setRange(0, 0);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), dialog.get());
    cancel->setObjectName(QStringLiteral("btnCancelCheck"));
    connect(cancel, &QPushButton::clicked, dialog.get(), &QDialog::reject);
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(new QLabel(updatetexts::Checking(), dialog.get()));
    layout->addWidget(bar);
    layout->addWidget(cancel, 0, Qt::AlignRight);
    m_host.keepAboveMainWindow(dialog.get());
    dialog->show();
    return dialog;
}

void UpdateChecker::handleBody(const QByteArray& body)
{
    const UpdateAnswer answer = UpdateAnswer::parse(body);
    if (!answer.failure.isEmpty())
        return giveBack(answer.failure);
    m_offer = answer.offer;

    QString message = answer.message;
    // Without a message the error stays on screen rather than turning into "Idle".
    if (m_offer.version.isEmpty())
        return giveBack(message.isEmpty() ? errorLine(codes::AppUpdate) : message);
    if (m_offer.version == m_host.appVersion)
        message = updatetexts::NoUpdate();
    else if (!openOffer())
        return;

    if (message.isEmpty())
        m_host.status->setStatus(texts::Idle());
    else
        giveBack(message);
}

bool UpdateChecker::openOffer()
{
    if (const QString problem = m_offer.problem(m_host.programName, m_connection); !problem.isEmpty()) {
        giveBack(problem);
        return false;
    }
    delete m_window;
    m_window = new UpdateWindow(m_offer, m_host, m_connection);
    m_window->show();
    return true;
}

void UpdateChecker::giveBack(const QString& text)
{
    m_host.mainWindow->setEnabled(true);
    m_host.status->setStatus(text);
}

} // namespace spinledger
