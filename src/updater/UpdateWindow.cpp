#include "updater/UpdateWindow.h"

#include "store/ErrorCodes.h"
#include "ui/ElidedLabel.h"
#include "ui/Twips.h"
#include "updater/InstallerDownload.h"
#include "updater/InstallerName.h"
#include "updater/UpdateIcon.h"
#include "updater/UpdatePlatform.h"
#include "updater/UpdateTexts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace spinledger {

namespace {

constexpr int GridRows = 5;
constexpr int LabelColumnTwips = 1260;
constexpr int ValueColumnTwips = 5000;

} // namespace

UpdateWindow::UpdateWindow(const UpdateOffer& offer, const UpdateHost& host,
                           const UpdateConnection& connection, QWidget* parent)
    : QWidget(parent, Qt::Window), m_offer(offer), m_host(host), m_connection(connection),
      m_network(new QNetworkAccessManager(this))
{
    setObjectName(QStringLiteral("frmUpdate"));
    m_host.mainWindow->setEnabled(false);
    EnableCloseButton(false);
    setWindowIcon(UpdateIcon::icon());
    setWindowTitle(m_host.appTitle + tr(" - Update"));
    buildControls();
    setStatus(updatetexts::Offer());
    fillGrid();

    m_host.keepAboveMainWindow(this);
}

UpdateWindow::~UpdateWindow()
{
    // Before the network goes: a running download ends without a word and leaves no file.
    delete m_download;
}

void UpdateWindow::buildControls()
{
    auto* frame = new QGroupBox(updatetexts::NewVersion(), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    m_grid = new QTableWidget(GridRows, 2, frame);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setWordWrap(false);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_grid);

    m_update = new QPushButton(tr("&Update"), this);
    m_update->setObjectName(QStringLiteral("btnUpdate"));
    m_cancel = new QPushButton(tr("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(m_update, &QPushButton::clicked, this, &UpdateWindow::onUpdateClicked);
    connect(m_cancel, &QPushButton::clicked, this, &UpdateWindow::onCancelClicked);
    m_openFolder = new QPushButton(tr("&Open folder"), this);
    m_openFolder->setObjectName(QStringLiteral("btnOpenFolder"));
    m_openFolder->hide();
    connect(m_openFolder, &QPushButton::clicked, this, &UpdateWindow::openDownloadFolder);
    m_advice = new QLabel(this);
    m_advice->setObjectName(QStringLiteral("lblInstallAdvice"));
    m_advice->setTextFormat(Qt::PlainText);
    m_advice->setWordWrap(true);
    m_advice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_advice->hide();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_openFolder);
    buttons->addWidget(m_update);
    buttons->addWidget(m_cancel);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    m_statusPanel = new ElidedLabel(m_statusBar);
    m_statusPanel->setObjectName(QStringLiteral("Panel1"));
    m_statusBar->addWidget(m_statusPanel, 1);
    m_progress = new QProgressBar(m_statusBar);
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(120);
    m_progress->hide();
    m_statusBar->addPermanentWidget(m_progress);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(m_advice);
    layout->addLayout(buttons);
    layout->addWidget(m_statusBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The design widths, widened where this font needs more room for a text, but
// never wider than the screen: a longer value is cut short with "…".
void UpdateWindow::sizeColumns()
{
    m_grid->resizeColumnsToContents();
    const int labelWidth = qMax(Twips::toPixels(LabelColumnTwips), m_grid->columnWidth(0));
    const int valueWidth =
        qMin(qMax(Twips::toPixels(ValueColumnTwips), m_grid->columnWidth(1)), widestGrid() - labelWidth);
    m_grid->setColumnWidth(0, labelWidth);
    m_grid->setColumnWidth(1, valueWidth);
    const int frameWidth = 2 * m_grid->frameWidth();
    int height = frameWidth;
    for (int row = 0; row < GridRows; ++row)
        height += m_grid->rowHeight(row);
    m_grid->setFixedSize(labelWidth + valueWidth + frameWidth, height);
}

// The screen's free width less what the window puts around its grid.
int UpdateWindow::widestGrid() const
{
    // Frame and margins around the grid, and room for the window's border.
    constexpr int Surround = 64;
    const QScreen* screen = m_host.mainWindow->screen();
    return (screen ? screen->availableGeometry().width() : 1024) - Surround;
}

void UpdateWindow::fillGrid()
{
    const QString rows[GridRows][2] = {
        {tr("App:"), m_offer.appName},
        {tr("Version:"), m_offer.version},
        {tr("Filename:"), m_offer.fileName},
        {tr("Filesize:"), m_offer.fileSizeText()},
        {tr("Release Date:"), m_offer.releaseDateText()},
    };
    for (int row = 0; row < GridRows; ++row) {
        for (int column = 0; column < 2; ++column)
            m_grid->setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
    shadeLabelColumn();
    sizeColumns();
}

// The label column looks like the fixed column of a grid, in the desktop's
// colours of the moment.
void UpdateWindow::shadeLabelColumn()
{
    for (int row = 0; row < GridRows; ++row) {
        if (QTableWidgetItem* label = m_grid->item(row, 0)) {
            label->setBackground(palette().button());
            label->setForeground(palette().buttonText());
        }
    }
}

void UpdateWindow::setStatus(const QString& text, bool busy)
{
    const QString shown = StatusSink::shownText(text, busy);
    if (text.isEmpty()) {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
    m_statusPanel->setText(shown);
    m_statusBar->repaint();
    emit statusChanged(shown);
}

QString UpdateWindow::statusText() const
{
    return m_statusPanel->text();
}

QString UpdateWindow::installerPath() const
{
    if (!InstallerName::isAcceptable(m_offer.fileName, m_host.programName))
        return {};
    return QDir(m_host.saveFolder()).absoluteFilePath(m_offer.fileName);
}

void UpdateWindow::DownloadFile(const QUrl& url, const QString& localPath)
{
    setStatus(updatetexts::Downloading());
    const QFileInfo target(localPath);
    // A user's download folder may not exist yet.
    if (m_host.installed && !m_host.downloadFolder.isEmpty())
        QDir().mkpath(m_host.downloadFolder);
    if (localPath.isEmpty() || m_host.saveFolder().isEmpty() ||
        target.absolutePath() != QFileInfo(m_host.saveFolder()).absoluteFilePath()) {
        setStatus(m_host.installed ? updatetexts::OutsideDownloads() : updatetexts::OutsideFolder());
        emit downloadFinished(false);
        return;
    }
    m_download = new InstallerDownload(*m_network, m_connection, m_offer.fileSizeBytes().value_or(0),
                                       m_offer.sha256Digest(), this);
    connect(m_download, &InstallerDownload::progress, this, &UpdateWindow::showProgress);
    connect(m_download, &InstallerDownload::finished, this, &UpdateWindow::downloadEnded);
    m_progress->setValue(0);
    m_progress->show();
    m_download->start(url, localPath);
}

void UpdateWindow::downloadEnded(const QString& failure)
{
    // Not deleted here: the download is still on the stack.
    m_download->deleteLater();
    m_download.clear();
    setStatus(failure.isEmpty() ? texts::Idle() : failure);
    emit downloadFinished(failure.isEmpty());
}

void UpdateWindow::showProgress(int percent)
{
    m_progress->setValue(percent);
    setStatus(updatetexts::Downloading() + QString::number(percent) + QLatin1Char('%'));
}

void UpdateWindow::InstallUpdate()
{
    const QString question = tr("%1 will now close.").arg(m_host.appTitle) + QStringLiteral("\r\n\r\n") +
                             updatetexts::ContinueUpdate();
    if (!m_host.platform->confirm(this, tr("Update"), question)) {
        giveMainWindowBack();
        closeThroughButton();
        return;
    }
    const QString path = installerPath();
#ifdef Q_OS_UNIX
    // A file written by the download carries no execute bit.
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner | QFile::ExeUser);
#endif
    if (!m_host.platform->startProgram(path)) {
        setStatus(updatetexts::StartFailed());
        return;
    }
    closeThroughButton();
    m_host.mainWindow->close();
    m_host.platform->endApplication();
}

void UpdateWindow::EnableCloseButton(bool enable)
{
    m_closeEnabled = enable;
    const bool visible = isVisible();
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | (enable ? Qt::WindowCloseButtonHint : Qt::WindowFlags()));
    if (visible)
        show();
}

void UpdateWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closeEnabled && !m_closingThroughButton) {
        event->ignore();
        return;
    }
    giveMainWindowBack();
    event->accept();
    if (m_download)
        m_download->cancel();
    deleteLater();
}

void UpdateWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        shadeLabelColumn();
}

void UpdateWindow::onUpdateClicked()
{
    // A second click while the installer is still arriving changes nothing.
    if (m_download)
        return;
    connect(
        this, &UpdateWindow::downloadFinished, this,
        [this](bool complete) {
            if (!complete)
                return;
            if (m_host.installed)
                showInstallAdvice();
            else
                InstallUpdate();
        },
        Qt::SingleShotConnection);
    DownloadFile(QUrl(m_offer.downloadUrl, QUrl::StrictMode), installerPath());
}

QString UpdateWindow::aptCommand(const QString& fileName)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._+~-]+$"));
    QString quoted = fileName;
    if (!plain.match(fileName).hasMatch())
        quoted = u'\'' + QString(fileName).replace(u'\'', QStringLiteral("'\\''")) + u'\'';
    return QStringLiteral("sudo apt install ./") + quoted;
}

void UpdateWindow::showInstallAdvice()
{
    m_advice->setText(updatetexts::installAdvice(QDir::toNativeSeparators(m_host.saveFolder()),
                                                 aptCommand(m_offer.fileName)));
    m_advice->show();
    m_openFolder->show();
    m_update->setEnabled(false);
    setStatus(updatetexts::Downloaded());
}

void UpdateWindow::openDownloadFolder()
{
    if (!m_host.platform->openFolder(m_host.saveFolder()))
        setStatus(updatetexts::OpenFolderFailed());
}

void UpdateWindow::onCancelClicked()
{
    if (m_download)
        m_download->cancel();
    giveMainWindowBack();
    closeThroughButton();
}

void UpdateWindow::closeThroughButton()
{
    m_closingThroughButton = true;
    close();
    m_closingThroughButton = false;
}

void UpdateWindow::giveMainWindowBack()
{
    m_host.mainWindow->setEnabled(true);
}

} // namespace spinledger
