#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QLockFile;

namespace spinledger {

class AppContext;
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

    static inline const QString WriteTestFile = QStringLiteral("dblog.txt");
    static inline const QString PermissionScript = QStringLiteral("/xcacls.sh");
    static constexpr int LoadingWaitMs = 1000;
    static constexpr int PermissionWaitMs = 6000;
    static constexpr int ReadyWaitMs = 600;

    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

    // Steps 1 to 11 of the start-up; the application folder is already set in
    // the context.
    Outcome run(AppContext& app, const StartupServices& services);
    // Ends a start-up with a run-time error.
    void stop(const QString& description);

    static QStringList requiredFiles();
    QString statusText() const;

signals:
    void exitRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // Closing a stopped start-up's window ends the program like Esc.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void showIdentification(const QString& appFolder);
    bool claimSingleInstance(const StartupServices& services);
    // Why the lock could not be taken, when it was not a second start.
    QString foreignLockText(const StartupServices& services) const;
    bool requiredFilesPresent(const QString& appFolder);
    bool folderWritable(const QString& appFolder);
    bool repairPermissions(const QString& appFolder, const StartupServices& services);
    void setStatus(const QString& text);
    // Step 10: the database's preparation, with the offer of the newest
    // backup when the file is damaged.
    bool prepareDatabase(AppContext& app, const StartupServices& services, bool offerBackup = true);
    bool offerRestore(AppContext& app, const StartupServices& services);

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
