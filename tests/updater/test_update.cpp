// The update against the test's own server: the service's answers (hostile
// ones included), the offer window, the download and the installer's start.
#include "FakeStatus.h"
#include "LocalHttpServer.h"
#include "TestFiles.h"

#include "store/ErrorCodes.h"
#include "updater/InstallationFiles.h"
#include "updater/InstallerName.h"
#include "updater/UpdateChecker.h"
#include "updater/UpdatePlatform.h"
#include "updater/UpdateTexts.h"
#include "updater/UpdateWindow.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;
using namespace Qt::StringLiterals;

namespace {

// Answers the question, notes the installer it is to start and the end of the program.
class FakePlatform : public UpdatePlatform
{
public:
    bool confirm(QWidget*, const QString& title, const QString& text) override
    {
        questions << title + u'|' + text;
        return answerYes;
    }
    bool startProgram(const QString& path) override
    {
        started << path;
        return startWorks;
    }
    void endApplication() override { ++ended; }
    bool openFolder(const QString& path) override
    {
        opened << path;
        return true;
    }
    bool answerYes = false;
    bool startWorks = true;
    QStringList questions, started, opened;
    int ended = 0;
};

const QByteArray ServicePath = "/app/sc/getUserAppInfo.asp";
const QString ServiceQuery = u"/app/sc/getUserAppInfo.asp?tbl=AppCheckUpdate"_s;
// SHA-256 of 2048 bytes 'i', worked out with another tool.
const QByteArray Sha2048i = "e8a6a1fbde77096d064e29c733e8d1c262178c94fc84fcd9823eef74369ee87c";

// The service's answer: seven fields, an eighth for a checksum.
struct Answer
{
    QByteArray version = "1.2.0", message = {}, fileName = "SpinledgerSetup.exe",
               url = "https://x.example/s.exe", size = "1572864", date = "2026-11-30", sha = {};
};

QByteArray body(const Answer& a)
{
    const QByteArray seven =
        a.fileName + '|' + a.size + '|' + a.url + '|' + a.date + "|Spinledger|" + a.version + '|' + a.message;
    return a.sha.isNull() ? seven : seven + '|' + a.sha;
}

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char(i * 7 + i / 251);
    return bytes;
}

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<QTemporaryDir> m_folder;
    FakeStatus m_status;
    FakePlatform m_platform;
    std::unique_ptr<UpdateChecker> m_checker;
    QPointer<UpdateWindow> m_window;
    QStringList m_statuses; // the offer window's

    UpdateHost host()
    {
        return {m_main.get(), &m_status, &m_platform, "Spinledger", m_folder->path(), "1.1.0"};
    }
    UpdateConnection connection(bool allowLocalHttp = true)
    {
        return {m_server->url(ServiceQuery), 1000, 300, allowLocalHttp};
    }
    // A check from its start until it is over.
    static void runCheck(UpdateChecker& checker)
    {
        QSignalSpy over(&checker, &UpdateChecker::finished);
        checker.CheckForUpdate();
        QVERIFY(!over.isEmpty() || over.wait(10000));
        QVERIFY(!checker.isRunning());
    }
    void check(const QByteArray& answer)
    {
        m_server->respond(ServicePath, {.body = answer});
        runCheck(*m_checker);
    }
    // The offer window as a check opens it, for an installer of this size at this address.
    void openWindow(qint64 fileSize, const QString& url, const QByteArray& sha = {},
                    bool allowLocalHttp = true, const QString& fileName = u"SpinledgerSetup.exe"_s,
                    std::optional<UpdateHost> on = {})
    {
        const UpdateOffer offer{fileName, QString::number(fileSize), url, "2026-11-30", "Spinledger",
                                "1.2.0",  QString::fromLatin1(sha)};
        m_window = new UpdateWindow(offer, on.value_or(host()), connection(allowLocalHttp));
        connect(m_window, &UpdateWindow::statusChanged, this,
                [this](const QString& text) { m_statuses << text; });
        m_window->show();
        QVERIFY(!m_main->isEnabled());
    }
    void serve(const CannedResponse& response) { m_server->respond("/setup.exe", response); }
    // Whether the whole file arrived; nothing when the download did not end in time.
    std::optional<bool> download(const QUrl& url, const QString& path)
    {
        QSignalSpy over(m_window.get(), &UpdateWindow::downloadFinished);
        m_window->DownloadFile(url, path);
        if (over.isEmpty() && !over.wait(10000))
            return std::nullopt;
        return over.first().first().toBool();
    }
    // Update, and what follows the download's end.
    void clickUpdate()
    {
        QSignalSpy over(m_window.get(), &UpdateWindow::downloadFinished);
        QTest::mouseClick(m_window->findChild<QPushButton*>("btnUpdate"), Qt::LeftButton);
        QVERIFY(!over.isEmpty() || over.wait(10000));
    }

private slots:
    void init()
    {
        m_server = std::make_unique<LocalHttpServer>();
        m_main = std::make_unique<QWidget>();
        m_main->show();
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
        m_status.texts.clear();
        m_platform = FakePlatform();
        m_statuses.clear();
        m_checker = std::make_unique<UpdateChecker>(host(), connection());
    }

    void cleanup()
    {
        delete m_window;
        m_checker.reset();
        m_main.reset();
        m_server.reset();
    }

    void otherVersionOpensWindow_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("mainEnabled");
        QTest::newRow("newer, no message") << body({}) << "Idle" << false;
        QTest::newRow("newer, message") << body({.message = "Now with videos"}) << "Now with videos" << true;
        QTest::newRow("older") << body({.version = "1.0.9"}) << "Idle" << false;
        QTest::newRow("other spelling") << body({.version = "1.1"}) << "Idle" << false;
        // Only spaces are trimmed: the line break stays in the seventh field.
        QTest::newRow("line break ends the body") << "  " + body({}) + "\r\n  " << u"\r\n"_s << true;
    }

    // The offer as the window shows it, its texts in the user's locale.
    void otherVersionOpensWindow()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, status);
        QFETCH(bool, mainEnabled);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        check(answer);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(m_status.last(), status);
        QPointer<UpdateWindow> window = m_checker->window();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), u"Spinledger - Update"_s);
        QCOMPARE(window->statusText(), u"A new version is available! Download and Update now?"_s);
        auto* grid = window->findChild<QTableWidget*>("MSFlexGrid1");
        QStringList shown;
        for (int row = 0; row < grid->rowCount(); ++row)
            shown << grid->item(row, 1)->text();
        const QString version = QString::fromUtf8(answer.split('|').at(5));
        QCOMPARE(shown, QStringList({"Spinledger", version, "SpinledgerSetup.exe", "1,5 Mb", "30.11.2026"}));
        // Texts of the server never turn into markup.
        for (const QLabel* label : window->findChildren<QLabel*>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        // Only its buttons close it.
        QVERIFY(!(window->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(m_main->isEnabled(), mainEnabled);
        QTest::mouseClick(window->findChild<QWidget*>("btnCancel"), Qt::LeftButton);
        QVERIFY(!m_checker->window() || !m_checker->window()->isVisible());
        QVERIFY(m_main->isEnabled());
        QVERIFY(m_platform.questions.isEmpty());
    }

    void answersWithoutOfferGiveTheWindowBack_data()
    {
        QTest::addColumn<CannedResponse>("response");
        QTest::addColumn<bool>("allowLocalHttp");
        QTest::addColumn<QString>("status");
        const auto row = [](const QString& name, const CannedResponse& response, const QString& status,
                            bool allowLocalHttp = true) {
            QTest::newRow(qPrintable(name)) << response << allowLocalHttp << status;
        };
        const auto answer = [&](const QString& name, const QByteArray& body, const QString& status) {
            row(name, CannedResponse{.body = body}, status);
        };
        answer("short body", "a|1|https://x.example/a|2026-01-01|App|1.2.0", updatetexts::Incomplete());
        answer("empty body", "", updatetexts::Incomplete());
        // The error stays visible even without a message.
        answer("empty version", body({.version = ""}), errorLine(codes::AppUpdate));
        answer("empty version, message", body({.version = "", .message = "Maintenance"}), u"Maintenance"_s);
        for (const char* size : {"big", "0", "-5", "+5", "1.5", "1e3", "100000000000000000", "4294967297"})
            answer(u"size %1"_s.arg(size), body({.size = size}), updatetexts::BadFileSize());
        answer("date", body({.date = "someday"}), updatetexts::BadReleaseDate());
        // The installation's own files; the program's name is this test's.
        for (const char* name : {"../s.exe", "Spinledger.MDB", "TEST_UPDATE"})
            answer(u"file name '%1'"_s.arg(name), body({.fileName = name}), updatetexts::BadFileName());
        for (const char* url :
             {"http://x.example/s.exe", "ftp://x.example/s.exe", "file:///tmp/s.exe", "s.exe"})
            answer(url, body({.url = url}), updatetexts::InsecureUrl());
        answer("checksum of 63 digits", body({.sha = Sha2048i.left(63)}), updatetexts::BadChecksum());
        answer("checksum not hex", body({.sha = QByteArray(64, 'g')}), updatetexts::BadChecksum());
        answer("field of 1001", body({.version = "1.1.0", .message = QByteArray(1001, 'm')}),
               updatetexts::TooLong());
        answer("field of 1000", body({.version = "1.1.0", .message = QByteArray(1000, 'm')}),
               updatetexts::NoUpdate());
        const QByteArray equal = body({.version = "1.1.0"});
        answer("over 64 KiB", equal + "|" + QByteArray("|x").repeated(40000), updatetexts::TooLong());
        // Refused from the header alone: nothing of the body ever comes.
        row("announces over 64 KiB", {.claimedLength = 100 << 20, .keepOpen = true}, updatetexts::TooLong());
        row("truncated", {.body = equal, .claimedLength = 300}, updatetexts::Incomplete());
        row("hang-up", {.hangUp = true}, updatetexts::Unreachable());
        row("silent", {.silent = true}, updatetexts::TimedOut());
        // Each byte comes well within the stall time, the whole far later than the check may take.
        row("dripping", {.body = equal, .dripMs = 200}, updatetexts::TimedOut());
        row("plain http", {.body = equal}, updatetexts::InsecureService(), false);
        row("error status", {.status = 500, .body = body({})}, errorLine(codes::AppUpdate));
    }

    void answersWithoutOfferGiveTheWindowBack()
    {
        QFETCH(CannedResponse, response);
        QFETCH(bool, allowLocalHttp);
        QFETCH(QString, status);
        UpdateChecker checker(host(), connection(allowLocalHttp));
        // An earlier answer in the same run does not matter.
        m_server->respond(ServicePath, {.body = body({.version = "1.1.0"})});
        runCheck(checker);
        m_server->respond(ServicePath, response);
        QList<bool> enabled; // the main window's, while the service is asked
        connect(m_server.get(), &LocalHttpServer::requestReceived, this,
                [&] { enabled << m_main->isEnabled(); });
        m_status.texts.clear();
        runCheck(checker);
        QCOMPARE(m_status.texts, QStringList({"Check for updates..", status}));
        QVERIFY(!enabled.contains(true) && enabled.isEmpty() != allowLocalHttp);
        QVERIFY(m_main->isEnabled());
        QVERIFY(!checker.window());
        QVERIFY(!QApplication::activeModalWidget());
        const QByteArray request = m_server->lastRequest();
        QVERIFY(!allowLocalHttp ||
                (request.startsWith("GET /app/sc/getUserAppInfo.asp?tbl=AppCheckUpdate HTTP/1.1\r\n") &&
                 request.toLower().contains("\r\ncontent-type: application/x-www-form-urlencoded")));
    }

    void cancelRunningCheck_data()
    {
        QTest::addColumn<bool>("byEsc");
        QTest::newRow("Esc") << true;
        QTest::newRow("Cancel button") << false;
    }

    void cancelRunningCheck()
    {
        QFETCH(bool, byEsc);
        m_server->respond(ServicePath, CannedResponse{.silent = true});
        QSignalSpy over(m_checker.get(), &UpdateChecker::finished);
        m_checker->CheckForUpdate();
        // Before any answer the progress window takes keys and clicks, the main window none.
        QVERIFY(m_checker->isRunning() && !m_main->isEnabled());
        QCOMPARE(m_status.last(), updatetexts::Checking());
        QWidget* progress = QApplication::activeModalWidget();
        QVERIFY(progress && progress->objectName() == "dlgCheckUpdate");
        QTRY_COMPARE(m_server->requestCount(), 1);
        if (byEsc)
            QTest::keyClick(progress, Qt::Key_Escape);
        else
            QTest::mouseClick(progress->findChild<QPushButton*>("btnCancelCheck"), Qt::LeftButton);
        QVERIFY(over.wait(10000));
        QCOMPARE(m_status.last(), updatetexts::CheckCancelled());
        QVERIFY(m_main->isEnabled());
        QVERIFY(!m_checker->window());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void installerNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        const auto rows = [](const QStringList& names, bool accepted) {
            for (const QString& name : names)
                QTest::newRow(qPrintable(u'\'' + name + u'\'')) << name << accepted;
        };
        rows({"SpinledgerSetup.exe", "spinledger-1.2.0-setup.sh", "Spinledger.mdb.new", "Setup (x64).exe",
              "Über.exe", "com0.exe", "com10.exe", QString(196, 'a') + ".exe"},
             true);
        // Paths, hidden files, what Windows cannot store or would store under another name, and names
        // over 200 bytes (in 201 and in 103 characters).
        rows({"", ".", "..", ".hidden", "../s.exe", "sub/s.exe", "..\\s.exe", "C:s.exe", "s*.exe", "s?.exe",
              "a\tb.exe", "a\x7f.exe", "setup.exe.", "setup.exe ", QString(197, 'a') + ".exe",
              QString(99, QChar(0xe9)) + ".exe"},
             false);
        rows({"SPINLEDGER", "spinledger.mdb", "Spinledger.mdb-WAL", "Spinledger.mdb-shm",
              "Spinledger.mdb-journal", "Spinledger-CLI", "XCACLS.SH", "dblog.TXT", "Images"},
             false);
        // The template a new player's database is made from, and the marker of an installation.
        rows({"Spinledger.template.mdb", "spinledger.TEMPLATE.mdb", "spinledger.mode"}, false);
        // Whatever else the install rules lay in the folder.
        rows(installationFolderNames(), false);
        rows({"con", "PRN", "aux.log", "NUL.txt", "nul.tar.gz", "com1", "COM9.exe", "Lpt1", "lpt9.txt"},
             false);
    }

    void installerNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        QCOMPARE(InstallerName::isAcceptable(name, u"Spinledger"_s), accepted);
    }

    void longFieldsFitTheScreen()
    {
        check(
            body(
                {.version = QByteArray(1000, '9'), .fileName = QByteArray(196, 'n') + ".exe", .size = "1024"})
                .replace("|Spinledger|", '|' + QByteArray(1000, 'A') + '|'));
        UpdateWindow* window = m_checker->window();
        QVERIFY(window);
        window->setStatus(QString(1000, 'S'));
        QCoreApplication::processEvents(); // the layout settles
        const QRect screen = m_main->screen()->availableGeometry();
        QVERIFY2(window->frameGeometry().width() <= screen.width(),
                 qPrintable(QString::number(window->width())));
        auto* cancel = window->findChild<QWidget*>("btnCancel");
        QVERIFY(window->rect().contains(QRect(cancel->mapTo(window, QPoint(0, 0)), cancel->size())));
    }

    void offerTexts()
    {
        // size, date, locale, text
        const char* const table[][4] = {
            {"1572864", "", "C", "1.5 Mb"},
            {"131072", "", "C", "0.12 Mb"}, // 0.125, half down to even
            {"393216", "", "C", "0.38 Mb"}, // 0.375, half up to even
            {"4294967296", "", "en_US", "4096 Mb"},
            {"", "2026-11-30 00:00:00", "de_DE", "30.11.2026"}, // midnight written out
            {"", "2026-11-30T14:05:09", "de_DE", "30.11.2026 14:05:09"},
            {"", "11/30/2026 2:05:09 PM", "en_US", "11/30/2026 2:05:09 PM"}, // the US server form
        };
        for (const auto& [size, date, locale, text] : table) {
            UpdateOffer offer;
            offer.fileSize = QString::fromLatin1(size);
            offer.releaseDate = QString::fromLatin1(date);
            const QLocale l(QString::fromLatin1(locale));
            QCOMPARE(*size ? offer.fileSizeText(l) : offer.releaseDateText(l), QString::fromLatin1(text));
        }
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

        QCOMPARE(download(m_server->url("/setup.exe"), m_window->installerPath()), true);
        QCOMPARE(readFile(m_window->installerPath()), pattern(size));
        QVERIFY(m_server->lastRequest().contains("\r\nRange: bytes=0-"));
        QCOMPARE(m_statuses.first(), u"Downloading.."_s);
        QCOMPARE(m_statuses.last(), u"Idle"_s);
        QCOMPARE(m_statuses.at(m_statuses.size() - 2), u"Downloading..100%"_s);
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
                            const QString& url = u"/setup.exe"_s) {
            QTest::newRow(name) << url << response << offered << sha << allowLocalHttp << text;
        };
        const QByteArray body = pattern(2048);
        row("plain http elsewhere", {.body = body}, updatetexts::InsecureUrl(), 2048, {}, true,
            "http://www.spinledger.example/s.exe");
        row("plain http here, by default", {.body = body}, updatetexts::InsecureUrl(), 2048, {}, false);
        row("not found", {.status = 404, .body = body}, updatetexts::downloadStatus(404));
        row("truncated", {.body = body, .sendBytes = 1000}, updatetexts::downloadShort(1000, 2048));
        row("stalled", {.body = body, .sendBytes = 1000, .keepOpen = true}, updatetexts::DownloadTimedOut());
        row("smaller than offered", {.body = body}, updatetexts::downloadSizeDiffers(2048, 3000), 3000);
        // Refused on the header, and on the byte past the offer, while the server keeps the line open.
        row("announces more than offered", {.claimedLength = 64 << 20, .keepOpen = true},
            updatetexts::downloadSizeDiffers(64 << 20, 2048));
        row("sends more than offered", {.body = pattern(8192), .sendLength = false, .keepOpen = true},
            updatetexts::downloadTooLong(2048));
        row("redirect to plain http", {.status = 302, .location = "http://www.spinledger.example/s.exe"},
            updatetexts::DownloadRedirect());
        row("checksum differs", {.body = body}, updatetexts::ChecksumMismatch(), 2048, QByteArray(64, '0'));
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
        QCOMPARE(readFile(m_window->installerPath()), old);
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
        QCOMPARE(download(m_server->url("/setup.exe"), outside), false);
        QVERIFY(!QFile::exists(outside));
        QCOMPARE(m_window->statusText(), updatetexts::OutsideFolder());
        QCOMPARE(download(m_server->url("/setup.exe"), m_folder->filePath("sub/../../x.exe")), false);
        QCOMPARE(m_server->requestCount(), 0);
    }

    void installAnswers_data()
    {
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<bool>("startWorks");
        QTest::addColumn<int>("ended");
        QTest::addColumn<bool>("windowOpen");
        QTest::newRow("No keeps file and program") << false << true << 0 << false;
        QTest::newRow("Yes starts the installer") << true << true << 1 << false;
        QTest::newRow("installer does not start") << true << false << 0 << true;
    }

    void installAnswers()
    {
        QFETCH(bool, answerYes);
        QFETCH(bool, startWorks);
        QFETCH(int, ended);
        QFETCH(bool, windowOpen);
        // From the check on, the checksum given in capitals.
        serve(CannedResponse{.body = QByteArray(2048, 'i')});
        const QByteArray url = m_server->url("/setup.exe").toEncoded();
        check(body({.url = url, .size = "2048", .sha = Sha2048i.toUpper()}));
        m_window = m_checker->window();
        QVERIFY(m_window);
        m_platform.answerYes = answerYes;
        m_platform.startWorks = startWorks;
        clickUpdate();

        const QString installer = QFileInfo(m_folder->filePath("SpinledgerSetup.exe")).absoluteFilePath();
        QCOMPARE(m_platform.questions,
                 QStringList({"Update|Spinledger will now close.\r\n\r\nContinue Update?"}));
        QCOMPARE(readFile(installer), QByteArray(2048, 'i'));
        QCOMPARE(m_platform.started, answerYes ? QStringList{installer} : QStringList{});
#ifdef Q_OS_UNIX
        QCOMPARE(QFileInfo(installer).isExecutable(), answerYes);
#endif
        QCOMPARE(m_platform.ended, ended);
        QCOMPARE(m_window && m_window->isVisible(), windowOpen);
        if (windowOpen)
            QCOMPARE(m_window->statusText(), updatetexts::StartFailed());
        QCOMPARE(m_main->isVisible(), ended == 0); // the program ends with its main window
        QCOMPARE(m_main->isEnabled(), !windowOpen);
    }

    void cancelDuringDownload()
    {
        // Half the file arrives, then the server holds the connection open.
        serve(CannedResponse{.body = pattern(4096), .sendBytes = 2048, .keepOpen = true});
        openWindow(4096, m_server->url("/setup.exe").toString());
        QTest::mouseClick(m_window->findChild<QPushButton*>("btnUpdate"), Qt::LeftButton);
        // The window takes clicks while the installer arrives.
        QVERIFY(m_window->isDownloading());
        QTRY_VERIFY(m_statuses.contains(u"Downloading..50%"_s));
        QTest::mouseClick(m_window->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);

        QCOMPARE(m_statuses.last(), updatetexts::DownloadCancelled());
        QVERIFY(m_main->isEnabled());
        QVERIFY(!m_window || !m_window->isVisible());
        QVERIFY(QDir(m_folder->path()).entryList(QDir::Files).isEmpty());
        QVERIFY(m_platform.questions.isEmpty());
    }

    // An installed program is updated by the package manager: the package is saved in
    // the download folder, checked, never started; the window says how to install it.
    void installedProgramOnlyDownloads_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("command"); // empty: the bytes differ from the checksum, refused
        QTest::newRow("checksum differs") << u"spinledger.deb"_s << u""_s;
        QTest::newRow("plain") << u"spinledger_1.2.0_amd64.deb"_s
                               << u"sudo apt install ./spinledger_1.2.0_amd64.deb"_s;
        QTest::newRow("blank") << u"Spinledger (new).deb"_s << u"sudo apt install ./'Spinledger (new).deb'"_s;
        QTest::newRow("quote") << u"it's.deb"_s << u"sudo apt install ./'it'\\''s.deb'"_s;
    }

    void installedProgramOnlyDownloads()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, command);
        serve(CannedResponse{.body = QByteArray(2048, command.isEmpty() ? 'j' : 'i')});
        UpdateHost installed = host();
        installed.installed = true;
        installed.downloadFolder = m_folder->filePath("Downloads"); // made when missing
        openWindow(2048, m_server->url("/setup.exe").toString(), Sha2048i, true, fileName, installed);
        clickUpdate();

        QVERIFY(m_platform.questions.isEmpty() && m_platform.started.isEmpty() && m_platform.ended == 0);
        const auto* advice = m_window->findChild<QLabel*>("lblInstallAdvice");
        if (command.isEmpty()) {
            QCOMPARE(m_window->statusText(), updatetexts::ChecksumMismatch());
            QCOMPARE(QDir(installed.downloadFolder).entryList(QDir::Files), QStringList());
            QVERIFY(!advice->isVisible());
            return;
        }
        QCOMPARE(readFile(QDir(installed.downloadFolder).filePath(fileName)), QByteArray(2048, 'i'));
        QCOMPARE(QDir(m_folder->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{"Downloads"});
        QVERIFY(advice->isVisible());
        QVERIFY2(advice->text().contains(installed.downloadFolder) && advice->text().endsWith(command),
                 qPrintable(advice->text()));
        auto* open = m_window->findChild<QPushButton*>("btnOpenFolder");
        QVERIFY(open->isVisible());
        open->click();
        QCOMPARE(m_platform.opened, QStringList{installed.downloadFolder});
        QVERIFY(m_window->isVisible() && !m_main->isEnabled());
        m_window->findChild<QPushButton*>("btnCancel")->click();
        QVERIFY(m_main->isEnabled());
    }
};

QTEST_MAIN(TestUpdate)
#include "test_update.moc"
