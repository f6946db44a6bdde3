#include "shell/BackupGuard.h"

#include "shell/BackgroundJob.h"
#include "store/AppContext.h"

#include <QLabel>

namespace spinledger {

BackupGuard::BackupGuard(AppContext& app, QLabel* field, QObject* parent)
    : QObject(parent), m_app(app), m_field(field), m_daily(new BackgroundJob(this))
{
    m_field->setObjectName(QStringLiteral("lblBackup"));
    m_field->hide();
}

BackupFolder BackupGuard::folder() const
{
    return BackupFolder(m_app.connString, m_app.clock());
}

void BackupGuard::watchChanges()
{
    m_written = m_app.db().totalChanges();
}

void BackupGuard::afterChange()
{
    // A casino chosen on a board redraws the history but writes nothing.
    if (m_written < 0 || !m_app.db().isOpen())
        return;
    const qint64 written = m_app.db().totalChanges();
    if (written == m_written)
        return;
    m_written = written;
    if (m_daily->isRunning())
        return; // the day's copy is on its way
    const QString path = m_app.connString;
    const QString password = m_app.password();
    const Clock& clock = m_app.clock();
    m_daily->start([this, path, password, &clock]() -> BackgroundJob::Then {
        Database db;
        const Result<QString> taken = db.open(path, password, Database::Mode::ReadOnly)
                                          ? BackupFolder(path, clock).takeDailyIfDue(db)
                                          : Result<QString>::failure(db.lastReason());
        return [this, taken] { show(taken); };
    });
}

bool BackupGuard::before(BackupFolder::Kind kind)
{
    waitForDaily();
    const Result<QString> taken = m_app.ensureOpen() ? folder().take(m_app.db(), kind)
                                                     : Result<QString>::failure(m_app.db().lastReason());
    show(taken);
    return taken.ok();
}

void BackupGuard::waitForDaily()
{
    m_daily->wait(); // one copy at a time in the folder
}

bool BackupGuard::copyingDaily() const
{
    return m_daily->isRunning();
}

void BackupGuard::showTaken(bool taken, const QString& status)
{
    show(taken ? Result<QString>(status) : Result<QString>::failure(status));
}

void BackupGuard::show(const Result<QString>& taken)
{
    if (taken.ok()) {
        m_field->hide();
        m_field->clear();
    } else {
        m_field->setText(tr("Backup failed: %1").arg(taken.status()));
        m_field->setStyleSheet(QStringLiteral("color: #c00000"));
        m_field->show();
    }
    emit finished(taken.ok());
}

} // namespace spinledger
