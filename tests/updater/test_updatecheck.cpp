#include "LocalHttpServer.h"
#include "UpdateFakes.h"

#include "store/ErrorCodes.h"
#include "updater/UpdateChecker.h"
#include "updater/UpdateTexts.h"
#include "updater/UpdateWindow.h"

#include <QGroupBox>
#include <QTableWidget>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

const QByteArray ServicePath = "/app/sc/getUserAppInfo.asp";
const QString ServiceQuery = QStringLiteral("/app/sc/getUserAppInfo.asp?tbl=AppCheckUpdate");

QByteArray body(const QByteArray& version, const QByteArray& message,
                const QByteArray& fileName = "SpinledgerSetup.exe",
                const QByteArray& url = "https://x.example/s.exe", const QByteArray& size = "1572864",
                const QByteArray& date = "2026-11-30")
{
    return fileName + '|' + size + '|' + url + '|' + date + "|Spinledger|" + version + '|' + message;
}

} // namespace

class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void equalVersionSaysNoUpdate();
    void otherVersionOpensWindow_data();
    void otherVersionOpensWindow();
    void bodyEndingInLineBreakCountsAsMessage();
    void errorStatusAfterSuccess();
    void answersWithoutOfferGiveTheWindowBack_data();
    void answersWithoutOfferGiveTheWindowBack();
    void refusedConnection();
    void timeOut();
    void windowShowsOffer();
    void windowClosesOnlyThroughButtons();
    void offerDownloadsIntoAppFolder();
    void fileSizeText_data();
    void fileSizeText();
    void releaseDateText_data();
    void releaseDateText();

private:
    void check(const QByteArray& answer, int status = 200);

    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWidget> m_main;
    RecordingStatus m_status;
    FakePlatform m_platform;
    std::unique_ptr<UpdateChecker> m_checker;
    QTemporaryDir m_folder;
};

void TestUpdateCheck::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    m_main = std::make_unique<QWidget>();
    m_main->show();
    m_status.texts.clear();
    const UpdateHost host{m_main.get(),    &m_status,
                          &m_platform,     QStringLiteral("Spinledger"),
                          m_folder.path(), QStringLiteral("1.1.0")};
    m_checker = std::make_unique<UpdateChecker>(host, m_server->url(ServiceQuery), 300);
}

void TestUpdateCheck::cleanup()
{
    m_checker.reset();
    m_main.reset();
    m_server.reset();
}

void TestUpdateCheck::check(const QByteArray& answer, int status)
{
    CannedResponse response;
    response.status = status;
    response.body = answer;
    m_server->respond(ServicePath, response);
    m_checker->CheckForUpdate();
}

void TestUpdateCheck::equalVersionSaysNoUpdate()
{
    bool enabledDuringRequest = true;
    connect(m_server.get(), &LocalHttpServer::requestReceived, this,
            [&] { enabledDuringRequest = m_main->isEnabled(); });
    check(body("1.1.0", ""));
    QVERIFY(!enabledDuringRequest);
    QCOMPARE(m_status.texts, QStringList({"Check for updates..", "No Update available."}));
    QVERIFY(m_main->isEnabled());
    QVERIFY(!m_checker->window());

    const QByteArray request = m_server->lastRequest();
    QVERIFY(request.startsWith("GET /app/sc/getUserAppInfo.asp?tbl=AppCheckUpdate HTTP/1.1\r\n"));
    QVERIFY(request.toLower().contains("\r\ncontent-type: application/x-www-form-urlencoded"));
}

void TestUpdateCheck::otherVersionOpensWindow_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("mainEnabled");
    QTest::newRow("newer, no message") << QByteArray("1.2.0") << QByteArray() << "Idle" << false;
    QTest::newRow("newer, message") << QByteArray("1.2.0") << QByteArray("Now with videos")
                                    << "Now with videos" << true;
    QTest::newRow("older") << QByteArray("1.0.9") << QByteArray() << "Idle" << false;
    QTest::newRow("other spelling") << QByteArray("1.1") << QByteArray() << "Idle" << false;
}

void TestUpdateCheck::otherVersionOpensWindow()
{
    QFETCH(QByteArray, version);
    QFETCH(QByteArray, message);
    check(body(version, message));
    QFETCH(QString, status);
    QFETCH(bool, mainEnabled);
    QCOMPARE(m_status.last(), status);
    QCOMPARE(m_main->isEnabled(), mainEnabled);
    QVERIFY(m_checker->window());
    QVERIFY(m_checker->window()->isVisible());
    QCOMPARE(m_checker->offer().version, QString::fromUtf8(version));
}

void TestUpdateCheck::bodyEndingInLineBreakCountsAsMessage()
{
    // Only spaces are trimmed: the line break stays in the seventh field.
    check("  " + body("1.2.0", "") + "\r\n  ");
    QCOMPARE(m_status.last(), QStringLiteral("\r\n"));
    QVERIFY(m_main->isEnabled());
    QVERIFY(m_checker->window());
    QCOMPARE(m_checker->offer().fileName, QStringLiteral("SpinledgerSetup.exe"));
}

void TestUpdateCheck::errorStatusAfterSuccess()
{
    check(body("1.1.0", ""));
    QCOMPARE(m_status.last(), QStringLiteral("No Update available."));
    for (const int status : {404, 500}) {
        check(body("1.1.0", ""), status);
        QCOMPARE(m_status.last(), errorLine(QStringLiteral("AppUpdate sdb")));
        QCOMPARE(m_status.last(), QStringLiteral("Unable to continue! Error Code: (AppUpdate sdb)"));
        QVERIFY(m_main->isEnabled());
        QVERIFY(!m_checker->window());
    }
    QCOMPARE(m_checker->offer().version, QStringLiteral("1.1.0"));
}

void TestUpdateCheck::answersWithoutOfferGiveTheWindowBack_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("status");
    const QString sdb = errorLine(codes::AppUpdate);
    QTest::newRow("short body") << QByteArray("a|1|https://x.example/a|2026-01-01|App|1.2.0")
                                << updatetexts::Incomplete;
    QTest::newRow("empty body") << QByteArray() << updatetexts::Incomplete;
    // The error stays visible even without a message.
    QTest::newRow("empty version") << body("", "") << sdb;
    QTest::newRow("empty version, message") << body("", "Maintenance") << QStringLiteral("Maintenance");
    QTest::newRow("size text") << body("1.2.0", "", "s.exe", "https://x.example/s.exe", "big")
                               << updatetexts::BadFileSize;
    QTest::newRow("size zero") << body("1.2.0", "", "s.exe", "https://x.example/s.exe", "0")
                               << updatetexts::BadFileSize;
    QTest::newRow("date") << body("1.2.0", "", "s.exe", "https://x.example/s.exe", "1024", "someday")
                          << updatetexts::BadReleaseDate;
    for (const char* name : {"", ".", "..", "../s.exe", "sub/s.exe", "..\\s.exe", "C:s.exe"})
        QTest::newRow(qPrintable(QStringLiteral("file name '%1'").arg(name)))
            << body("1.2.0", "", name) << updatetexts::BadFileName;
    for (const char* url : {"http://x.example/s.exe", "ftp://x.example/s.exe", "file:///tmp/s.exe", "s.exe"})
        QTest::newRow(url) << body("1.2.0", "", "s.exe", url) << updatetexts::InsecureUrl;
}

void TestUpdateCheck::answersWithoutOfferGiveTheWindowBack()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, status);
    check(answer);
    QCOMPARE(m_status.last(), status);
    QVERIFY(m_main->isEnabled());
    QVERIFY(!m_checker->window());
}

void TestUpdateCheck::refusedConnection()
{
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    const UpdateHost host{m_main.get(), &m_status, &m_platform, "Spinledger", m_folder.path(), "1.1.0"};
    UpdateChecker checker(host, QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(ServiceQuery)));
    checker.CheckForUpdate();
    QCOMPARE(m_status.last(), updatetexts::Unreachable);
    QVERIFY(m_main->isEnabled());
    QVERIFY(!checker.window());
}

void TestUpdateCheck::timeOut()
{
    CannedResponse silent;
    silent.silent = true;
    m_server->respond(ServicePath, silent);
    m_checker->CheckForUpdate();
    QCOMPARE(m_status.last(), updatetexts::TimedOut);
    QVERIFY(m_main->isEnabled());
    QVERIFY(!m_checker->window());
    QCOMPARE(m_server->requestCount(), 1);
}

void TestUpdateCheck::windowShowsOffer()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    check(body("1.2.0", ""));
    QLocale::setDefault(QLocale::c());
    UpdateWindow* window = m_checker->window();
    QVERIFY(window);
    QCOMPARE(window->objectName(), QStringLiteral("frmUpdate"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Spinledger - Update"));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("New Version Available!"));
    QCOMPARE(window->statusText(), QStringLiteral("A new version is available! Download and Update now?"));
    auto* grid = window->findChild<QTableWidget*>("MSFlexGrid1");
    QVERIFY(grid);
    QCOMPARE(grid->rowCount(), 5);
    QCOMPARE(grid->columnCount(), 2);
    const QStringList expected = {"App:",          "Spinledger",          "Version:",  "1.2.0",
                                  "Filename:",     "SpinledgerSetup.exe", "Filesize:", "1,5 Mb",
                                  "Release Date:", "30.11.2026"};
    QStringList cells;
    for (int row = 0; row < 5; ++row)
        cells << grid->item(row, 0)->text() << grid->item(row, 1)->text();
    QCOMPARE(cells, expected);
    QVERIFY(window->findChild<QWidget*>("btnUpdate"));
    QVERIFY(window->findChild<QWidget*>("btnCancel"));
    QVERIFY(window->findChild<QWidget*>("StatusBar1"));

    if (qEnvironmentVariableIsSet("SPINLEDGER_GRAB")) {
        window->grab().save(qEnvironmentVariable("SPINLEDGER_GRAB") + "/frmUpdate.png");
        window->windowIcon().pixmap(64).save(qEnvironmentVariable("SPINLEDGER_GRAB") + "/update_icon.png");
    }
}

void TestUpdateCheck::windowClosesOnlyThroughButtons()
{
    check(body("1.2.0", ""));
    QPointer<UpdateWindow> window = m_checker->window();
    QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!window->close());
    QVERIFY(window->isVisible());
    QVERIFY(!m_main->isEnabled());

    QTest::mouseClick(window->findChild<QWidget*>("btnCancel"), Qt::LeftButton);
    QVERIFY(!window || !window->isVisible());
    QVERIFY(m_main->isEnabled());
    QVERIFY(m_platform.questions.isEmpty());
}

void TestUpdateCheck::offerDownloadsIntoAppFolder()
{
    CannedResponse installer;
    installer.body = QByteArray(2048, 'i');
    m_server->respond("/setup.exe", installer);
    check(body("1.2.0", "", "SpinledgerSetup.exe", m_server->url("/setup.exe").toEncoded(), "2048"));
    QPointer<UpdateWindow> window = m_checker->window();
    QVERIFY(window);
    QTest::mouseClick(window->findChild<QWidget*>("btnUpdate"), Qt::LeftButton);

    QFile file(QDir(m_folder.path()).filePath("SpinledgerSetup.exe"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), installer.body);
    QCOMPARE(m_platform.questions.size(), 1); // answered No
    QVERIFY(m_main->isEnabled());
    QVERIFY(!window || !window->isVisible());
}

void TestUpdateCheck::fileSizeText_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("one and a half") << "1572864"
                                    << "C"
                                    << "1.5 Mb";
    QTest::newRow("five") << "5242880"
                          << "C"
                          << "5 Mb";
    QTest::newRow("German separator") << "1572864"
                                      << "de_DE"
                                      << "1,5 Mb";
    QTest::newRow("half down to even") << "131072"
                                       << "C"
                                       << "0.12 Mb"; // 0.125
    QTest::newRow("half up to even") << "393216"
                                     << "C"
                                     << "0.38 Mb"; // 0.375
    QTest::newRow("no group separator") << "1363148800"
                                        << "en_US"
                                        << "1300 Mb";
}

void TestUpdateCheck::fileSizeText()
{
    UpdateOffer offer;
    QFETCH(QString, bytes);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    offer.fileSize = bytes;
    QCOMPARE(offer.fileSizeText(QLocale(locale)), text);
}

void TestUpdateCheck::releaseDateText_data()
{
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("midnight") << "2026-11-30"
                              << "de_DE"
                              << "30.11.2026";
    QTest::newRow("midnight written out") << "2026-11-30 00:00:00"
                                          << "de_DE"
                                          << "30.11.2026";
    QTest::newRow("afternoon") << "2026-11-30T14:05:09"
                               << "de_DE"
                               << "30.11.2026 14:05:09";
    QTest::newRow("US server form") << "11/30/2026 2:05:09 PM"
                                    << "en_US"
                                    << "11/30/2026 2:05:09 PM";
}

void TestUpdateCheck::releaseDateText()
{
    UpdateOffer offer;
    QFETCH(QString, date);
    QFETCH(QString, locale);
    QFETCH(QString, text);
    offer.releaseDate = date;
    QCOMPARE(offer.releaseDateText(QLocale(locale)), text);
}

QTEST_MAIN(TestUpdateCheck)
#include "test_updatecheck.moc"
