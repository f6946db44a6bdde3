#pragma once

#include "io/SpinImport.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

class QThread;

namespace spinledger {

class AppContext;
class Wheel;

// An import on a thread of its own, with its own connection to the database,
// so the window stays responsive while thousands of spins go in. The window
// must not write meanwhile: it shows a modal progress dialog. The clock and
// the random source of the application serve the import; nothing else uses
// them while it runs. Its signals arrive in the thread that created it.
class ImportJob : public QObject
{
    Q_OBJECT
public:
    ImportJob(AppContext& app, const Wheel& wheel, qint64 casino, QString path, QObject* parent = nullptr);
    // A running import is cancelled and waited for: nothing is written then.
    ~ImportJob() override;

    // Once the file passed its check, the database is copied into the backup
    // folder on this job's thread (a large file does not freeze the window),
    // then the spins are written.
    void start();
    // Stops at the next spin; the transaction rolls back.
    void cancel() { m_cancel = true; }
    bool isRunning() const;

signals:
    void progressed(int step, qint64 done, qint64 total);
    // status: the copy's file when taken, why not when it failed.
    void backupTaken(bool taken, const QString& status);
    // message: why, when nothing was imported; how the file was read when it was.
    void finished(int outcome, qint64 spins, const QString& message);

private:
    void run();

    AppContext& m_app;
    const Wheel& m_wheel;
    qint64 m_casino;
    QString m_path;
    std::atomic<bool> m_cancel{false};
    std::unique_ptr<QThread> m_thread;
};

} // namespace spinledger
