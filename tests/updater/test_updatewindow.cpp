#include "LocalHttpServer.h"
#include "UpdateFakes.h"

#include "updater/UpdateTexts.h"
#include "updater/UpdateWindow.h"

#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestUpdateWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<QTemporaryDir> m_folder;
    RecordingStatus m_mainStatus;
    FakePlatform m_platform;
    QPointer<UpdateWindow> m_window;
    QStringList m_statuses;

    void openWindow(qint64 fileSize, const QString& url, const QByteArray& sha = {},
                    bool allowLocalHttp = true)
    {
        const UpdateOffer offer{
            "SpinledgerSetup.exe",   QString::number(fileSize), url, "2026-11-30", "Spinledger", "1.2.0",
            QString::fromLatin1(sha)};
        const UpdateHost host{m_main.get(), &m_mainStatus,    &m_platform,
                              "Spinledger", m_folder->path(), "1.1.0"};
        m_window = new UpdateWindow(offer, host, UpdateConnection{{}, 0, 300, allowLocalHttp});
        connect(m_window, &UpdateWindow::statusChanged, this,
                [this](const QString& text) { m_statuses << text; });
        m_window->show();
        QVERIFY(!m_main->isEnabled());
    }

    void serve(const CannedResponse& response) { m_server->respond("/setup.exe", response); }
    void clickUpdate() { QTest::mouseClick(m_window->findChild<QPushButton*>("btnUpdate"), Qt::LeftButton); }

private slots:
    void init()
    {
        m_server = std::make_unique<LocalHttpServer>();
        m_main = std::make_unique<QWidget>();
        m_main->show();
        m_folder = std::make_unique<QTemporaryDir>();
        m_platform = FakePlatform();
        m_statuses.clear();
    }

    void cleanup()
    {
        delete m_window;
        m_main.reset();
        m_server.reset();
        m_folder.reset();
    }

    void downloadEndsAtFullProgress_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("sendLength");
        QTest::newRow("two whole chunks") << qint64(2048) << true;
        QTest::newRow("last chunk of one byte") << qint64(1025) << true;
        QTest::newRow("no Content-Length") << qint64(3000) << false;
    }

    void downloadEndsAtFullProgress()
    {
        QFETCH(qint64, size);
        QFETCH(bool, sendLength);
        serve(CannedResponse{.body = pattern(size), .sendLength = sendLength});
        openWindow(size, m_server->url("/setup.exe").toString());
        // An older, longer file of the same name is replaced, not written over.
        writeFile(m_window->installerPath(), QByteArray(5000, 'x'));

        QVERIFY(m_window->DownloadFile(m_server->url("/setup.exe"), m_window->installerPath()));
        QCOMPARE(fileBytes(m_window->installerPath()), pattern(size));
        QVERIFY(m_server->lastRequest().contains("\r\nRange: bytes=0-"));
        QCOMPARE(m_statuses.first(), QStringLiteral("Downloading.."));
        QCOMPARE(m_statuses.last(), QStringLiteral("Idle"));
        QCOMPARE(m_statuses.at(m_statuses.size() - 2), QStringLiteral("Downloading..100%"));
        // At most 1024 bytes per chunk, one progress text after each.
        QVERIFY(m_statuses.size() - 2 >= int((size + 1023) / 1024));
        QCOMPARE(m_window->findChild<QProgressBar*>()->value(), 100);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList({"SpinledgerSetup.exe"}));
    }

    void refusedDownloads_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<CannedResponse>("response");
        QTest::addColumn<qint64>("offered");
        QTest::addColumn<QByteArray>("sha");
        QTest::addColumn<bool>("allowLocalHttp");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const CannedResponse& response, const QString& text,
                            qint64 offered = 2048, const QByteArray& sha = {}, bool allowLocalHttp = true,
                            const QString& url = QStringLiteral("/setup.exe")) {
            QTest::newRow(name) << url << response << offered << sha << allowLocalHttp << text;
        };
        const QByteArray body = pattern(2048);
        row("plain http elsewhere", {.body = body}, updatetexts::InsecureUrl, 2048, {}, true,
            "http://www.spinledger.example/s.exe");
        row("plain http here, by default", {.body = body}, updatetexts::InsecureUrl, 2048, {}, false);
        row("not found", {.status = 404, .body = body}, updatetexts::downloadStatus(404));
        row("truncated", {.body = body, .sendBytes = 1000}, updatetexts::downloadShort(1000, 2048));
        row("stalled", {.body = body, .sendBytes = 1000, .keepOpen = true}, updatetexts::DownloadTimedOut);
        row("smaller than offered", {.body = body}, updatetexts::downloadSizeDiffers(2048, 3000), 3000);
        // Refused on the header, and on the byte past the offer, while the server keeps the line open.
        row("announces more than offered", {.claimedLength = 64 << 20, .keepOpen = true},
            updatetexts::downloadSizeDiffers(64 << 20, 2048));
        row("sends more than offered", {.body = pattern(8192), .sendLength = false, .keepOpen = true},
            updatetexts::downloadTooLong(2048));
        row("redirect to plain http", {.status = 302, .location = "http://www.spinledger.example/s.exe"},
            updatetexts::DownloadRedirect);
        row("checksum differs", {.body = body}, updatetexts::ChecksumMismatch, 2048, QByteArray(64, '0'));
    }

    void refusedDownloads()
    {
        QFETCH(QString, url);
        QFETCH(CannedResponse, response);
        QFETCH(qint64, offered);
        QFETCH(QByteArray, sha);
        QFETCH(bool, allowLocalHttp);
        QFETCH(QString, text);
        serve(response);
        openWindow(offered, url.startsWith('/') ? m_server->url(url).toString() : url, sha, allowLocalHttp);
        const QByteArray old("the installer of the last update");
        writeFile(m_window->installerPath(), old);

        clickUpdate();
        QCOMPARE(m_window->statusText(), text);
        QCOMPARE(fileBytes(m_window->installerPath()), old);
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList({"SpinledgerSetup.exe"}));
        QVERIFY(m_platform.questions.isEmpty());
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_server->requestCount() > 0, allowLocalHttp && url.startsWith('/'));
        for (const QString& status : m_statuses.filter(QRegularExpression("%$")))
            QVERIFY2(status.chopped(1).mid(13).toInt() <= 100, qPrintable(status));
    }

    void refusesPathOutsideFolder()
    {
        serve(CannedResponse{.body = pattern(2048)});
        openWindow(2048, m_server->url("/setup.exe").toString());
        QTemporaryDir elsewhere;
        const QString outside = elsewhere.filePath("SpinledgerSetup.exe");
        QVERIFY(!m_window->DownloadFile(m_server->url("/setup.exe"), outside));
        QVERIFY(!QFile::exists(outside));
        QCOMPARE(m_window->statusText(), updatetexts::OutsideFolder);
        QVERIFY(!m_window->DownloadFile(m_server->url("/setup.exe"), m_folder->filePath("sub/../../x.exe")));
        QCOMPARE(m_server->requestCount(), 0);
    }

    void installAnswers_data()
    {
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<int>("ended");
        QTest::addColumn<bool>("windowOpen");
        QTest::addColumn<bool>("mainOpen");
        QTest::newRow("No keeps file and program") << false << true << 0 << false << true;
        QTest::newRow("Yes starts the installer") << true << true << 1 << false << false;
        QTest::newRow("installer does not start") << true << false << 0 << true << true;
    }

    void installAnswers()
    {
        QFETCH(bool, answerYes);
        QFETCH(bool, startWorks);
        QFETCH(int, ended);
        QFETCH(bool, windowOpen);
        QFETCH(bool, mainOpen);
        serve(CannedResponse{.body = pattern(2048)});
        openWindow(2048, m_server->url("/setup.exe").toString());
        m_platform.answerYes = answerYes;
        m_platform.startWorks = startWorks;
        clickUpdate();

        const QString installer = QFileInfo(m_folder->filePath("SpinledgerSetup.exe")).absoluteFilePath();
        QCOMPARE(m_platform.questions,
                 QStringList({"Update|Spinledger will now close.\r\n\r\nContinue Update?"}));
        QCOMPARE(fileBytes(installer), pattern(2048));
        QCOMPARE(m_platform.started, answerYes ? QStringList{installer} : QStringList{});
#ifdef Q_OS_UNIX
        QCOMPARE(QFileInfo(installer).isExecutable(), answerYes);
#endif
        QCOMPARE(m_platform.ended, ended);
        QCOMPARE(m_window && m_window->isVisible(), windowOpen);
        if (windowOpen)
            QCOMPARE(m_window->statusText(), updatetexts::StartFailed);
        QCOMPARE(m_main->isVisible(), mainOpen);
        QCOMPARE(m_main->isEnabled(), !windowOpen);
    }

    void cancelDuringDownload()
    {
        // Half the file arrives, then the server holds the connection open.
        serve(CannedResponse{.body = pattern(4096), .sendBytes = 2048, .keepOpen = true});
        openWindow(4096, m_server->url("/setup.exe").toString());
        connect(m_window, &UpdateWindow::statusChanged, this, [this](const QString& text) {
            if (text == QStringLiteral("Downloading..50%"))
                QTest::mouseClick(m_window->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
        });
        clickUpdate();

        QVERIFY(m_statuses.contains(QStringLiteral("Downloading..50%")));
        QCOMPARE(m_statuses.last(), updatetexts::DownloadCancelled);
        QVERIFY(m_main->isEnabled());
        QVERIFY(!m_window || !m_window->isVisible());
        QVERIFY(QDir(m_folder->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(m_platform.questions.isEmpty());
    }
};

QTEST_MAIN(TestUpdateWindow)
#include "test_updatewindow.moc"
