// Speed of the windows at a casino with a long history: the start-up without
// its fixed waits, the main window's load, a pocket click up to "Idle"
// (engine and redraw), a typed pocket from its last key up to "Idle", the
// whole window laid out and drawn anew after a resize, and the Statistics
// tab's History scrolled page by page (all spins, one pocket). Targets: load
// at most 300 ms, click and key median at most 20 ms, resize median and a
// History page at most 16 ms; a drag of the corner, a new size every frame,
// is timed too. Prints its figures.
//
//   window_bench [--spins 100000] [--clicks 60] [--grab DIR]
#include "HistoryWriter.h"
#include "backup/BackupFolder.h"
#include "board/BoardWidget.h"
#include "engine/SpinEngine.h"
#include "shell/Application.h"
#include "shell/BackupGuard.h"
#include "shell/MainWindow.h"
#include "shell/SidePanelAnimation.h"
#include "shell/SplashWindow.h"
#include "stats/SpinWindow.h"
#include "stats/StatsSettings.h"
#include "statsview/HistoryModel.h"
#include "statsview/StatisticsTab.h"
#include "store/AppContext.h"
#include "store/Installation.h"
#include "store/IntegrityCheck.h"
#include "store/Schema.h"
#include "store/SettingsStore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include <optional>
#include <random>
#include <utility>

using namespace spinledger;

namespace {

QTextStream out(stdout);

// The installation folder: the build's images when there are any, the
// permission script and a fresh database.
void makeInstallation(const QString& folder)
{
    QDir dir(folder);
    dir.mkpath(QStringLiteral("images"));
    const QString built = QCoreApplication::applicationDirPath() + QStringLiteral("/../Spinledger/images/");
    for (const char* name : {"ka.cart.gif", "wheelanim.gif", "app.title.gif"}) {
        const QString target = dir.filePath(QStringLiteral("images/") + QLatin1String(name));
        if (!QFile::copy(built + QLatin1String(name), target))
            QFile(target).open(QIODevice::WriteOnly);
    }
    QFile(dir.filePath(QStringLiteral("xcacls.sh"))).open(QIODevice::WriteOnly);
    Database maker;
    maker.open(dir.filePath(AppContext::DatabaseFile), AppContext::DatabasePassword, Database::Mode::Create);
    Schema::create(maker);
}

// An installation whose casino has the given history on both wheels, the
// last few spins played through the engine.
void prepareHistory(const QString& folder, int spins)
{
    Database db;
    SystemClock clock;
    SystemRandom random;
    AppContext app(db, clock, random);
    app.setAppFolder(folder);
    Installation(app).prepare(QStringLiteral("window-bench"), [](const QString&) {});
    SettingsStore settings(app);
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
        for (const Category& c : w->categories())
            settings.setPlayed(*w, c.id, true);
        settings.setAmount(*w, QStringLiteral("10"));
        stats::DoublingInputs limits;
        limits.tableMax = 500;
        stats::StatsSettings::save(app.db(), app.settingId, *w, limits);
        std::mt19937 rng(7);
        bench::appendHistory(app, *w, app.currentCasino(Wheel::r()).id(), 0, spins, rng);
        bench::rebuildTallies(app, *w, app.currentCasino(Wheel::r()).id());
        SpinEngine engine(app, *w);
        for (int i = 0; i < 5; ++i)
            engine.play(app.currentCasino(*w).id(), w->label(3 + i));
    }
}

StartupServices fastServices(const QString& folder)
{
    StartupServices s = StartupServices::system(DataLocation::system(folder));
    s.installationId = [] { return QStringLiteral("window-bench"); };
    s.wait = [](int, QObject* context, std::function<void()> then) {
        QMetaObject::invokeMethod(context, std::move(then), Qt::QueuedConnection);
    };
    s.startElevated = [](const QString&, const QStringList&) { return false; };
    return s;
}

void click(QWidget* cell)
{
    const QPointF at = QRectF(cell->rect()).center();
    const QPointF global = cell->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cell, &press);
    QCoreApplication::sendEvent(cell, &release);
}

void type(QWidget* to, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(QChar(u'0' + (key - Qt::Key_0))));
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(QChar(u'0' + (key - Qt::Key_0))));
    QCoreApplication::sendEvent(to, &press);
    QCoreApplication::sendEvent(to, &release);
}

void grab(MainWindow& w, SplashWindow& splash, const QString& dir)
{
    splash.grab().save(dir + QStringLiteral("/splash.png"));
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        w.grab().save(dir + QStringLiteral("/main-tab%1.png").arg(i));
    }
    tabs->setCurrentIndex(0);
    // A pocket half typed shows in the board's Keys field.
    type(w.board(Wheel::r()), Qt::Key_2);
    w.grab().save(dir + QStringLiteral("/main-typing.png"));
    w.toggleSidePanel();
    while (w.sidePanel()->isRunning())
        QCoreApplication::processEvents();
    w.grab().save(dir + QStringLiteral("/main-panel.png"));
    w.toggleSidePanel();
    while (w.sidePanel()->isRunning())
        QCoreApplication::processEvents();
    // The Money and History pages of the long history.
    auto* statistics = w.findChild<StatisticsTab*>(QStringLiteral("tabStatistics"));
    bool shown = false;
    QObject::connect(statistics, &StatisticsTab::updated, &w, [&shown] { shown = true; });
    tabs->setCurrentWidget(statistics);
    while (!shown)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    auto* pages = w.findChild<QTabWidget*>(QStringLiteral("tabsStats"));
    for (const char* page : {"pageMoney", "pageHistory"}) {
        pages->setCurrentWidget(w.findChild<QWidget*>(QLatin1String(page)));
        QCoreApplication::processEvents();
        w.grab().save(dir +
                      QStringLiteral("/statistics-%1.png").arg(QLatin1String(page + 4).toString().toLower()));
    }
}

// The History's model with each fetch of a page timed.
class TimedHistoryModel : public HistoryModel
{
public:
    using HistoryModel::HistoryModel;
    void fetchMore(const QModelIndex& parent) override
    {
        QElapsedTimer t;
        t.start();
        HistoryModel::fetchMore(parent);
        reads.push_back(t.nsecsElapsed() / 1e6);
    }
    std::vector<double> reads;
};

// Scrolls a History view to its end `pages` times, as a player does: each
// time the view itself asks for the next page and draws it. Milliseconds per
// step: reading the page, and reading and drawing it.
std::pair<std::vector<double>, std::vector<double>> scrollHistory(AppContext& app, const QString& pocket,
                                                                  int pages)
{
    TimedHistoryModel model(app);
    const stats::SpinSpan span = stats::SpinWindows::resolve(app.db(), Wheel::r(), app.settingId,
                                                             app.currentCasino(Wheel::r()).id(), {});
    model.show(Wheel::r(), app.currentCasino(Wheel::r()).id(), span, pocket);
    QTableView view;
    view.resize(900, 600);
    view.setModel(&model);
    view.show();
    QCoreApplication::processEvents();
    model.reads.clear();
    std::vector<double> drawn;
    QElapsedTimer t;
    for (int i = 0; i < pages && model.canFetchMore({}); ++i) {
        const size_t fetched = model.reads.size();
        t.restart();
        view.scrollToBottom();
        view.repaint();
        drawn.push_back(t.nsecsElapsed() / 1e6);
        if (model.reads.size() != fetched + 1) {
            out << "the view fetched " << model.reads.size() - fetched << " pages in one step" << Qt::endl;
            break;
        }
    }
    return {model.reads, drawn};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);
    QCommandLineParser p;
    p.addOption({"spins", "spins of the casino on each wheel", "n", "100000"});
    p.addOption({"clicks", "measured pocket clicks", "n", "60"});
    p.addOption({"grab", "save pictures of the windows into this folder", "dir"});
    p.addHelpOption();
    p.process(qapp);
    const int spins = p.value("spins").toInt();

    QTemporaryDir tmp;
    makeInstallation(tmp.path());
    QElapsedTimer t;
    t.start();
    prepareHistory(tmp.path(), spins);
    out << "history of " << spins << " spins per wheel written in " << t.elapsed() / 1000.0 << " s"
        << Qt::endl;

    {
        // The start-up's check of the file, and a backup, on their own.
        Database db;
        SystemClock clock;
        const QString path = QDir(tmp.path()).filePath(AppContext::DatabaseFile);
        db.open(path, AppContext::DatabasePassword);
        t.restart();
        const bool sound = IntegrityCheck::quick(db).sound;
        const double checkMs = t.nsecsElapsed() / 1e6;
        t.restart();
        const Result<QString> copy = BackupFolder(path, clock).take(db, BackupFolder::Kind::Manual);
        const double backupMs = t.nsecsElapsed() / 1e6;
        out << QStringLiteral("file of %1 MB: quick check %2 ms (%3, target 150); checked backup %4 ms (%5)")
                   .arg(QFileInfo(path).size() / 1e6, 0, 'f', 1)
                   .arg(checkMs, 0, 'f', 1)
                   .arg(sound ? QStringLiteral("sound") : QStringLiteral("DAMAGED"))
                   .arg(backupMs, 0, 'f', 1)
                   .arg(copy ? QStringLiteral("written") : copy.status())
            << Qt::endl;
        if (copy)
            QFile::remove(copy.value());
    }

    Application app(tmp.path(), fastServices(tmp.path()));
    t.restart();
    std::optional<Application::Outcome> started;
    {
        QEventLoop wait;
        QObject::connect(&app, &Application::started, &wait, [&](Application::Outcome outcome) {
            started = outcome;
            wait.quit();
        });
        app.start();
        if (!started)
            wait.exec();
    }
    if (started != Application::Outcome::Running) {
        out << "start-up failed: " << app.splash().statusText() << Qt::endl;
        return 1;
    }
    const double startMs = t.nsecsElapsed() / 1e6;
    MainWindow& first = *app.mainWindow();
    // A file this large is checked beside the window; spins wait for it.
    double besideMs = 0;
    if (app.context().checkPending) {
        QEventLoop wait;
        QObject::connect(&first, &MainWindow::fileChecked, &wait, &QEventLoop::quit);
        wait.exec();
        besideMs = t.nsecsElapsed() / 1e6;
    }
    out << QStringLiteral(
               "window shown %1 ms after the start; writes allowed after %2 ms (the check beside it)")
               .arg(startMs, 0, 'f', 1)
               .arg(besideMs > 0 ? besideMs : startMs, 0, 'f', 1)
        << Qt::endl;

    // The load alone, on the open connection, as a second main window.
    SpinEngines engines(app.context());
    t.restart();
    MainWindow second(app.context(), engines);
    // The first window's session may be continued: no question waits here.
    second.setSessionQuestion([](const QString&) { return false; });
    second.load();
    const double loadMs = t.nsecsElapsed() / 1e6;
    second.show();

    // A spin counts when it wrote its rows; the status line may carry a
    // warning such as a stake above the table maximum.
    Database& db = app.context().db();
    qint64 written = db.totalChanges();
    const auto recorded = [&db, &written] {
        const qint64 now = db.totalChanges();
        return std::exchange(written, now) < now;
    };
    QWidget* cell = first.findChild<QWidget*>(QStringLiteral("pbR17"));
    // The day's first spin starts the day's copy on a thread of its own. The
    // figures below are of the window alone: on two cores that copy takes the
    // other core, on which the raster engine fills large areas.
    bool copied = false;
    QObject::connect(first.backups(), &BackupGuard::finished, &first, [&copied] { copied = true; });
    t.restart();
    click(cell);
    const double firstClickMs = t.nsecsElapsed() / 1e6;
    if (!recorded()) {
        out << "click ended with \"" << first.statusText() << '"' << Qt::endl;
        return 1;
    }
    if (first.backups()->copyingDaily()) {
        while (!copied)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        out << QStringLiteral("the day's first spin %1 ms; the day's copy beside the window took %2 ms more")
                   .arg(firstClickMs, 0, 'f', 1)
                   .arg(t.nsecsElapsed() / 1e6 - firstClickMs, 0, 'f', 1)
            << Qt::endl;
    }
    std::vector<double> clicks;
    for (int i = 0; i < p.value("clicks").toInt(); ++i) {
        t.restart();
        click(cell);
        clicks.push_back(t.nsecsElapsed() / 1e6);
        if (!recorded()) {
            out << "click ended with \"" << first.statusText() << '"' << Qt::endl;
            return 1;
        }
    }
    // "1" waits for more, "7" makes 17, which no other pocket begins with.
    std::vector<double> keys;
    QWidget* board = first.board(Wheel::r());
    for (int i = 0; i < p.value("clicks").toInt(); ++i) {
        type(board, Qt::Key_1);
        t.restart();
        type(board, Qt::Key_7);
        keys.push_back(t.nsecsElapsed() / 1e6);
        if (!recorded()) {
            out << "typed pocket ended with \"" << first.statusText() << '"' << Qt::endl;
            return 1;
        }
    }
    // The board scales with the window: every size differs from the last.
    std::vector<double> resizes;
    const QSize sizes[] = {{800, 600}, {1280, 1024}, {1920, 1080}, {1024, 768}};
    int boardWidths = 0;
    for (int i = 0; i < p.value("clicks").toInt(); ++i) {
        const QSize size = sizes[i % 4] + QSize(i % 3, 0);
        t.restart();
        first.resize(size);
        QCoreApplication::processEvents();
        first.repaint();
        resizes.push_back(t.nsecsElapsed() / 1e6);
        boardWidths += board->width();
    }
    // A drag of the window's corner: every frame a size not drawn before.
    std::vector<double> drags;
    for (int i = 0; i < 40; ++i) {
        t.restart();
        first.resize(QSize(800, 600) + QSize(i * 28, i * 12));
        QCoreApplication::processEvents();
        first.repaint();
        drags.push_back(t.nsecsElapsed() / 1e6);
    }
    const bench::Spread drag = bench::spread(drags);
    out << QStringLiteral(
               "drag from 800x600 to 1892x1068, 40 sizes: redraw median %1 ms, worst %2 ms (target 16)")
               .arg(drag.median, 0, 'f', 2)
               .arg(drag.worst, 0, 'f', 2)
        << Qt::endl;
    const bench::Spread click = bench::spread(clicks), key = bench::spread(keys);
    const bench::Spread resize = bench::spread(resizes);
    out << QStringLiteral("start-up without its waits (database key included) %1 ms; main window load %2 ms "
                          "(target 300); pocket click to its redraw median %3 ms, worst %4 ms (target 20); "
                          "typed pocket (last key) to its redraw median %5 ms, worst %6 ms (target 20); "
                          "redraw after a resize median %7 ms, worst %8 ms (target 16; board %9 px wide "
                          "on average)")
               .arg(startMs, 0, 'f', 1)
               .arg(loadMs, 0, 'f', 1)
               .arg(click.median, 0, 'f', 2)
               .arg(click.worst, 0, 'f', 2)
               .arg(key.median, 0, 'f', 2)
               .arg(key.worst, 0, 'f', 2)
               .arg(resize.median, 0, 'f', 2)
               .arg(resize.worst, 0, 'f', 2)
               .arg(resizes.empty() ? 0 : boardWidths / int(resizes.size()))
        << Qt::endl;
    const auto [allRead, allDrawn] = scrollHistory(app.context(), QString(), 100);
    const auto [oneRead, oneDrawn] = scrollHistory(app.context(), QStringLiteral("17"), 20);
    const bench::Spread ar = bench::spread(allRead), ad = bench::spread(allDrawn);
    const bench::Spread orr = bench::spread(oneRead), od = bench::spread(oneDrawn);
    out << QStringLiteral("History scrolled a page (%1 rows) at a time over %2 pages: read median %3 ms, "
                          "worst %4 ms, read and drawn median %5 ms, worst %6 ms (target 16)")
               .arg(HistoryModel::PageRows)
               .arg(allDrawn.size())
               .arg(ar.median, 0, 'f', 2)
               .arg(ar.worst, 0, 'f', 2)
               .arg(ad.median, 0, 'f', 2)
               .arg(ad.worst, 0, 'f', 2)
        << Qt::endl;
    out << QStringLiteral("History of one pocket's spins over %1 pages: read median %2 ms, worst %3 ms, read "
                          "and drawn median %4 ms, worst %5 ms (target 16)")
               .arg(oneDrawn.size())
               .arg(orr.median, 0, 'f', 2)
               .arg(orr.worst, 0, 'f', 2)
               .arg(od.median, 0, 'f', 2)
               .arg(od.worst, 0, 'f', 2)
        << Qt::endl;
    if (p.isSet("grab"))
        grab(first, app.splash(), p.value("grab"));
    return 0;
}
