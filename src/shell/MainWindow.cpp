#include "shell/MainWindow.h"

#include "board/BoardWidget.h"
#include "casinos/CasinoPanel.h"
#include "casinos/LimitsPanel.h"
#include "engine/SpinEngine.h"
#include "session/SessionStore.h"
#include "shell/AppInfo.h"
#include "shell/Favicon.h"
#include "shell/FolderImages.h"
#include "shell/SidePanelAnimation.h"
#include "shell/StatusLine.h"
#include "shell/VendorLinks.h"
#include "statsview/StatisticsTab.h"
#include "store/AppContext.h"
#include "store/ErrorCodes.h"
#include "transfer/SpinTransfer.h"

#ifdef SPINLEDGER_HAVE_UPDATER
#include "updater/SystemUpdatePlatform.h"
#include "updater/UpdateChecker.h"
#include "updater/UpdateWindow.h"
#endif

#include <QActionGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace spinledger {

namespace {

constexpr int px(int twips)
{
    return (twips + MainWindow::TwipsPerPixel / 2) / MainWindow::TwipsPerPixel;
}

// Where the tab control and the side panel sit, in twips.
constexpr int TabsLeft = 120;
constexpr int TabsWidth = 10095;
constexpr int TabsHeight = 6300;
constexpr int SidePanelLeft = 10440;

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
    buildMenu();
    buildTabs();
    buildSidePanel();
    m_sidePanel = new SidePanelAnimation(this, FormClosedHeight, FormOpenedHeight);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    m_transfer = new SpinTransfer(
        m_app, *this, [this] { return qobject_cast<BoardWidget*>(m_tabs->currentWidget()); }, this);
    m_transfer->addTo(file);
    QAction* newSession = menuItem(file, "mnuNewSession", tr("New session"));
    connect(newSession, &QAction::triggered, this, [this] {
        if (BoardWidget* b = currentBoard())
            b->newSession();
    });
    connect(file, &QMenu::aboutToShow, newSession,
            [this, newSession] { newSession->setEnabled(currentBoard()); });
    menuSeparator(file, "mnuFileBar3");
    connect(menuItem(file, "mnuCheckUpdate", QStringLiteral("&Check for update")), &QAction::triggered, this,
            &MainWindow::checkForUpdate);
    menuSeparator(file, "mnuFileBar2");
    connect(menuItem(file, "mnuExit", QStringLiteral("&Exit")), &QAction::triggered, this, &QWidget::close);

    buildViewMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connect(menuItem(help, "mnuVideos", QStringLiteral("&Videos")), &QAction::triggered, this,
            &MainWindow::openVideos);
    menuSeparator(help, "mnuFileBar1");
    connect(menuItem(help, "mnuAbout", QStringLiteral("&About")), &QAction::triggered, this,
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
                SessionStore::begin(m_app.db(), m_app.settingId, b->wheel(), now);
        }
    } catch (const DbError&) {
        setStatus(errorLine(codes::LoadDb));
    }
}

void MainWindow::buildTabs()
{
    m_tabs = new QTabWidget(centralWidget());
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_boardR = new BoardWidget(m_app, m_engines.r, m_engines.r.wheel(), *this);
    m_boardM = new BoardWidget(m_app, m_engines.m, m_engines.m.wheel(), *this);
    m_tabs->addTab(m_boardR, m_engines.r.wheel().boardName());
    m_tabs->addTab(m_boardM, m_engines.m.wheel().boardName());

    auto* settings = new QWidget;
    settings->setObjectName(QStringLiteral("tabSettings"));
    m_casinos = new CasinoPanel(m_app, *this, settings);
    m_casinos->setGeometry(16, 16, 320, 320);
    m_casinos->setBoards({m_boardR, m_boardM});
    m_limits = new LimitsPanel(m_app, *this, settings);
    m_limits->setGeometry(352, 16, 320, 130);
    m_tabs->addTab(settings, QStringLiteral("Settings"));

    m_statistics = new StatisticsTab(m_app, *this);
    for (BoardWidget* b : {m_boardR, m_boardM}) {
        m_statistics->setCasinoModel(b->wheel(), b->casinoModel());
        connect(b, &BoardWidget::historyChanged, m_statistics, &StatisticsTab::refresh);
    }
    connect(m_transfer, &SpinTransfer::imported, m_statistics, &StatisticsTab::refresh);
    connect(m_limits, &LimitsPanel::limitsChanged, this, [this](const Wheel& wheel) {
        board(wheel)->drawAll();
        m_statistics->refresh();
    });
    connect(m_statistics, &StatisticsTab::casinoChosen, this,
            [this](QChar wheel, qint64 casino) { board(*Wheel::byLetter(wheel))->chooseCasino(casino); });
    m_tabs->addTab(m_statistics, QStringLiteral("Statistics"));
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

    // The boards need their whole page; the tab control never gets smaller
    // than its design size.
    const QSize design(px(TabsWidth), px(TabsHeight));
    m_tabs->setGeometry(QRect(QPoint(px(TabsLeft), 0), design.expandedTo(m_tabs->minimumSizeHint())));
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
    const int left = px(SidePanelLeft);
    auto* cart = new QLabel(centralWidget());
    cart->setObjectName(QStringLiteral("Gif89a1"));
    cart->setGeometry(left + 8, 8, 200, 100);
    cart->setAlignment(Qt::AlignCenter);

    auto* frame = new QGroupBox(QStringLiteral("App Info"), centralWidget());
    frame->setObjectName(QStringLiteral("Frame19"));
    frame->setGeometry(left + 8, 116, 200, 260);
    auto* column = new QVBoxLayout(frame);
    for (const char* name : {"Label17", "Label18", "Label11"}) {
        auto* label = new QLabel(frame);
        label->setObjectName(QString::fromLatin1(name));
        label->setWordWrap(true);
        column->addWidget(label);
    }
    column->addWidget(VendorLinks::companyLink(
        AppInfo::companyName(), [this] { openHomePage(); }, frame));
    column->addStretch(1);
    auto* check = new QPushButton(QStringLiteral("&Check for update"), frame);
    check->setObjectName(QStringLiteral("btnCheckUpdate"));
    connect(check, &QPushButton::clicked, this, &MainWindow::checkForUpdate);
    column->addWidget(check);
    auto* closeButton = new QPushButton(QStringLiteral("C&lose"), frame);
    closeButton->setObjectName(QStringLiteral("btnClose"));
    connect(closeButton, &QPushButton::clicked, this, &MainWindow::toggleSidePanel);
    column->addWidget(closeButton);
}

void MainWindow::load()
{
    placeAndSize();
    setStatus(texts::Idle);
    m_boardR->initCells();
    m_boardM->initCells();
    showAppInfo();
    // Before anything is drawn: a board that draws begins a session of its own.
    startSessions();
    m_boardR->loadSettings();
    m_boardM->loadSettings();
    m_limits->load();
    m_casinos->load();
    m_boardR->drawAll();
}

void MainWindow::showStored()
{
    m_casinos->load();
    // Also a board whose stored casino the list does not hold: it shows
    // that casino's (empty) history rather than what it showed before.
    for (BoardWidget* b : {m_boardR, m_boardM})
        b->showStored();
}

void MainWindow::placeAndSize()
{
    setWindowIcon(Favicon::icon());
    // The window is at least as high as its design, and high enough for the
    // boards between menu and status bar.
    const int contentHeight =
        menuBar()->sizeHint().height() + m_tabs->geometry().bottom() + 1 + statusBar()->sizeHint().height();
    const QSize size(px(FormClosedHeight), std::max(px(FormHeight), contentHeight));
    resize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
}

void MainWindow::showAppInfo()
{
    FolderImages::show(findChild<QLabel*>(QStringLiteral("Gif89a1")), m_app.appFolder,
                       QStringLiteral("ka.cart"));
    setWindowTitle(AppInfo::productName());
    m_tabs->setCurrentIndex(0);
    findChild<QLabel*>(QStringLiteral("Label17"))->setText(AppInfo::title());
    findChild<QLabel*>(QStringLiteral("Label18"))->setText(u'v' + m_app.appVersion);
    findChild<QLabel*>(QStringLiteral("Label11"))->setText(AppInfo::legalNotice());
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
#ifdef SPINLEDGER_HAVE_UPDATER
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
        host.appVersion = m_app.appVersion;
        m_updateChecker = new UpdateChecker(host, {}, this);
    }
    m_updateChecker->CheckForUpdate();
#else
    setStatus(QStringLiteral("Update check is not part of this build."));
#endif
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    emit closed();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && (watched == m_tabs || watched == m_tabs->tabBar())) {
        m_boardR->hoverNone();
        m_boardM->hoverNone();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace spinledger
