#include "updater/UpdateChecker.h"

#include "store/ErrorCodes.h"
#include "ui/StatusSink.h"
#include "updater/SystemUpdatePlatform.h"
#include "updater/TransferTimeout.h"
#include "updater/UpdateAnswer.h"
#include "updater/UpdateTexts.h"
#include "updater/UpdateWindow.h"
#include "updater/UpdaterLog.h"

#include <QDialog>
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
    if (isRunning())
        return;
    m_host.mainWindow->setEnabled(false);
    m_host.status->setStatus(updatetexts::Checking());
    if (!m_connection.accepts(m_connection.service)) {
        giveBack(updatetexts::InsecureService());
        emit finished();
        return;
    }
    send();
}

void UpdateChecker::send()
{
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    QNetworkRequest request(m_connection.service);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    m_response = {};
    m_reply = m_network->get(request);
    // Never more than the largest acceptable answer waits in memory.
    m_reply->setReadBufferSize(UpdateAnswer::MaxBytes);
    m_timeout = new TransferTimeout(m_reply, 0, m_connection.checkLimitMs);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &UpdateChecker::checkDeclaredLength);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateChecker::take);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateChecker::received);
    // The main window stays disabled; only the progress window takes input.
    m_progress = showProgress();
    connect(m_progress.get(), &QDialog::rejected, this, [this] { stop(updatetexts::CheckCancelled()); });
}

void UpdateChecker::checkDeclaredLength()
{
    if (declaredLength(m_reply) > UpdateAnswer::MaxBytes)
        stop(updatetexts::TooLong());
}

void UpdateChecker::take()
{
    if (!m_reply->isOpen() || !m_response.failure.isEmpty())
        return;
    m_response.body += m_reply->read(UpdateAnswer::MaxBytes + 1 - m_response.body.size());
    if (m_response.body.size() > UpdateAnswer::MaxBytes)
        stop(updatetexts::TooLong());
}

void UpdateChecker::stop(const QString& failure)
{
    if (m_response.failure.isEmpty())
        m_response.failure = failure;
    TransferTimeout::abortLater(m_reply);
}

void UpdateChecker::received()
{
    take();
    const Response answer = response();
    if (!answer.failure.isEmpty())
        qCWarning(lcUpdater) << "the update check failed:" << answer.failure << m_reply->errorString();
    m_progress.reset();
    m_reply->deleteLater();
    m_reply = nullptr;
    m_timeout = nullptr;
    if (!answer.failure.isEmpty())
        giveBack(answer.failure);
    else if (answer.status != 200)
        giveBack(errorLine(codes::AppUpdate));
    else
        handleBody(answer.body);
    emit finished();
}

UpdateChecker::Response UpdateChecker::response() const
{
    Response answer = m_response;
    answer.status = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const qint64 declared = declaredLength(m_reply);
    if (!answer.failure.isEmpty())
        return answer;
    if (m_timeout->timedOut())
        answer.failure = updatetexts::TimedOut();
    else if (answer.status == 0)
        answer.failure = updatetexts::Unreachable();
    else if (answer.status == 200 && (m_reply->error() != QNetworkReply::NoError ||
                                      (declared >= 0 && declared != answer.body.size())))
        answer.failure = updatetexts::Incomplete();
    return answer;
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
    auto* cancel = new QPushButton(tr("Cancel"), dialog.get());
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
