#pragma once

#include "SetUp.h"
#include "location/DataLocation.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "shell/StartupServices.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Schema.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <memory>

namespace spinledger::test {

using namespace Qt::StringLiterals;

// An installation folder in a temporary directory with the required files, a
// fresh database, and start-up services that record what the start-up asked
// of the machine instead of doing it.
class ShellFixture
{
public:
    ShellFixture()
    {
        setUp(dir.isValid() && QDir(dir.path()).mkpath(u"images"_s), "no installation folder");
        for (const char* file :
             {"images/ka.cart.gif", "images/wheelanim.gif", "images/app.title.gif", "xcacls.sh"}) {
            QFile f(dir.filePath(QString::fromLatin1(file)));
            setUp(f.open(QIODevice::WriteOnly), "a file of the installation cannot be written");
        }
        Database maker;
        setUp(maker.open(dir.filePath(AppContext::DatabaseFile), AppContext::DatabasePassword,
                         Database::Mode::Create),
              "the database cannot be made");
        Schema::create(maker);

        services.installationId = [this] { return identifier; };
        services.startElevated = [this](const QString& program, const QStringList& arguments) {
            elevations << (QStringList{program} + arguments);
            if (repair)
                repair();
            return true;
        };
        // Each wait ends at the event loop's next turn, as a timer would.
        services.wait = [this](int ms, QObject* context, std::function<void()> then) {
            waits << ms;
            waitTexts << app->splash().statusText();
            QMetaObject::invokeMethod(context, std::move(then), Qt::QueuedConnection);
        };
        services.askPassphrase = [this](int attempt, int tries) -> std::optional<QString> {
            passphraseAsked << u"%1/%2"_s.arg(attempt).arg(tries);
            return answers.isEmpty() ? std::nullopt : std::optional<QString>(answers.takeFirst());
        };
        services.inform = [this](const QString& title, const QString& text) { informed << title << text; };
        services.confirm = [this](const QString& title, const QString& text) {
            asked << title << text;
            return answer;
        };
        services.askContinueSession = [this](const QString& time) {
            sessionQuestions << time;
            return continueSession;
        };
        services.userName = u"player1"_s;
        services.lockPath = dir.filePath(u"instance.lock"_s);
        services.program = u"/installed/spinledger"_s;
        services.programOf = [this](qint64) { return lockHolder; };
    }

    Application::Outcome start() { return startUp(std::make_unique<Application>(dir.path(), services)); }

    // An installed program's start, in that location's folders.
    Application::Outcome start(const DataLocation& location)
    {
        QDir().mkpath(location.folders().runtime);
        services.lockPath = location.lockPath();
        return startUp(std::make_unique<Application>(location, services));
    }

    // How the start-up ended; NotOver when it did not end in time.
    static constexpr auto NotOver = Application::Outcome(-1);
    Application::Outcome startUp(std::unique_ptr<Application> started)
    {
        app = std::move(started);
        QSignalSpy over(app.get(), &Application::started);
        app->start();
        if (over.isEmpty() && !over.wait(30000))
            return NotOver;
        return over.first().first().value<Application::Outcome>();
    }

    MainWindow* main() { return app->mainWindow(); }

    qint64 rows(const char* table)
    {
        app->context().ensureOpen();
        Statement q = app->context().db().prepare(std::string("SELECT COUNT(*) FROM ") + table);
        return q.next() ? q.integer(0) : -1;
    }

    QTemporaryDir dir;
    StartupServices services;
    QString identifier = u"machine-under-test"_s;
    QString lockHolder = u"/installed/spinledger"_s; // the program a lock's process runs
    std::function<void()> repair;
    QList<QStringList> elevations;
    QList<int> waits;
    QStringList waitTexts;       // the splash's status during each wait
    QStringList answers;         // the passphrases typed, one per question
    QStringList passphraseAsked; // "attempt/tries" of each question
    QStringList informed;
    QStringList asked; // the questions' titles and texts
    bool answer = false;
    QStringList sessionQuestions; // the times "Continue the session of …?" named
    bool continueSession = true;
    std::unique_ptr<Application> app;
};

} // namespace spinledger::test
