#include "shell/MainWindow.h"

#include "board/BoardGeometry.h"
#include "board/BoardWidget.h"
#include "casinos/CasinoPanel.h"
#include "casinos/LimitsPanel.h"
#include "engine/SpinEngine.h"
#include "passphrase/PassphrasePanel.h"
#include "session/SessionStore.h"
#include "shell/AppInfo.h"
#include "shell/BackgroundJob.h"
#include "shell/BackupGuard.h"
#include "shell/Favicon.h"
#include "shell/FolderImages.h"
#include "shell/KeyboardHelp.h"
#include "shell/RestoreDialog.h"
#include "shell/ShellLog.h"
#include "shell/SidePanelAnimation.h"
#include "shell/StatusLine.h"
#include "shell/VendorLinks.h"
#include "statsview/StatisticsTab.h"
#include "store/AppContext.h"
#include "store/DbReason.h"
#include "store/ErrorCodes.h"
#include "store/Installation.h"
#include "store/IntegrityCheck.h"
#include "transfer/SpinTransfer.h"
#include "ui/Twips.h"
#include "ui/WindowLock.h"

#include "updater/SystemUpdatePlatform.h"
#include "updater/UpdateChecker.h"
#include "updater/UpdateWindow.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace spinledger {

namespace {

// Where the tab control and the side panel sit, in twips.
constexpr int TabsLeft = 120;
constexpr int TabsWidth = 10095;
constexpr int TabsHeight = 6300;
constexpr int SidePanelLeft = 10440;
constexpr int TabsRightMargin = MainWindow::ClosedWidthTwips - TabsLeft - TabsWidth;
constexpr int SidePanelGap = SidePanelLeft - TabsLeft - TabsWidth;
// The side panel's card and frame, in pixels from the panel's left edge.
const QRect CartPlace(8, 8, 200, 100);
const QRect AppInfoPlace(8, 116, 200, 260);
// Room for the window manager's title and borders, which the window cannot
// know before it is shown.
const QSize FrameAllowance(16, 48);

QAction* menuItem(QMenu* menu, const char* name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void menuSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

} // namespace

MainWindow::MainWindow(AppContext& app, SpinEngines& engines, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_engines(engines),
      m_openUrl([this](const QUrl& url) { return VendorLinks::openInBrowser(url, this); }),
      m_askContinue([this](const QString& time) {
          return QMessageBox::question(this, tr("Session"), tr("Continue the session of %1?").arg(time),
                                       QMessageBox::Yes | QMessageBox::No,
                                       QMessageBox::Yes) == QMessageBox::Yes;
      })
{
    setObjectName(QStringLiteral("Form1"));
    setCentralWidget(new QWidget(this));
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(bar);
    m_status = std::make_unique<StatusLine>(bar);
    auto* backupField = new QLabel(bar);
    bar->addPermanentWidget(backupField);
    m_backups = new BackupGuard(m_app, backupField, this);
    m_fileCheck = new BackgroundJob(this);
    m_chooseBackup = [](QWidget* owner, const std::vector<BackupFolder::Entry>& entries) {
        RestoreDialog dialog(entries, owner);
        return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QString();
    };
    buildMenu();
    buildTabs();
    buildSidePanel();
    m_sidePanel = new SidePanelAnimation(this, ClosedWidthTwips, OpenedWidthTwips);
    centralWidget()->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_transfer = new SpinTransfer(
        m_app, *this, [this] { return qobject_cast<BoardWidget*>(m_tabs->currentWidget()); }, this);
    m_transfer->addTo(file);
    connect(menuItem(file, "mnuRestore", tr("&Restore from backup…")), &QAction::triggered, this,
            &MainWindow::restoreFromBackup);
    QAction* newSession = menuItem(file, "mnuNewSession", tr("New session"));
    connect(newSession, &QAction::triggered, this, [this] {
        if (BoardWidget* b = currentBoard())
            b->newSession();
    });
    connect(file, &QMenu::aboutToShow, newSession,
            [this, newSession] { newSession->setEnabled(currentBoard()); });
    menuSeparator(file, "mnuFileBar3");
    connect(menuItem(file, "mnuCheckUpdate", tr("&Check for update")), &QAction::triggered, this,
            &MainWindow::checkForUpdate);
    menuSeparator(file, "mnuFileBar2");
    connect(menuItem(file, "mnuExit", tr("&Exit")), &QAction::triggered, this, &QWidget::close);

    buildViewMenu();

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(menuItem(help, "mnuVideos", tr("&Videos")), &QAction::triggered, this, &MainWindow::openVideos);
    connect(menuItem(help, "mnuKeys", tr("&Keyboard shortcuts")), &QAction::triggered, this,
            &MainWindow::showKeys);
    menuSeparator(help, "mnuFileBar1");
    connect(menuItem(help, "mnuAbout", tr("&About")), &QAction::triggered, this,
            &MainWindow::toggleSidePanel);
}

void MainWindow::buildViewMenu()
{
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QAction* sleepers = menuItem(view, "mnuSleepers", tr("Spins since last hit"));
    sleepers->setCheckable(true);
    sleepers->setShortcut(QKeySequence(Qt::Key_F7));
    connect(sleepers, &QAction::toggled, this, [this](bool on) {
        for (BoardWidget* b : {m_boardR, m_boardM})
            b->showSleepers(on);
    });
    // The stretch of spins the hottest and coldest pockets are picked from.
    QMenu* over = view->addMenu(tr("Hot and cold over"));
    over->setObjectName(QStringLiteral("mnuSleeperWindow"));
    auto* group = new QActionGroup(this);
    const struct
    {
        const char* name;
        QString text;
        qint64 window;
    } windows[] = {{"mnuSleepers100", tr("The last 100 spins"), 100},
                   {"mnuSleepers500", tr("The last 500 spins"), 500},
                   {"mnuSleepersAll", tr("All spins"), 0}};
    for (const auto& w : windows) {
        QAction* a = menuItem(over, w.name, w.text);
        a->setCheckable(true);
        a->setChecked(w.window == 500);
        group->addAction(a);
        const qint64 window = w.window;
        connect(a, &QAction::triggered, this, [this, window] {
            for (BoardWidget* b : {m_boardR, m_boardM})
                b->setSleeperWindow(window);
        });
    }
}

BoardWidget* MainWindow::currentBoard() const
{
    return qobject_cast<BoardWidget*>(m_tabs->currentWidget());
}

void MainWindow::startSessions()
{
    if (!m_app.ensureOpen())
        return;
    try {
        const QDateTime now = m_app.clock().now();
        std::vector<const Wheel*> continuable;
        std::optional<double> earliest;
        for (BoardWidget* b : {m_boardR, m_boardM}) {
            const auto start = SessionStore::start(m_app.db(), m_app.settingId, b->wheel());
            if (start && SessionStore::continuable(start->stamp, now)) {
                continuable.push_back(&b->wheel());
                earliest = std::min(earliest.value_or(start->stamp), start->stamp);
            }
        }
        const bool goOn = earliest && m_askContinue(QLocale().toString(
                                          SessionStore::startTime(*earliest).time(), QLocale::ShortFormat));
        for (BoardWidget* b : {m_boardR, m_boardM}) {
            const bool kept =
                goOn && std::find(continuable.begin(), continuable.end(), &b->wheel()) != continuable.end();
            if (!kept)
                b->beginSession(now);
        }
    } catch (const DbError& e) {
        qCWarning(lcShell) << "the sessions could not be begun:" << e.what();
        setStatus(errorLine(codes::LoadDb));
    }
}

void MainWindow::buildTabs()
{
    m_tabs = new QTabWidget(centralWidget());
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setDocumentMode(true);
    m_boardR = new BoardWidget(m_app, m_engines.r, m_engines.r.wheel(), *this);
    m_boardM = new BoardWidget(m_app, m_engines.m, m_engines.m.wheel(), *this);
    m_tabs->addTab(m_boardR, m_engines.r.wheel().boardName());
    m_tabs->addTab(m_boardM, m_engines.m.wheel().boardName());

    auto* settings = new QWidget;
    settings->setObjectName(QStringLiteral("tabSettings"));
    m_casinos = new CasinoPanel(m_app, *this, settings);
    m_casinos->setGeometry(16, 16, 320, 320);
    m_casinos->setBoards({m_boardR, m_boardM});
    m_passphrase = new PassphrasePanel(m_app, *this, settings);
    m_passphrase->setGeometry(352, 16, 320, 200);
    m_limits = new LimitsPanel(m_app, *this, settings);
    m_limits->setGeometry(352, 232, 320, 130);
    m_tabs->addTab(settings, tr("Settings"));

    m_statistics = new StatisticsTab(m_app, *this);
    // "This session" on the tab is the board's session of that wheel.
    m_statistics->setSessionStart([this](QChar letter) -> std::optional<double> {
        try {
            const std::optional<SessionStore::Start> start = board(*Wheel::byLetter(letter))->sessionStart();
            return start ? std::optional<double>(start->stamp) : std::nullopt;
        } catch (const DbError& e) {
            qCWarning(lcShell) << "the session's start could not be read:" << e.what();
            return std::nullopt;
        }
    });
    for (BoardWidget* b : {m_boardR, m_boardM}) {
        m_statistics->setCasinoModel(b->wheel(), b->casinoModel());
        connect(b, &BoardWidget::historyChanged, m_statistics, &StatisticsTab::refresh);
    }
    connect(m_transfer, &SpinTransfer::imported, m_statistics, &StatisticsTab::refresh);
    // The day's first change gets a copy; risky changes get one before them.
    for (BoardWidget* b : {m_boardR, m_boardM})
        connect(b, &BoardWidget::historyChanged, m_backups, &BackupGuard::afterChange);
    connect(m_transfer, &SpinTransfer::imported, m_backups, &BackupGuard::afterChange);
    connect(m_transfer, &SpinTransfer::aboutToImport, m_backups, &BackupGuard::waitForDaily);
    connect(m_transfer, &SpinTransfer::aboutToImport, m_statistics, &StatisticsTab::releaseDatabase);
    connect(m_transfer, &SpinTransfer::backupTaken, m_backups, &BackupGuard::showTaken);
    m_casinos->setBeforeDeletion([this] { m_backups->before(BackupFolder::Kind::BeforeDeletion); });
    m_passphrase->setBeforeRekey([this] { m_statistics->releaseDatabase(); });
    connect(m_limits, &LimitsPanel::limitsChanged, this, [this](const Wheel& wheel) {
        board(wheel)->drawAll();
        m_statistics->refresh();
    });
    connect(m_statistics, &StatisticsTab::casinoChosen, this,
            [this](QChar wheel, qint64 casino) { board(*Wheel::byLetter(wheel))->chooseCasino(casino); });
    m_tabs->addTab(m_statistics, tr("Statistics"));
    // The statistics open on the wheel last played.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        // The Doubling page may have changed the table maximum meanwhile.
        if (m_tabs->widget(index)->isAncestorOf(m_limits))
            m_limits->load();
        for (BoardWidget* b : {m_boardR, m_boardM}) {
            if (m_tabs->widget(index) == b)
                m_statistics->setWheel(b->wheel());
        }
    });

    m_tabs->setGeometry(QRect(QPoint(Twips::toPixels(TabsLeft), 0), tabsAround(BoardGeometry::pageSize())));
    m_tabs->tabBar()->installEventFilter(this);
    m_tabs->installEventFilter(this);
    // Ctrl+1 ... Ctrl+4 show the tab of that place, whatever tabs there are.
    for (int i = 0; i < 4; ++i) {
        connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)), this), &QShortcut::activated,
                this, [this, i] {
                    if (i < m_tabs->count())
                        m_tabs->setCurrentIndex(i);
                });
    }
}

void MainWindow::buildSidePanel()
{
    const int left = Twips::toPixels(SidePanelLeft);
    m_cart = new QLabel(centralWidget());
    m_cart->setObjectName(QStringLiteral("Gif89a1"));
    m_cart->setGeometry(CartPlace.translated(left, 0));
    m_cart->setAlignment(Qt::AlignCenter);

    auto* frame = new QGroupBox(tr("App Info"), centralWidget());
    frame->setObjectName(QStringLiteral("Frame19"));
    frame->setGeometry(AppInfoPlace.translated(left, 0));
    m_appInfo = frame;
    auto* column = new QVBoxLayout(frame);
    const auto infoLine = [frame, column](const char* name) {
        auto* label = new QLabel(frame);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        column->addWidget(label);
        return label;
    };
    m_appTitle = infoLine("Label17");
    m_appVersion = infoLine("Label18");
    m_legalNotice = infoLine("Label11");
    column->addWidget(VendorLinks::companyLink(
        AppInfo::companyName(), [this] { openHomePage(); }, frame));
    column->addStretch(1);
    auto* check = new QPushButton(tr("&Check for update"), frame);
    check->setObjectName(QStringLiteral("btnCheckUpdate"));
    connect(check, &QPushButton::clicked, this, &MainWindow::checkForUpdate);
    column->addWidget(check);
    auto* closeButton = new QPushButton(tr("C&lose"), frame);
    closeButton->setObjectName(QStringLiteral("btnClose"));
    connect(closeButton, &QPushButton::clicked, this, &MainWindow::toggleSidePanel);
    column->addWidget(closeButton);
}

void MainWindow::load()
{
    placeAndSize();
    setStatus(texts::Idle());
    m_boardR->initCells();
    m_boardM->initCells();
    showAppInfo();
    // Before anything is drawn: a board that draws begins a session of its own.
    startSessions();
    m_boardR->loadSettings();
    m_boardM->loadSettings();
    m_limits->load();
    m_casinos->load();
    m_passphrase->refresh();
    m_boardR->drawAll();
    m_backups->watchChanges();
}

void MainWindow::checkFileInBackground()
{
    if (!m_app.checkPending)
        return;
    const QString path = m_app.connString;
    const QString password = m_app.password();
    const int check = ++m_checks;
    m_fileCheck->start([this, path, password, check]() -> BackgroundJob::Then {
        Database db;
        IntegrityCheck::Finding found;
        if (db.open(path, password, Database::Mode::ReadOnly))
            found = IntegrityCheck::quick(db);
        else
            found.problems << db.lastReason();
        return [this, found, check] {
            // A restore in between replaced the file this check was about.
            if (check == m_checks)
                showCheck(found.sound, found.problems.value(0));
        };
    });
}

void MainWindow::showCheck(bool sound, const QString& problem)
{
    m_app.checkPending = false;
    if (sound) {
        m_app.db().releaseWrites();
        for (BoardWidget* b : {m_boardR, m_boardM})
            b->writeHeldSession();
        try {
            Installation(m_app).upgradeAfterCheck();
        } catch (const DbError& e) {
            // The file works as it is; the next start tries again.
            qCWarning(lcShell) << "the schema's version could not be recorded:" << e.what();
        }
        emit fileChecked(true);
        return;
    }
    qCWarning(lcShell) << "the database file failed its check:" << problem;
    // Nothing is ever written into a damaged file; a backup can replace it.
    m_app.db().holdWrites(DbReason::damaged());
    const std::vector<BackupFolder::Entry> all = m_backups->folder().entries();
    const QString newest =
        all.empty()
            ? tr(" There is no backup of it; \"spinledger-cli export --salvage\" writes out the spins "
                 "that can still be read.")
            : tr(" The newest backup is of %1: File → \"Restore from backup…\" puts it in its place.")
                  .arg(QLocale().toString(all.front().taken, QLocale::ShortFormat));
    setStatus(errorLine(codes::LoadDb, DbReason::damaged()) + u'.' + newest);
    emit fileChecked(false);
}

void MainWindow::restoreFromBackup()
{
    const BackupFolder folder = m_backups->folder();
    const std::vector<BackupFolder::Entry> entries = folder.list(m_app.password());
    if (entries.empty()) {
        setStatus(tr("There is no backup in %1.").arg(QDir::toNativeSeparators(folder.folder())));
        return;
    }
    const QString chosen = m_chooseBackup(this, entries);
    if (chosen.isEmpty())
        return;
    const WindowLock busy(this);
    setStatus(tr("Restoring the backup.."), true);
    ++m_checks;
    m_backups->before(BackupFolder::Kind::BeforeRestore);
    // The file is replaced under no open connection.
    m_statistics->releaseDatabase();
    m_app.db().close();
    const Result<QString> kept = folder.restore(chosen, m_app.password());
    reloadFromStore();
    if (!kept) {
        setStatus(tr("Nothing was restored: %1.").arg(kept.status()));
        return;
    }
    setStatus(tr("Restored the backup %1; the file that was in use is kept as %2.")
                  .arg(QFileInfo(chosen).fileName(), QFileInfo(kept.value()).fileName()));
}

void MainWindow::reloadFromStore()
{
    try {
        const Installation::Outcome prepared =
            Installation(m_app).prepare(m_app.installationId, [](const QString&) {});
        if (prepared != Installation::Outcome::Prepared) {
            setStatus(m_app.failureLine(codes::LoadDb));
            return;
        }
    } catch (const DbError& e) {
        qCWarning(lcShell) << "the restored file could not be prepared:" << e.what();
        setStatus(m_app.failureLine(codes::LoadDb));
        return;
    }
    m_boardR->loadSettings();
    m_boardM->loadSettings();
    m_casinos->load();
    m_passphrase->refresh();
    m_boardR->drawAll();
    m_boardM->drawAll();
    m_statistics->refresh();
    m_backups->watchChanges();
    checkFileInBackground();
}

void MainWindow::showStored()
{
    m_casinos->load();
    // Also a board whose stored casino the list does not hold: it shows
    // that casino's (empty) history rather than what it showed before.
    for (BoardWidget* b : {m_boardR, m_boardM})
        b->showStored();
}

int MainWindow::tabsFrame() const
{
    return 2 * m_tabs->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_tabs);
}

QSize MainWindow::tabsAround(QSize page) const
{
    // The tab bar above the page and the pane's frame around it.
    return page + QSize(tabsFrame(), m_tabs->tabBar()->sizeHint().height() + tabsFrame());
}

void MainWindow::placeAndSize()
{
    setWindowIcon(Favicon::icon());
    const int bars = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    // The margins are the page's, so the pane's frame lies within them.
    const int sides = Twips::toPixels(TabsLeft) + Twips::toPixels(TabsRightMargin) - tabsFrame();
    // The smallest window shows the boards at their smallest readable size
    // and the side panel whole.
    const QSize tabsMinimum = tabsAround(m_boardR->minimumSize()).expandedTo(m_tabs->minimumSizeHint());
    const int panelBottom = AppInfoPlace.bottom() + 1 + CartPlace.top();
    setMinimumSize(tabsMinimum.width() + sides, std::max(tabsMinimum.height(), panelBottom) + bars);
    // The first window has the boards at their design size, as far as the
    // screen has room for it.
    const QSize tabsDesign = tabsAround(BoardGeometry::pageSize());
    QSize size(std::max(Twips::toPixels(ClosedWidthTwips), tabsDesign.width() + sides),
               std::max(Twips::toPixels(HeightTwips), tabsDesign.height() + bars));
    if (const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        size = size.boundedTo(room.size() - FrameAllowance).expandedTo(minimumSize());
        const QPoint centred = room.center() - QPoint(size.width() / 2, size.height() / 2);
        move(std::max(room.left(), centred.x()), std::max(room.top(), centred.y()));
    }
    resize(size);
    layOut();
}

void MainWindow::layOut()
{
    const QSize area = centralWidget()->size();
    const int panel = m_sidePanel ? m_sidePanel->shownWidth() : 0;
    const int tabsWidth = std::max(0, area.width() - panel - Twips::toPixels(TabsLeft) -
                                          Twips::toPixels(TabsRightMargin) + tabsFrame());
    m_tabs->setGeometry(Twips::toPixels(TabsLeft), 0, tabsWidth, area.height());
    const int panelLeft = m_tabs->geometry().right() + 1 + Twips::toPixels(SidePanelGap);
    m_cart->setGeometry(CartPlace.translated(panelLeft, 0));
    m_appInfo->setGeometry(AppInfoPlace.translated(panelLeft, 0));
    // A closed panel's buttons and link are no Tab stops beyond the edge.
    m_appInfo->setVisible(panel > 0);
}

void MainWindow::showAppInfo()
{
    FolderImages::show(m_cart, m_app.appFolder, QStringLiteral("ka.cart"));
    setWindowTitle(AppInfo::productName());
    m_tabs->setCurrentIndex(0);
    m_appTitle->setText(AppInfo::title());
    m_appVersion->setText(u'v' + m_app.appVersion);
    m_legalNotice->setText(AppInfo::legalNotice());
}

void MainWindow::setStatus(const QString& text, bool busy)
{
    m_status->setStatus(text, busy);
}

QString MainWindow::statusText() const
{
    return m_status->text();
}

BoardWidget* MainWindow::board(const Wheel& wheel) const
{
    return &wheel == &m_boardR->wheel() ? m_boardR : m_boardM;
}

void MainWindow::toggleSidePanel()
{
    m_sidePanel->toggle();
}

void MainWindow::showKeys()
{
    if (!m_keysHelp)
        m_keysHelp = new KeyboardHelp(this);
    m_keysHelp->show();
    m_keysHelp->raise();
}

void MainWindow::openVideos()
{
    m_openUrl(VendorLinks::videosPage());
}

void MainWindow::openHomePage()
{
    m_openUrl(VendorLinks::homePage());
}

void MainWindow::checkForUpdate()
{
    if (!m_updateChecker) {
        if (!m_updatePlatform) {
            m_systemUpdatePlatform = std::make_shared<SystemUpdatePlatform>();
            m_updatePlatform = m_systemUpdatePlatform.get();
        }
        UpdateHost host;
        host.mainWindow = this;
        host.status = this;
        host.platform = m_updatePlatform;
        host.appTitle = AppInfo::title();
        host.appFolder = m_app.appFolder;
        host.installed = m_location.isInstalled();
        host.downloadFolder = m_location.isInstalled() ? m_location.downloadFolder() : m_app.appFolder;
        host.appVersion = m_app.appVersion;
        m_updateChecker = new UpdateChecker(host, {}, this);
    }
    m_updateChecker->CheckForUpdate();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == centralWidget())
        layOut();
    if (event->type() == QEvent::MouseButtonPress && (watched == m_tabs || watched == m_tabs->tabBar())) {
        m_boardR->hoverNone();
        m_boardM->hoverNone();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace spinledger
