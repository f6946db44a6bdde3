#include "io/SpinSource.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace spinledger {

namespace {

constexpr qint64 ReadChunkBytes = 1 << 20;
// How long one wait for a pipe lasts before cancelling is asked again.
constexpr int PollMs = 100;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes a descriptor this reading opened; standard input stays open.
class Descriptor
{
public:
    explicit Descriptor(int fd, bool own) : m_fd(fd), m_own(own) {}
    ~Descriptor()
    {
        if (m_own && m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
    bool m_own;
};

} // namespace

QString SpinSource::nameOf(const QString& path)
{
    return path == StandardInput ? tr("standard input") : QFileInfo(path).fileName();
}

SpinSource::End SpinSource::refuse(const QString& problem)
{
    m_bytes.clear();
    m_problem = problem;
    return End::Refused;
}

SpinSource::End SpinSource::read(const QString& path, const Progress& progress)
{
    m_bytes.clear();
    m_problem.clear();
    m_name = nameOf(path);
    const bool standardInput = path == StandardInput;
    struct stat st
    {
    };
    // stat follows a symbolic link to what it names, which is what is read.
    const int found =
        standardInput ? ::fstat(STDIN_FILENO, &st) : ::stat(path.toLocal8Bit().constData(), &st);
    if (found != 0)
        return refuse(tr("%1 cannot be read: %2").arg(m_name, systemError(errno)));
    const bool fifo = S_ISFIFO(st.st_mode);
    if (S_ISDIR(st.st_mode))
        return refuse(tr("%1 is a folder, not a spin file").arg(m_name));
    if (!S_ISREG(st.st_mode) && !fifo)
        return refuse(tr("%1 is a device or special file, not a spin file or pipe").arg(m_name));
    if (S_ISREG(st.st_mode) && st.st_size > MaxBytes)
        return refuse(tr("%1 is larger than 50 MB").arg(m_name));
    if (standardInput)
        return readDescriptor(STDIN_FILENO, fifo ? -1 : qint64(st.st_size), false, progress);

    // A FIFO opens at once without blocking, and only once: a second open
    // would wait for a second writer.
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDONLY | O_CLOEXEC | (fifo ? O_NONBLOCK : 0));
    if (fd < 0)
        return refuse(tr("%1 cannot be read: %2").arg(m_name, systemError(errno)));
    const Descriptor own(fd, true);
    return readDescriptor(fd, fifo ? -1 : qint64(st.st_size), fifo, progress);
}

// Reads until the end or one byte past the limit. A pipe is waited on in
// short polls, so cancelling works while nothing arrives; a FIFO whose
// writer has not come within WriterWaitMs is refused.
SpinSource::End SpinSource::readDescriptor(int fd, qint64 size, bool waitForWriter, const Progress& progress)
{
    const bool pipe = size < 0;
    if (!pipe)
        m_bytes.reserve(size + 1);
    QElapsedTimer waited;
    waited.start();
    bool writerSeen = !waitForWriter;
    for (;;) {
        if (pipe) {
            pollfd p{fd, POLLIN, 0};
            const int ready = ::poll(&p, 1, PollMs);
            if (ready < 0 && errno != EINTR)
                return refuse(tr("%1 cannot be read: %2").arg(m_name, systemError(errno)));
            if (ready <= 0) {
                if (!writerSeen && waited.elapsed() >= WriterWaitMs)
                    return refuse(tr("%1 is a pipe that nobody writes to").arg(m_name));
                if (progress && !progress(m_bytes.size(), size))
                    return End::Cancelled;
                continue;
            }
            // Data, or the writer came and went: from here on an empty read
            // is the end of the pipe.
            writerSeen = true;
        }
        const qint64 room = std::min(ReadChunkBytes, MaxBytes + 1 - m_bytes.size());
        const qsizetype before = m_bytes.size();
        // Grown by doubling up to the limit itself, never beyond it.
        if (m_bytes.capacity() < before + room)
            m_bytes.reserve(std::min(std::max<qint64>(2 * m_bytes.capacity(), before + room), MaxBytes + 1));
        m_bytes.resize(before + room);
        const ssize_t n = ::read(fd, m_bytes.data() + before, size_t(room));
        m_bytes.resize(before + std::max<ssize_t>(n, 0));
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            return refuse(tr("%1 cannot be read: %2").arg(m_name, systemError(errno)));
        }
        if (n == 0)
            break;
        if (m_bytes.size() > MaxBytes)
            return refuse(tr("%1 is larger than 50 MB").arg(m_name));
        if (progress && !progress(m_bytes.size(), size))
            return End::Cancelled;
    }
    return End::Read;
}

} // namespace spinledger
