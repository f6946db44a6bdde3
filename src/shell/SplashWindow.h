#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QLockFile;

namespace spinledger {

class AppContext;
class DataLocation;
class StatusLine;
struct StartupServices;

// The start-up window (frmSplash): refuses a second instance, checks the
// installation folder, repairs its permissions when needed, prepares the
// database and reports every step in its status bar. A stopped start-up stays
// on screen until the user presses Esc.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Outcome
    {
        Ready,   // the main window may be shown
        Stopped, // an "Unable to continue!" line is shown; Esc ends the program
        Ended,   // the process ends now (second instance, no permission)
    };
    Q_ENUM(Outcome)

    static inline const QString WriteTestFile = QStringLiteral("dblog.txt");
    static inline const QString PermissionScript = QStringLiteral("/xcacls.sh");
    static constexpr int LoadingWaitMs = 1000;
    static constexpr int PermissionWaitMs = 6000;
    static constexpr int ReadyWaitMs = 600;
    // Long enough to read that the spins were copied.
    static constexpr int MovedOverWaitMs = 3000;
    static constexpr int PassphraseTries = 3;

    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

    // Begins steps 1 to 11 of the start-up; finished tells how they ended.
    // The application folder and the database are already set in the
    // context; all three must outlive the start-up. An installed program only
    // reads its folder: instead of the write test it gives the user a
    // database of their own when they have none yet.
    void start(AppContext& app, const DataLocation& location, const StartupServices& services);
    // Ends a start-up with a run-time error.
    void stop(const QString& description);

    static QStringList requiredFiles(bool installed = false);
    QString statusText() const;

signals:
    void exitRequested();
    // The start-up is over; emitted at once when a second instance ends it.
    void finished(SplashWindow::Outcome outcome);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Closing a stopped start-up's window ends the program like Esc.
    void closeEvent(QCloseEvent* event) override;

private:
    // The steps between the waits; each one hands over to the next or
    // finishes the start-up.
    void checkInstallation();
    void afterRepair();
    void openDatabase();
    void finish(Outcome outcome);
    void wait(int ms, std::function<void()> then);

    void buildLayout();
    void showIdentification(const QString& appFolder);
    bool claimSingleInstance(const StartupServices& services);
    // Why the lock could not be taken, when it was not a second start.
    QString foreignLockText(const StartupServices& services) const;
    bool requiredFilesPresent(const QString& appFolder, bool installed);
    bool folderWritable(const QString& appFolder);
    void repairPermissions();
    void provideUserDatabase();
    // Opens a database protected by a passphrase, asking for it; false after
    // the last wrong try, with nothing written.
    bool unlock(AppContext& app, const StartupServices& services);
    void setStatus(const QString& text);
    // Step 10: the database's preparation, with the offer of the newest
    // backup when the file is damaged.
    bool prepareDatabase(AppContext& app, const StartupServices& services, bool offerBackup = true);
    bool offerRestore(AppContext& app, const StartupServices& services);

    AppContext* m_app = nullptr;
    const DataLocation* m_location = nullptr;
    const StartupServices* m_services = nullptr;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<StatusLine> m_status;
    QLabel* m_title = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_legal = nullptr;
    QWidget* m_company = nullptr;
    QLabel* m_titleImage = nullptr;
    QLabel* m_wheelImage = nullptr;
};

} // namespace spinledger
