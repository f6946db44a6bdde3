#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <functional>

namespace spinledger {

// The bytes of a spin file, read once and whole: a regular file, a pipe or
// FIFO, or standard input ("-"). Anything else (a device such as /dev/zero or
// a terminal, a folder, a socket) is refused before a byte is read, a FIFO
// that nobody writes to within WriterWaitMs is refused as well (so every
// refusal comes within a second), and no more than MaxBytes are ever read, so
// no input can hang the reading or grow it without end.
class SpinSource
{
    Q_DECLARE_TR_FUNCTIONS(SpinSource)
public:
    static constexpr qint64 MaxBytes = 50LL * 1024 * 1024;
    static constexpr int WriterWaitMs = 800;
    static inline const QString StandardInput = QStringLiteral("-");

    // Bytes read so far and the size (-1 for a pipe); returns false to cancel.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    enum class End
    {
        Read,
        Cancelled,
        Refused, // problem() says why
    };
    End read(const QString& path, const Progress& progress = {});

    // The bytes read; taking them leaves none here.
    QByteArray take() { return std::move(m_bytes); }
    const QString& problem() const { return m_problem; }

    // "spins.csv", or "standard input" for "-".
    static QString nameOf(const QString& path);

private:
    End readDescriptor(int fd, qint64 size, bool waitForWriter, const Progress& progress);
    End refuse(const QString& problem);

    QString m_name;
    QByteArray m_bytes;
    QString m_problem;
};

} // namespace spinledger
