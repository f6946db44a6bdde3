// What is no file or pipe is refused at once, a FIFO is read once and only
// while someone writes to it, and no pipe is read past the limit.
#include "io/SpinSource.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace spinledger;
using namespace Qt::StringLiterals;

namespace {

// Opens the FIFO for writing (which waits for its reader), writes and closes.
QThread* writer(const QString& fifo, QByteArray bytes)
{
    return QThread::create([fifo, bytes] {
        const int fd = ::open(fifo.toLocal8Bit().constData(), O_WRONLY);
        for (qsizetype at = 0; fd >= 0 && at < bytes.size();) {
            const ssize_t n = ::write(fd, bytes.constData() + at, size_t(bytes.size() - at));
            if (n <= 0)
                break; // the reader has gone
            at += n;
        }
        if (fd >= 0)
            ::close(fd);
    });
}

} // namespace

class TestSpinSource : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString fifo(const char* name)
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        if (::mkfifo(path.toLocal8Bit().constData(), 0600) != 0)
            qFatal("cannot make the FIFO %s", qPrintable(path));
        return path;
    }

private slots:
    // A reader that has gone must not end the test by the writer's signal.
    void initTestCase()
    {
        std::signal(SIGPIPE, SIG_IGN);
        QVERIFY(m_dir.isValid());
    }

    void refusedAtOnce_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addRow("endless device")
            << u"/dev/zero"_s << u"zero is a device or special file, not a spin file or pipe"_s;
        QTest::addRow("folder") << u"/tmp"_s << u"tmp is a folder, not a spin file"_s;
        QTest::addRow("missing") << u"/nonexistent/spins.csv"_s
                                 << u"spins.csv cannot be read: No such file or directory"_s;
        QTest::addRow("FIFO nobody writes") << u"FIFO"_s << u"quiet is a pipe that nobody writes to"_s;
    }
    void refusedAtOnce()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        if (path == u"FIFO")
            path = fifo("quiet");
        QElapsedTimer t;
        t.start();
        SpinSource source;
        QCOMPARE(source.read(path), SpinSource::End::Refused);
        QCOMPARE(source.problem(), message);
        // "At once" with room for a busy machine: a second's wait for a writer at most.
        QVERIFY2(t.elapsed() < 3000, qPrintable(QString::number(t.elapsed())));
    }

    void fifoReadOnceWhileWritten()
    {
        const QString path = fifo("spins");
        std::unique_ptr<QThread> w(writer(path, "12,5,0\n32\n"));
        w->start();
        SpinSource source;
        QCOMPARE(source.read(path), SpinSource::End::Read);
        QCOMPARE(source.take(), QByteArray("12,5,0\n32\n"));
        QVERIFY(w->wait(5000));
    }

    void pipeCutAtTheLimit()
    {
        const QString path = fifo("endless");
        std::unique_ptr<QThread> w(writer(path, QByteArray(SpinSource::MaxBytes + 4096, '7')));
        w->start();
        SpinSource source;
        QCOMPARE(source.read(path), SpinSource::End::Refused);
        QCOMPARE(source.problem(), u"endless is larger than 50 MB");
        QVERIFY(w->wait(5000));
    }

    void cancelledWhileAPipeIsSilent()
    {
        const QString path = fifo("silent");
        // The writer opens and waits; the reader cancels at its next question.
        const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR);
        QVERIFY(fd >= 0);
        int asked = 0;
        SpinSource source;
        QCOMPARE(source.read(path, [&](qint64, qint64 total) { return total == -1 && ++asked < 3; }),
                 SpinSource::End::Cancelled);
        ::close(fd);
    }
};

QTEST_GUILESS_MAIN(TestSpinSource)
#include "test_spinsource.moc"
