#pragma once

#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace spinledger {

// Work of the window that must not hold up its thread (checking or copying a
// large database file), on a thread of its own. The work gives back what
// follows from it, which runs on the window's thread. One job at a time.
class BackgroundJob : public QObject
{
    Q_OBJECT
public:
    using Then = std::function<void()>;
    using Work = std::function<Then()>;

    explicit BackgroundJob(QObject* parent = nullptr);
    // Waits for running work; what would follow from it is dropped.
    ~BackgroundJob() override;

    void start(Work work);
    bool isRunning() const;
    // Blocks until the work is done (what follows still comes as an event).
    void wait();

private:
    std::unique_ptr<QThread> m_thread;
};

} // namespace spinledger
