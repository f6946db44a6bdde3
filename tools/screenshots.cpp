// screenshots: pictures of Spinledger's windows for the documentation.
// Prepares a scratch installation with a demo history (spins played through
// the engine on both wheels and in a second casino), opens the real windows
// off screen and saves them as PNG files: at scale 1, at scale 2 ("@2x") and
// on a dark desktop ("-dark").
//
// usage: screenshots <folder>
#include "DarkPalette.h"
#include "board/BoardCell.h"

#include "engine/SpinEngine.h"
#include "i18n/Translations.h"
#include "shell/Application.h"
#include "shell/MainWindow.h"
#include "shell/SidePanelAnimation.h"
#include "shell/SplashWindow.h"
#include "stats/StatsSettings.h"
#include "statsview/StatisticsTab.h"
#include "store/AppContext.h"
#include "store/CasinoStore.h"
#include "store/Installation.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"
#include "transfer/SpinTransfer.h"
#include "updater/UpdateChecker.h"
#include "updater/UpdateWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <optional>
#include <random>

using namespace spinledger;

namespace {

const QString InstallationId = QStringLiteral("screenshots");
const QString RiversideCasino = QStringLiteral("Riverside Casino");
const QString TiltedCasino = QStringLiteral("Tilted Wheel Casino");
// The planted bias of the tilted wheel: these neighbours come half as often
// again as the other pockets.
const char* const TiltedArc[] = {"4", "21", "2", "25", "17"};

struct Variant
{
    const char* name;
    const char* suffix; // of every file name
    const char* scale;  // QT_SCALE_FACTOR
    bool dark;
};

const Variant Variants[] = {
    {"plain", "", "1", false},
    {"dense", "@2x", "2", false},
    {"dark", "-dark", "1", true},
};

// Evening play: a spin every 40 seconds from seven o'clock on.
class DemoClock : public Clock
{
public:
    QDateTime now() const override
    {
        const QDateTime t = m_next;
        m_next = m_next.addSecs(40);
        return t;
    }

private:
    mutable QDateTime m_next{QDate(2026, 11, 27), QTime(19, 0)};
};

void fail(const QString& why)
{
    QTextStream(stderr) << "screenshots: " << why << '\n';
    std::exit(1);
}

// Lets the windows lay themselves out and paint.
void settle(int ms = 150)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Waits until the condition holds; false when it did not within ten seconds.
bool awaitUntil(const std::function<bool()>& holds)
{
    for (int waited = 0; waited < 10000; waited += 50) {
        if (holds())
            return true;
        settle(50);
    }
    return holds();
}

void copyInto(const QString& folder, const QString& from, const QString& name)
{
    if (!QFile::copy(from + u'/' + name, folder + u'/' + name))
        fail(QStringLiteral("cannot copy %1/%2").arg(from, name));
}

void play(AppContext& app, SpinEngine& engine, qint64 casino, int spins, std::mt19937& rng)
{
    const Wheel& w = engine.wheel();
    app.currentCasino(w).choose(casino);
    QStringList pockets;
    for (int i = 0; i < w.pocketCount(); ++i)
        pockets << w.label(i);
    pockets.removeAll(QStringLiteral("00")); // switched off
    std::uniform_int_distribution<qsizetype> pick(0, pockets.size() - 1);
    for (int i = 0; i < spins; ++i) {
        const SpinOutcome out = engine.play(casino, pockets[pick(rng)]);
        if (!out.status.ok)
            fail(out.status.text);
    }
}

// A single-zero wheel whose arc TiltedArc comes more often than a fair one.
void playTilted(AppContext& app, SpinEngine& engine, qint64 casino, int spins, std::mt19937& rng)
{
    const Wheel& w = engine.wheel();
    app.currentCasino(w).choose(casino);
    QStringList pockets;
    std::vector<double> weights;
    for (int i = 0; i < w.pocketCount(); ++i) {
        if (w.label(i) == u"00")
            continue;
        pockets << w.label(i);
        weights.push_back(std::find(std::begin(TiltedArc), std::end(TiltedArc), w.label(i).toStdString()) !=
                                  std::end(TiltedArc)
                              ? 1.5
                              : 1.0);
    }
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    for (int i = 0; i < spins; ++i) {
        const SpinOutcome out = engine.play(casino, pockets[pick(rng)]);
        if (!out.status.ok)
            fail(out.status.text);
    }
}

// Base stake 5, every category played, a table maximum for the doubling page.
void setUpWheel(AppContext& app, const Wheel& w)
{
    SettingsStore settings(app);
    settings.setAmount(w, QStringLiteral("5"));
    for (const Category& c : w.categories())
        settings.setPlayed(w, c.id, true);
    stats::DoublingInputs inputs;
    inputs.tableMax = 500;
    inputs.bankroll = 2000;
    stats::StatsSettings::save(app.db(), app.settingId, w, inputs);
}

// A few hundred spins at the demo casino on both wheels and a shorter
// evening at a second one.
void playDemoHistory(const QString& folder)
{
    Database db;
    DemoClock clock;
    SystemRandom random;
    AppContext app(db, clock, random);
    app.setAppFolder(folder);
    {
        Database maker;
        if (!maker.open(app.connString, AppContext::DatabasePassword, Database::Mode::Create))
            fail(maker.lastError());
        Schema::create(maker);
    }
    if (!app.ensureOpen())
        fail(QStringLiteral("cannot open the scratch database"));
    Installation(app).prepare(InstallationId, [](const QString&) {});
    const qint64 demo = app.currentCasino(Wheel::r()).id();
    const Result<Casinos> casinos = CasinoStore(app).add(RiversideCasino);
    if (!casinos)
        fail(casinos.status());
    const auto riverside = std::find_if(casinos->begin(), casinos->end(),
                                        [](const Casino& c) { return c.name == RiversideCasino; });
    const Result<Casinos> withTilted = CasinoStore(app).add(TiltedCasino);
    if (!withTilted)
        fail(withTilted.status());
    const auto tilted = std::find_if(withTilted->begin(), withTilted->end(),
                                     [](const Casino& c) { return c.name == TiltedCasino; });

    SpinEngines engines(app);
    std::mt19937 rng(2);
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()})
        setUpWheel(app, *w);
    play(app, engines.r, riverside->id, 120, rng);
    // A generator of its own, so the other histories stay as they were.
    std::mt19937 tiltedRng(3);
    playTilted(app, engines.r, tilted->id, 1500, tiltedRng);
    play(app, engines.m, demo, 260, rng);
    play(app, engines.r, demo, 420, rng);
}

QString prepareInstallation(const QTemporaryDir& scratch)
{
    const QString folder = scratch.path();
    QDir(folder).mkpath(QStringLiteral("images"));
    for (const QString& name : QDir(QStringLiteral(SPINLEDGER_INSTALL_DIR "/images")).entryList(QDir::Files))
        copyInto(folder + QStringLiteral("/images"), QStringLiteral(SPINLEDGER_INSTALL_DIR "/images"), name);
    copyInto(folder, QStringLiteral(SPINLEDGER_INSTALL_DIR), QStringLiteral("xcacls.sh"));
    playDemoHistory(folder);
    return folder;
}

class Camera
{
public:
    Camera(QString folder, QString suffix) : m_folder(std::move(folder)), m_suffix(std::move(suffix)) {}

    void shoot(QWidget* window, const QString& name) const
    {
        settle();
        QImageWriter writer(QDir(m_folder).filePath(name + m_suffix + QStringLiteral(".png")));
        writer.setQuality(0); // the smallest file
        if (!writer.write(window->grab().toImage()))
            fail(writer.fileName() + QStringLiteral(": ") + writer.errorString());
        QTextStream(stdout) << writer.fileName() << '\n';
    }

private:
    QString m_folder;
    QString m_suffix;
};

// A few pockets clicked on the board since the start, so that the session
// line has spins, a result and a largest stake to show.
void playSession(MainWindow* main)
{
    for (const char* name : {"pbR17", "pbR8", "pbR23", "pbR0", "pbR32", "pbR11", "pbR5"}) {
        auto* cell = main->findChild<BoardCell*>(QString::fromLatin1(name));
        if (!cell)
            fail(QStringLiteral("no cell ") + QString::fromLatin1(name));
        emit cell->clicked(cell->objectName());
    }
}

void shootMainWindow(MainWindow* main, const Camera& camera)
{
    auto* tabs = main->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (const char* name : {"board", "miniboard", "settings"}) {
        camera.shoot(main, QString::fromLatin1(name));
        tabs->setCurrentIndex(tabs->currentIndex() + 1);
    }
    // The statistics of the Roulette board's casino, page by page.
    tabs->setCurrentIndex(0);
    auto* statistics = main->findChild<StatisticsTab*>(QStringLiteral("tabStatistics"));
    bool shown = false;
    QObject::connect(statistics, &StatisticsTab::updated, main, [&shown] { shown = true; });
    tabs->setCurrentWidget(statistics);
    if (!awaitUntil([&shown] { return shown; }))
        fail(QStringLiteral("the statistics did not show"));
    auto* pages = main->findChild<QTabWidget*>(QStringLiteral("tabsStats"));
    for (const char* name : {"statistics", "statistics-pockets", "statistics-wheel", "statistics-money",
                             "statistics-doubling"}) {
        camera.shoot(main, QString::fromLatin1(name));
        pages->setCurrentIndex(pages->currentIndex() + 1);
    }
    pages->setCurrentWidget(main->findChild<QWidget*>(QStringLiteral("pageHistory")));
    camera.shoot(main, QStringLiteral("statistics-history"));
    pages->setCurrentIndex(0);
    tabs->setCurrentIndex(0);
    const auto slide = [main] {
        main->toggleSidePanel();
        if (!awaitUntil([main] { return !main->sidePanel()->isRunning(); }))
            fail(QStringLiteral("the side panel did not stop"));
    };
    slide();
    camera.shoot(main, QStringLiteral("about"));
    slide();
}

// The board on screens of common sizes, given in device pixels: the window
// fills the screen and the board scales with it; a screen smaller than the
// window's minimum at this scale is left out.
void shootSizes(MainWindow* main, const Camera& camera, qreal scale)
{
    const QSize before = main->size();
    main->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
    for (const QSize screen : {QSize(800, 600), QSize(1280, 1024), QSize(1920, 1080)}) {
        const QSize size = (QSizeF(screen) / scale).toSize();
        if (size.width() < main->minimumWidth() || size.height() < main->minimumHeight())
            continue;
        main->resize(size);
        camera.shoot(main, QStringLiteral("board-%1x%2").arg(screen.width()).arg(screen.height()));
    }
    main->resize(before);
    // Tab shows where the keys go, also on the felt.
    main->activateWindow();
    main->findChild<QWidget*>(QStringLiteral("cbRBlackRed"))->setFocus(Qt::TabFocusReason);
    camera.shoot(main, QStringLiteral("board-focus"));
}

// The board with every cell's gap and the hot and cold pockets marked.
void shootSleepers(MainWindow* main, const Camera& camera)
{
    main->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
    auto* sleepers = main->findChild<QAction*>(QStringLiteral("mnuSleepers"));
    sleepers->setChecked(true);
    camera.shoot(main, QStringLiteral("board-sleepers"));
    sleepers->setChecked(false);
}

// The statistics of a casino without spins: the second one on the mini wheel.
void shootEmptyStatistics(MainWindow* main, const Camera& camera)
{
    auto* statistics = main->findChild<StatisticsTab*>(QStringLiteral("tabStatistics"));
    main->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentWidget(statistics);
    statistics->setWheel(Wheel::m());
    auto* casinos = main->findChild<QComboBox*>(QStringLiteral("cmbStatsCasino"));
    const int riverside = casinos->findText(RiversideCasino);
    casinos->setCurrentIndex(riverside);
    emit casinos->activated(riverside);
    auto* empty = main->findChild<QLabel*>(QStringLiteral("lblStatsEmpty"));
    if (!awaitUntil([empty] { return empty->isVisible(); }))
        fail(QStringLiteral("the statistics of an empty casino did not show"));
    camera.shoot(main, QStringLiteral("statistics-empty"));
}

// The Wheel page of the casino whose wheel favours an arc.
void shootTiltedWheel(MainWindow* main, const Camera& camera)
{
    auto* statistics = main->findChild<StatisticsTab*>(QStringLiteral("tabStatistics"));
    main->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentWidget(statistics);
    statistics->setWheel(Wheel::r());
    auto* casinos = main->findChild<QComboBox*>(QStringLiteral("cmbStatsCasino"));
    const int tilted = casinos->findText(TiltedCasino);
    casinos->setCurrentIndex(tilted);
    emit casinos->activated(tilted);
    if (!awaitUntil([statistics] {
            return statistics->figures() && statistics->figures()->casinoName == TiltedCasino;
        }))
        fail(QStringLiteral("the statistics of the tilted wheel did not show"));
    auto* pages = main->findChild<QTabWidget*>(QStringLiteral("tabsStats"));
    pages->setCurrentWidget(main->findChild<QWidget*>(QStringLiteral("pageWheel")));
    camera.shoot(main, QStringLiteral("statistics-wheel-biased"));
}

// A long spin file on its way in, cancelled once the window has been taken.
void shootImport(MainWindow* main, const QString& appFolder, const Camera& camera)
{
    main->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
    const QString path = appFolder + QStringLiteral("/evening.txt");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(path + QStringLiteral(": ") + file.errorString());
    for (int i = 0; i < 40000; ++i)
        file.write(QByteArray::number(i * 7 % 37) + '\n');
    file.close();
    main->spinTransfer()->setOpenChooser([path](QWidget*, const QString&, const QString&) { return path; });
    main->findChild<QAction*>(QStringLiteral("mnuImportSpins"))->trigger();
    auto* progress = main->findChild<QProgressDialog*>(QStringLiteral("dlgImport"));
    if (!progress || !awaitUntil([progress] { return progress->value() > 0; }))
        fail(QStringLiteral("the import did not get going"));
    camera.shoot(progress, QStringLiteral("import"));
    progress->cancel();
    if (!awaitUntil([main] { return !main->findChild<QProgressDialog*>(QStringLiteral("dlgImport")); }))
        fail(QStringLiteral("the import did not stop"));
}

// Answers the update check with an offer of the next release, a little
// late, so that the checking window shows meanwhile.
void serveOffer(QTcpServer& server)
{
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
        QTcpSocket* socket = server.nextPendingConnection();
        QTimer::singleShot(600, socket, [socket] {
            const QByteArray body = "spinledger_1.2.0_amd64.deb|14680064|"
                                    "https://www.spinledger.example/app/spinledger_1.2.0_amd64.deb|"
                                    "2026-12-01|Spinledger|1.2.0|";
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    });
    if (!server.listen(QHostAddress::LocalHost))
        fail(server.errorString());
}

void shootUpdate(MainWindow* main, const QString& appFolder, const Camera& camera)
{
    QTcpServer server;
    serveOffer(server);
    UpdateHost host;
    host.mainWindow = main;
    host.status = main;
    host.appTitle = QStringLiteral("Spinledger");
    host.appFolder = appFolder;
    host.appVersion = QStringLiteral("1.1.0");
    UpdateConnection connection;
    connection.service =
        QUrl(QStringLiteral("http://127.0.0.1:%1/app/sc/getUserAppInfo.asp").arg(server.serverPort()));
    connection.allowLocalHttp = true;
    UpdateChecker checker(host, connection);
    QTimer::singleShot(300, main, [&camera] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QLatin1String("dlgCheckUpdate") && w->isVisible())
                camera.shoot(w, QStringLiteral("update-checking"));
        }
    });
    bool over = false;
    QObject::connect(&checker, &UpdateChecker::finished, &checker, [&over] { over = true; });
    checker.CheckForUpdate();
    if (!awaitUntil([&over] { return over; }) || !checker.window())
        fail(QStringLiteral("no update window: ") + main->statusText());
    camera.shoot(checker.window(), QStringLiteral("update"));
    // Cancel gives the main window back.
    checker.window()->findChild<QPushButton*>(QStringLiteral("btnCancel"))->click();
}

// The off-screen platform says that it cannot pass size hints on for every
// window shown; it means nothing here.
void quietPlatform()
{
    static QtMessageHandler standard = nullptr;
    standard =
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.contains(QLatin1String("does not support propagateSizeHints")))
                standard(type, context, text);
        });
}

int shootVariant(const Variant& v, const QString& out)
{
    qputenv("QT_SCALE_FACTOR", v.scale);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    quietPlatform();
    int argc = 1;
    char name[] = "screenshots";
    char* argv[] = {name, nullptr};
    QApplication qapp(argc, argv);
    // Under a German locale the pictures show the German window.
    spinledger::i18n::install(qapp);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (v.dark)
        QApplication::setPalette(test::darkPalette());

    QTemporaryDir scratch;
    const QString folder = prepareInstallation(scratch);
    StartupServices services = StartupServices::system(DataLocation::system(folder));
    services.installationId = [] { return InstallationId; };
    services.wait = [](int, QObject* context, std::function<void()> then) {
        QMetaObject::invokeMethod(context, std::move(then), Qt::QueuedConnection);
    };
    services.inform = [](const QString& title, const QString& text) {
        fail(title + QStringLiteral(": ") + text);
    };
    services.askContinueSession = [](const QString&) { return true; };
    Application app(folder, services);
    std::optional<Application::Outcome> started;
    QObject::connect(&app, &Application::started, &app,
                     [&](Application::Outcome outcome) { started = outcome; });
    app.start();
    if (!awaitUntil([&] { return started.has_value(); }) || *started != Application::Outcome::Running)
        fail(QStringLiteral("the start stopped: ") + app.splash().statusText());

    const Camera camera(out, QString::fromLatin1(v.suffix));
    camera.shoot(&app.splash(), QStringLiteral("splash"));
    playSession(app.mainWindow());
    shootMainWindow(app.mainWindow(), camera);
    shootSizes(app.mainWindow(), camera, QString::fromLatin1(v.scale).toDouble());
    shootSleepers(app.mainWindow(), camera);
    shootImport(app.mainWindow(), folder, camera);
    shootUpdate(app.mainWindow(), folder, camera);
    shootEmptyStatistics(app.mainWindow(), camera);
    shootTiltedWheel(app.mainWindow(), camera);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    if (args.size() == 3 && args[0] == QLatin1String("--variant")) {
        for (const Variant& v : Variants) {
            if (args[1] == QLatin1String(v.name))
                return shootVariant(v, args[2]);
        }
    }
    if (args.size() != 1 || args[0].startsWith(u'-')) {
        QTextStream(stderr) << "usage: screenshots <folder>\n";
        return 2;
    }
    // Each variant in a process of its own: the scale is fixed when the
    // application starts.
    QCoreApplication app(argc, argv);
    const QString out = QDir(args[0]).absolutePath();
    QDir().mkpath(out);
    for (const Variant& v : Variants) {
        const int code = QProcess::execute(QCoreApplication::applicationFilePath(),
                                           {QStringLiteral("--variant"), QString::fromLatin1(v.name), out});
        if (code != 0)
            return code;
    }
    return 0;
}
