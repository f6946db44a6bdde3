#pragma once

#include "engine/SpinEngine.h"
#include "location/DataLocation.h"
#include "shell/SplashWindow.h"
#include "shell/StartupServices.h"
#include "store/AppContext.h"
#include "store/Clock.h"
#include "store/Database.h"

#include <QObject>

#include <memory>

namespace spinledger {

class MainWindow;

// The running program: its connection and process-wide values, the engines of
// both wheels, the splash window that starts it and the main window it hands
// over to.
class Application : public QObject
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Running, // the main window is shown
        Stopped, // the splash shows why; Esc ends the program
        Ended,   // nothing more to do
    };
    Q_ENUM(Outcome)

    Application(const DataLocation& location, StartupServices services);
    // A portable folder, as the tests make them.
    Application(const QString& appFolder, StartupServices services);
    ~Application() override;

    // Runs the start-up; started tells how it ended.
    void start();

    AppContext& context() { return m_app; }
    const DataLocation& location() const { return m_location; }
    SplashWindow& splash() { return *m_splash; }
    MainWindow* mainWindow() { return m_main.get(); }

signals:
    // The start-up is over; emitted before start returns when it ends at once
    // (a second instance).
    void started(Application::Outcome outcome);
    // Esc on a stopped start-up, or the main window was closed.
    void exitRequested();

private:
    void handOver(SplashWindow::Outcome outcome);
    void showMainWindow();

    DataLocation m_location;
    Database m_db;
    SystemClock m_clock;
    SystemRandom m_random;
    AppContext m_app;
    SpinEngines m_engines;
    StartupServices m_services;
    std::unique_ptr<SplashWindow> m_splash;
    std::unique_ptr<MainWindow> m_main;
};

} // namespace spinledger
