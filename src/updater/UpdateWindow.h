#pragma once

#include "ui/StatusSink.h"
#include "updater/UpdateConnection.h"
#include "updater/UpdateHost.h"
#include "updater/UpdateOffer.h"

#include <QPointer>
#include <QWidget>

class QNetworkAccessManager;
class QLabel;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTableWidget;

namespace spinledger {

class ElidedLabel;
class InstallerDownload;

// The update window (objectName "frmUpdate"): shows the offer, downloads the
// installer into the application folder and starts it once the user agrees.
// An installed program saves the package in the user's download folder
// instead, never starts it, and says how the package manager installs it.
// It ends only through its Update or Cancel button; the main window stays
// disabled until then.
class UpdateWindow : public QWidget, public StatusSink
{
    Q_OBJECT
public:
    UpdateWindow(const UpdateOffer& offer, const UpdateHost& host, const UpdateConnection& connection,
                 QWidget* parent = nullptr);
    ~UpdateWindow() override;

    // The own status bar's first panel.
    void setStatus(const QString& text, bool busy = false) override;
    QString statusText() const;

    // Where the installer is saved: the application folder (the download
    // folder when installed) and the file name of the offer; empty when that
    // name is not acceptable.
    QString installerPath() const;

    // Begins the download of url into localPath, which must lie in the
    // application folder; downloadFinished tells whether the whole file
    // arrived (at once when the download cannot begin).
    void DownloadFile(const QUrl& url, const QString& localPath);
    bool isDownloading() const { return !m_download.isNull(); }
    // Asks, then starts the installer and ends the application.
    void InstallUpdate();
    // Without a system menu: the close button hint goes, and close requests
    // that do not come from the buttons are refused.
    void EnableCloseButton(bool enable);
    // After an installed program's download: how to install the package, and
    // the button that opens its folder.
    void showInstallAdvice();
    void openDownloadFolder();
    // "sudo apt install ./FILE", the name quoted for the shell where needed.
    static QString aptCommand(const QString& fileName);

signals:
    void statusChanged(const QString& text);
    void downloadFinished(bool complete);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void fillGrid();
    void shadeLabelColumn();
    void sizeColumns();
    int widestGrid() const;
    void onUpdateClicked();
    void onCancelClicked();
    void showProgress(int percent);
    void downloadEnded(const QString& failure);
    void closeThroughButton();
    void giveMainWindowBack();

    UpdateOffer m_offer;
    UpdateHost m_host;
    UpdateConnection m_connection;
    QNetworkAccessManager* m_network;
    QTableWidget* m_grid = nullptr;
    QPushButton* m_update = nullptr;
    QPushButton* m_cancel = nullptr;
    QStatusBar* m_statusBar = nullptr;
    ElidedLabel* m_statusPanel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_advice = nullptr;
    QPushButton* m_openFolder = nullptr;
    QPointer<InstallerDownload> m_download;
    bool m_closeEnabled = true;
    bool m_closingThroughButton = false;
};

} // namespace spinledger
