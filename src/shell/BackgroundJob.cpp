#include "shell/BackgroundJob.h"

#include <QThread>

namespace spinledger {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob()
{
    wait();
}

void BackgroundJob::start(Work work)
{
    wait();
    m_thread.reset(QThread::create([this, work = std::move(work)] {
        Then then = work();
        QMetaObject::invokeMethod(
            this, [then = std::move(then)] { then(); }, Qt::QueuedConnection);
    }));
    m_thread->start();
}

bool BackgroundJob::isRunning() const
{
    return m_thread && m_thread->isRunning();
}

void BackgroundJob::wait()
{
    if (m_thread)
        m_thread->wait();
}

} // namespace spinledger
