#pragma once

#include "backup/BackupFolder.h"
#include "location/DataLocation.h"
#include "ui/StatusSink.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QLabel;
class QTabWidget;
class QUrl;

namespace spinledger {

class AppContext;
class BackgroundJob;
class BackupGuard;
class BoardWidget;
class CasinoPanel;
class PassphrasePanel;
class SidePanelAnimation;
class SpinEngines;
class StatisticsTab;
class SpinTransfer;
class StatusLine;
class UpdateChecker;
class UpdatePlatform;
class Wheel;

// The main window: the boards of both wheels, the Settings and the
// Statistics tab, the menu, the side panel with the application's
// information and the status bar that every operation reports to. Its
// controls keep the object names that tests and stored layouts find them by.
class MainWindow : public QMainWindow, public StatusSink
{
    Q_OBJECT
public:
    // Widths of the window with the side panel hidden and shown, and its
    // height, in twips.
    static constexpr int ClosedWidthTwips = 10425;
    static constexpr int OpenedWidthTwips = 13775;
    static constexpr int HeightTwips = 7460;

    using UrlOpenFn = std::function<bool(const QUrl&)>;
    // Asks which backup to restore; empty when the player cancels.
    using BackupChooser = std::function<QString(QWidget*, const std::vector<BackupFolder::Entry>&)>;

    MainWindow(AppContext& app, SpinEngines& engines, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Everything the window shows, read from the database in its fixed order.
    void load();
    // Shows again what the store holds after it changed behind the window's
    // back (a restore, an import, a casino changed elsewhere): the casino
    // list, each wheel's casino, switches and amount, both boards drawn anew,
    // and the statistics.
    void showStored();

    void setStatus(const QString& text, bool busy = false) override;
    QString statusText() const;

    BoardWidget* board(const Wheel& wheel) const;
    CasinoPanel* casinoPanel() const { return m_casinos; }
    StatisticsTab* statistics() const { return m_statistics; }
    SpinTransfer* spinTransfer() const { return m_transfer; }
    SidePanelAnimation* sidePanel() const { return m_sidePanel; }

    PassphrasePanel* passphrasePanel() const { return m_passphrase; }

    void setUrlOpener(UrlOpenFn open) { m_openUrl = std::move(open); }
    // Where the program keeps its files: an installed one downloads updates
    // into the user's download folder and never starts them.
    void setDataLocation(const DataLocation& location) { m_location = location; }
    // Asks whether to go on with the session of the given time ("18:05");
    // true for Yes. Tests put in their own instead of a message box.
    using SessionQuestionFn = std::function<bool(const QString&)>;
    void setSessionQuestion(SessionQuestionFn ask) { m_askContinue = std::move(ask); }
    void setUpdatePlatform(UpdatePlatform* platform) { m_updatePlatform = platform; }
    void setBackupChooser(BackupChooser choose) { m_chooseBackup = std::move(choose); }
    BackupGuard* backups() const { return m_backups; }

    // The check of a file too large to check before the window showed, on
    // a connection and thread of its own; writes are refused until it passed.
    void checkFileInBackground();

    // "Restore from backup…": the chosen backup replaces the database file,
    // and the window shows what it holds.
    void restoreFromBackup();

    // "&About" and "Close": open or close the side panel.
    void toggleSidePanel();
    // "&Check for update" and "Check for update".
    void checkForUpdate();

signals:
    // The window was closed; the program ends with it.
    void closed();
    // The check beside the window is done: writes are allowed when sound.
    void fileChecked(bool sound);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void buildViewMenu();
    // Continues today's sessions when the player wants, or begins new ones.
    void startSessions();
    BoardWidget* currentBoard() const;
    void buildTabs();
    void buildSidePanel();
    void placeAndSize();
    // The tabs fill the window but for the side panel's share; the panel
    // stands right of them.
    void layOut();
    // Sizes of the tab control around a board page of the given size.
    QSize tabsAround(QSize page) const;
    int tabsFrame() const; // both sides
    void showAppInfo();
    void openVideos();
    void showKeys();
    void openHomePage();
    // Reopens the database and shows everything from it again.
    void reloadFromStore();
    void showCheck(bool sound, const QString& problem);

    AppContext& m_app;
    SpinEngines& m_engines;
    std::unique_ptr<StatusLine> m_status;
    QTabWidget* m_tabs = nullptr;
    BoardWidget* m_boardR = nullptr;
    BoardWidget* m_boardM = nullptr;
    CasinoPanel* m_casinos = nullptr;
    PassphrasePanel* m_passphrase = nullptr;
    StatisticsTab* m_statistics = nullptr;
    SpinTransfer* m_transfer = nullptr;
    SidePanelAnimation* m_sidePanel = nullptr;
    // The side panel: the cart picture above the "App Info" frame.
    QLabel* m_cart = nullptr;
    QWidget* m_appInfo = nullptr;
    QLabel* m_appTitle = nullptr;
    QLabel* m_appVersion = nullptr;
    QLabel* m_legalNotice = nullptr;
    QWidget* m_keysHelp = nullptr;
    UrlOpenFn m_openUrl;
    DataLocation m_location{DataLocation::Folders{}};
    SessionQuestionFn m_askContinue;
    class LimitsPanel* m_limits = nullptr;
    UpdatePlatform* m_updatePlatform = nullptr;
    std::shared_ptr<UpdatePlatform> m_systemUpdatePlatform; // shared: deleted where only declared
    UpdateChecker* m_updateChecker = nullptr;
    BackupGuard* m_backups = nullptr;
    BackgroundJob* m_fileCheck = nullptr;
    int m_checks = 0; // the latest check of the file; a result of an earlier one is dropped
    BackupChooser m_chooseBackup;
};

} // namespace spinledger
