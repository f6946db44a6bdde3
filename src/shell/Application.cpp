#include "shell/Application.h"

#include "shell/AppInfo.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"

namespace spinledger {

Application::Application(const QString& appFolder, StartupServices services)
    : Application(DataLocation(DataLocation::Folders{appFolder, {}, {}, {}}), std::move(services))
{
}

Application::Application(const DataLocation& location, StartupServices services)
    : m_location(location), m_app(m_db, m_clock, m_random), m_engines(m_app), m_services(std::move(services)),
      m_splash(std::make_unique<SplashWindow>())
{
    m_app.setAppFolder(location.programFolder());
    m_app.connString = location.databasePath();
    m_app.appVersion = AppInfo::version();
    connect(m_splash.get(), &SplashWindow::exitRequested, this, &Application::exitRequested);
    connect(m_splash.get(), &SplashWindow::finished, this, &Application::handOver);
}

Application::~Application()
{
    // The windows go before the connection and engines they use.
    m_main.reset();
    m_splash.reset();
}

void Application::start()
{
    m_splash->start(m_app, m_location, m_services);
}

void Application::handOver(SplashWindow::Outcome outcome)
{
    if (outcome != SplashWindow::Outcome::Ready) {
        emit started(outcome == SplashWindow::Outcome::Ended ? Outcome::Ended : Outcome::Stopped);
        return;
    }
    try {
        showMainWindow();
    } catch (const std::exception& e) {
        m_main.reset();
        m_splash->stop(QString::fromUtf8(e.what()));
        emit started(Outcome::Stopped);
        return;
    }
    emit started(Outcome::Running);
}

void Application::showMainWindow()
{
    m_main = std::make_unique<MainWindow>(m_app, m_engines);
    m_main->setDataLocation(m_location);
    connect(m_main.get(), &MainWindow::closed, this, &Application::exitRequested);
    if (m_services.askContinueSession)
        m_main->setSessionQuestion(m_services.askContinueSession);
    m_main->load();
    m_main->show();
    m_splash->hide();
    m_main->checkFileInBackground();
}

} // namespace spinledger
