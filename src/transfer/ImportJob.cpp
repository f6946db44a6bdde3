#include "transfer/ImportJob.h"

#include "backup/BackupFolder.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "wheel/Wheel.h"

#include <QElapsedTimer>
#include <QThread>

namespace spinledger {

namespace {
constexpr qint64 ProgressEveryMs = 50;
}

ImportJob::ImportJob(AppContext& app, const Wheel& wheel, qint64 casino, QString path, QObject* parent)
    : QObject(parent), m_app(app), m_wheel(wheel), m_casino(casino), m_path(std::move(path))
{
}

ImportJob::~ImportJob()
{
    if (m_thread) {
        m_cancel = true;
        m_thread->wait();
    }
}

void ImportJob::start()
{
    m_thread.reset(QThread::create([this] { run(); }));
    m_thread->start();
}

bool ImportJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void ImportJob::run()
{
    // A connection of this thread's own: SQLite connections are not shared
    // between threads here; the window's is closed, or idle, meanwhile.
    Database db;
    if (!db.open(m_app.connString, m_app.password())) {
        emit finished(int(SpinImport::Outcome::Failed), 0,
                      errorLine(codes::importSpins(m_wheel.letter()), db.lastReason()));
        return;
    }
    AppContext context(db, m_app.clock(), m_app.random());
    context.connString = m_app.connString;
    context.key = m_app.key;
    context.settingId = m_app.settingId;
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    const SpinImport::Progress progress = [&](SpinImport::Step step, qint64 done, qint64 total) {
        if (sinceProgress.elapsed() >= ProgressEveryMs) {
            emit progressed(int(step), done, total);
            sinceProgress.restart();
        }
        return !m_cancel;
    };
    SpinImport import(context, m_wheel);
    import.setSoleConnection(true);
    SpinImport::Report report = import.check(m_path, m_casino, progress);
    if (report.outcome == SpinImport::Outcome::Imported) {
        // Only a file that will go in is worth a copy: a refused one would push
        // an older copy out of the folder.
        emit progressed(int(SpinImport::Step::BackingUp), 0, 0);
        const Result<QString> taken =
            BackupFolder(m_app.connString, m_app.clock()).take(db, BackupFolder::Kind::BeforeImport);
        emit backupTaken(taken.ok(), taken.ok() ? *taken : taken.status());
        report = import.write(m_casino, progress);
    }
    emit finished(int(report.outcome), report.spins,
                  report.outcome == SpinImport::Outcome::Imported ? report.readAs : report.message);
}

} // namespace spinledger
