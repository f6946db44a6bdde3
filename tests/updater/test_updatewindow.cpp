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

} // namespace

class TestUpdateWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void downloadEndsAtFullProgress_data();
    void downloadEndsAtFullProgress();
    void replacesLongerOldFile();
    void refusedDownloads_data();
    void refusedDownloads();
    void refusesPathOutsideFolder();
    void answeringNoKeepsFileAndApplication();
    void answeringYesStartsExecutableInstaller();
    void installerThatDoesNotStartKeepsWindow();
    void cancelDuringDownload();

private:
    void openWindow(qint64 fileSize, const QString& url);
    void serve(const QByteArray& path, const CannedResponse& response) { m_server->respond(path, response); }
    void clickUpdate() { QTest::mouseClick(m_window->findChild<QPushButton*>("btnUpdate"), Qt::LeftButton); }

    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<QTemporaryDir> m_folder;
    RecordingStatus m_mainStatus;
    FakePlatform m_platform;
    QPointer<UpdateWindow> m_window;
    QStringList m_statuses;
};

void TestUpdateWindow::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    m_main = std::make_unique<QWidget>();
    m_main->show();
    m_folder = std::make_unique<QTemporaryDir>();
    m_platform = FakePlatform();
    m_statuses.clear();
}

void TestUpdateWindow::cleanup()
{
    delete m_window;
    m_main.reset();
    m_server.reset();
    m_folder.reset();
}

void TestUpdateWindow::openWindow(qint64 fileSize, const QString& url)
{
    const UpdateOffer offer{
        "SpinledgerSetup.exe", QString::number(fileSize), url, "2026-11-30", "Spinledger", "1.2.0"};
    const UpdateHost host{m_main.get(), &m_mainStatus, &m_platform, "Spinledger", m_folder->path(), "1.1.0"};
    m_window = new UpdateWindow(offer, host, 300);
    connect(m_window, &UpdateWindow::statusChanged, this,
            [this](const QString& text) { m_statuses << text; });
    m_window->show();
    QVERIFY(!m_main->isEnabled());
}

void TestUpdateWindow::downloadEndsAtFullProgress_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("sendLength");
    QTest::newRow("two whole chunks") << qint64(2048) << true;
    QTest::newRow("last chunk of one byte") << qint64(1025) << true;
    QTest::newRow("no Content-Length") << qint64(3000) << false;
}

void TestUpdateWindow::downloadEndsAtFullProgress()
{
    QFETCH(qint64, size);
    QFETCH(bool, sendLength);
    CannedResponse response;
    response.body = pattern(size);
    response.sendLength = sendLength;
    serve("/setup.exe", response);
    openWindow(size, m_server->url("/setup.exe").toString());

    QVERIFY(m_window->DownloadFile(m_server->url("/setup.exe"), m_window->installerPath()));
    QCOMPARE(fileBytes(m_window->installerPath()), response.body);
    QVERIFY(m_server->lastRequest().contains("\r\nRange: bytes=0-"));
    QCOMPARE(m_statuses.first(), QStringLiteral("Downloading.."));
    QCOMPARE(m_statuses.last(), QStringLiteral("Idle"));
    QCOMPARE(m_statuses.at(m_statuses.size() - 2), QStringLiteral("Downloading..100%"));
    // At most 1024 bytes per chunk, one progress text after each.
    QVERIFY(m_statuses.size() - 2 >= int((size + 1023) / 1024));
    QCOMPARE(m_window->findChild<QProgressBar*>()->value(), 100);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList({"SpinledgerSetup.exe"}));

    if (qEnvironmentVariableIsSet("SPINLEDGER_GRAB") && size == 2048)
        m_window->grab().save(qEnvironmentVariable("SPINLEDGER_GRAB") + "/frmUpdate_downloaded.png");
}

void TestUpdateWindow::replacesLongerOldFile()
{
    CannedResponse response;
    response.body = pattern(2048);
    serve("/setup.exe", response);
    openWindow(2048, m_server->url("/setup.exe").toString());
    QFile old(m_window->installerPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(5000, 'x'));
    old.close();

    QVERIFY(m_window->DownloadFile(m_server->url("/setup.exe"), m_window->installerPath()));
    QCOMPARE(fileBytes(m_window->installerPath()), response.body);
}

void TestUpdateWindow::refusedDownloads_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("status");
    QTest::addColumn<qint64>("sent"); // -1: the whole body
    QTest::addColumn<bool>("keepOpen");
    QTest::addColumn<qint64>("offered");
    QTest::addColumn<QByteArray>("location");
    QTest::addColumn<QString>("text");
    const QByteArray none;
    QTest::newRow("plain http elsewhere") << "http://www.spinledger.example/s.exe" << 200 << qint64(-1)
                                          << false << qint64(2048) << none << updatetexts::InsecureUrl;
    QTest::newRow("not found") << "/setup.exe" << 404 << qint64(-1) << false << qint64(2048) << none
                               << updatetexts::downloadStatus(404);
    QTest::newRow("truncated") << "/setup.exe" << 200 << qint64(1000) << false << qint64(2048) << none
                               << updatetexts::downloadShort(1000, 2048);
    QTest::newRow("stalled") << "/setup.exe" << 200 << qint64(1000) << true << qint64(2048) << none
                             << updatetexts::DownloadTimedOut;
    QTest::newRow("size differs from offer") << "/setup.exe" << 200 << qint64(-1) << false << qint64(3000)
                                             << none << updatetexts::downloadShort(2048, 3000);
    QTest::newRow("redirect to plain http")
        << "/setup.exe" << 302 << qint64(-1) << false << qint64(2048)
        << QByteArray("http://www.spinledger.example/s.exe") << updatetexts::DownloadRedirect;
}

void TestUpdateWindow::refusedDownloads()
{
    QFETCH(QString, url);
    QFETCH(int, status);
    QFETCH(qint64, sent);
    QFETCH(bool, keepOpen);
    QFETCH(qint64, offered);
    QFETCH(QByteArray, location);
    QFETCH(QString, text);
    CannedResponse response;
    response.status = status;
    response.body = pattern(2048);
    response.sendBytes = sent;
    response.keepOpen = keepOpen;
    response.location = location;
    serve("/setup.exe", response);
    const QUrl source = url.startsWith('/') ? m_server->url(url) : QUrl(url);
    openWindow(offered, source.toString());
    const QByteArray old("the installer of the last update");
    QFile file(m_window->installerPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(old);
    file.close();

    QTest::mouseClick(m_window->findChild<QPushButton*>("btnUpdate"), Qt::LeftButton);
    QCOMPARE(m_window->statusText(), text);
    QCOMPARE(fileBytes(m_window->installerPath()), old);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files), QStringList({"SpinledgerSetup.exe"}));
    QVERIFY(m_platform.questions.isEmpty());
    QVERIFY(m_platform.started.isEmpty());
    QVERIFY(m_window->isVisible());
}

void TestUpdateWindow::refusesPathOutsideFolder()
{
    CannedResponse response;
    response.body = pattern(2048);
    serve("/setup.exe", response);
    openWindow(2048, m_server->url("/setup.exe").toString());
    QTemporaryDir elsewhere;
    const QString outside = elsewhere.filePath("SpinledgerSetup.exe");
    QVERIFY(!m_window->DownloadFile(m_server->url("/setup.exe"), outside));
    QVERIFY(!QFile::exists(outside));
    QCOMPARE(m_window->statusText(), updatetexts::OutsideFolder);
    QVERIFY(!m_window->DownloadFile(m_server->url("/setup.exe"), m_folder->filePath("sub/../../x.exe")));
    QCOMPARE(m_server->requestCount(), 0);
}

void TestUpdateWindow::answeringNoKeepsFileAndApplication()
{
    CannedResponse response;
    response.body = pattern(2048);
    serve("/setup.exe", response);
    openWindow(2048, m_server->url("/setup.exe").toString());
    clickUpdate();

    QCOMPARE(m_platform.questions,
             QStringList({"Update|Spinledger will now close.\r\n\r\nContinue Update?"}));
    QCOMPARE(fileBytes(m_folder->filePath("SpinledgerSetup.exe")), response.body);
    QVERIFY(m_platform.started.isEmpty());
    QCOMPARE(m_platform.ended, 0);
    QVERIFY(m_main->isEnabled());
    QVERIFY(m_main->isVisible());
    QVERIFY(!m_window || !m_window->isVisible());
}

void TestUpdateWindow::answeringYesStartsExecutableInstaller()
{
    CannedResponse response;
    response.body = pattern(2048);
    serve("/setup.exe", response);
    openWindow(2048, m_server->url("/setup.exe").toString());
    m_platform.answerYes = true;
    clickUpdate();

    const QString installer = m_folder->filePath("SpinledgerSetup.exe");
    QCOMPARE(m_platform.started, QStringList({QFileInfo(installer).absoluteFilePath()}));
#ifdef Q_OS_UNIX
    QVERIFY(QFileInfo(installer).isExecutable());
#endif
    QCOMPARE(m_platform.ended, 1);
    QVERIFY(!m_main->isVisible());
    QVERIFY(!m_window || !m_window->isVisible());
}

void TestUpdateWindow::installerThatDoesNotStartKeepsWindow()
{
    CannedResponse response;
    response.body = pattern(2048);
    serve("/setup.exe", response);
    openWindow(2048, m_server->url("/setup.exe").toString());
    m_platform.answerYes = true;
    m_platform.startWorks = false;
    clickUpdate();

    QCOMPARE(m_window->statusText(), updatetexts::StartFailed);
    QCOMPARE(m_platform.ended, 0);
    QVERIFY(m_window->isVisible());
    QVERIFY(m_main->isVisible());
}

void TestUpdateWindow::cancelDuringDownload()
{
    // Half the file arrives, then the server holds the connection open.
    CannedResponse response;
    response.body = pattern(4096);
    response.sendBytes = 2048;
    response.keepOpen = true;
    serve("/setup.exe", response);
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

QTEST_MAIN(TestUpdateWindow)
#include "test_updatewindow.moc"
