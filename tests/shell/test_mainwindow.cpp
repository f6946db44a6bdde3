// The running main window driven by object name: its menu, keys and side
// panel, spin files through the File menu, the casino panel, the Statistics
// tab, and every text readable on a dark desktop.
#include "DarkPalette.h"
#include "ShellFixture.h"

#include "TestDb.h"
#include "TestFiles.h"
#include "board/BoardCell.h"
#include "board/BoardWidget.h"
#include "casinos/CasinoPanel.h"
#include "passphrase/PassphraseDialog.h"
#include "passphrase/PassphrasePanel.h"
#include "shell/BackupGuard.h"
#include "shell/SidePanelAnimation.h"
#include "statsview/ScorecardTable.h"
#include "statsview/StatisticsTab.h"
#include "statsview/StatsFetcher.h"
#include "store/SettingsStore.h"
#include "transfer/SpinTransfer.h"
#include "updater/UpdateWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

#include <QChart>
#include <QChartView>
#include <QValueAxis>

#include <cmath>

using namespace spinledger;
using spinledger::test::ShellFixture;
using namespace Qt::StringLiterals;

namespace {

// What a spin says while the wheel's amount is still 0.
const QString NoStakeRecorded =
    u"Spin recorded, but no stake stands while the amount is 0: type a base stake in Amount."_s;

// The WCAG contrast ratio of two colours.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// Each label, check box, frame title and table cell of the window whose text,
// as drawn, has a contrast under 4.5:1 (WCAG AA) against the background
// around it. The background is the commonest colour of the text's area, the
// text the colour that stands out most from it.
QStringList faintTexts(QWidget* window)
{
    QCoreApplication::processEvents();
    const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QStringList faint;
    const auto check = [&](QWidget* owner, const QString& text, QWidget* drawnOn, const QRect& local) {
        if (!drawnOn->isVisibleTo(window) || text.trimmed().isEmpty() || local.isEmpty())
            return;
        const QRect area = QRect(drawnOn->mapTo(window, local.topLeft()), local.size()) & shot.rect();
        if (area.isEmpty())
            return;
        QHash<QRgb, int> counts;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                ++counts[shot.pixel(x, y)];
        }
        const QRgb background = std::max_element(counts.cbegin(), counts.cend()).key();
        double best = 1;
        for (QRgb colour : counts.keys())
            best = std::max(best, contrast(colour, background));
        if (best < 4.5)
            faint << u"%1 \"%2\": %3:1"_s.arg(owner->objectName(), text).arg(best, 0, 'f', 1);
    };
    for (QLabel* l : window->findChildren<QLabel*>()) {
        // Labels shown whole: one a scroll area cuts is scrolled to first.
        if ((QRegion(l->contentsRect()) - l->visibleRegion()).isEmpty())
            check(l, l->text(), l, l->contentsRect());
    }
    for (QCheckBox* c : window->findChildren<QCheckBox*>()) {
        QStyleOptionButton o;
        o.initFrom(c);
        o.text = c->text();
        check(c, c->text(), c, c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c));
    }
    for (QGroupBox* g : window->findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.textAlignment = g->alignment();
        o.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        check(g, g->title(), g,
              g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g));
    }
    for (QAbstractItemView* v : window->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* m = qobject_cast<QHeaderView*>(v) ? nullptr : v->model();
        for (int r = 0; m && r < m->rowCount(); ++r) {
            for (int c = 0; c < m->columnCount(); ++c) {
                const QModelIndex i = m->index(r, c);
                // Cells the viewport shows whole: the rest are scrolled to first.
                const QRect cell = v->visualRect(i).adjusted(2, 2, -2, -2);
                if (v->viewport()->rect().contains(cell))
                    check(v, i.data().toString(), v->viewport(), cell);
            }
        }
    }
    for (QHeaderView* h : window->findChildren<QHeaderView*>()) {
        for (int c = 0; c < h->count(); ++c) {
            const QRect section(h->sectionViewportPosition(c), 0, h->sectionSize(c), h->height());
            check(h, h->model()->headerData(c, h->orientation()).toString(), h->viewport(),
                  section.adjusted(3, 3, -3, -3));
        }
    }
    return faint;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ShellFixture> m_f;
    QTemporaryDir m_home;
    QStringList m_asked; // the casino panel's questions
    bool m_answer = true;

    static constexpr int ClosedWidth = 695; // 10425 twips

    MainWindow* w() { return m_f->main(); }
    AppContext& app() { return m_f->app->context(); }
    template <typename T = QWidget> T* find(const QString& name)
    {
        T* c = w()->findChild<T*>(name);
        if (!c)
            qFatal("no control %s", qPrintable(name));
        return c;
    }
    QAction* action(const char* name) { return find<QAction>(QString::fromLatin1(name)); }
    QTabWidget* tabs() { return find<QTabWidget>(u"SSTab1"_s); }
    QString status() { return w()->statusText(); }
    QTimer* animationTimer() { return find<QTimer>(u"Timer1"_s); }
    void press(const QString& button) { QTest::mouseClick(find(button), Qt::LeftButton); }
    void play(const QString& cell) { emit find<BoardCell>(cell)->clicked(cell); }
    void playAll(const QString& prefix, const QStringList& labels)
    {
        for (const QString& l : labels)
            play(prefix + l);
    }
    void type(const QString& box, const QString& text)
    {
        auto* edit = find<QLineEdit>(box);
        edit->setText(text);
        emit edit->editingFinished();
    }
    void choose(const QString& combo, int index)
    {
        auto* c = find<QComboBox>(combo);
        c->setCurrentIndex(index);
        emit c->activated(index);
    }

    void chooseFiles(const QString& save, const QString& open)
    {
        w()->spinTransfer()->setSaveChooser(
            [save](QWidget*, const QString&, const QString&) { return save; });
        w()->spinTransfer()->setOpenChooser(
            [open](QWidget*, const QString&, const QString&) { return open; });
    }
    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        return test::writeFile(m_f->dir.filePath(name), bytes);
    }
    QByteArray fingerprint() { return test::fingerprint(app().db()); }
    // A first start leaves the amount at 0, which an import refuses.
    void stakeTen(const Wheel& wheel) { QVERIFY(SettingsStore(app()).setAmount(wheel, u"10"_s).ok); }

    QListWidget* list() { return find<QListWidget>(u"lstCasino"_s); }
    void clickEntry(int row)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {},
                          list()->visualItemRect(list()->item(row)).center());
    }
    static QStringList names(const QAbstractItemModel* model)
    {
        QStringList out;
        for (int i = 0; i < model->rowCount(); ++i)
            out << model->index(i, 0).data().toString();
        return out;
    }
    void expectEverywhere(const QStringList& expected)
    {
        QCOMPARE(names(list()->model()), expected);
        QCOMPARE(names(find<QComboBox>(u"cmbR"_s)->model()), expected);
        QCOMPARE(names(find<QComboBox>(u"cmbM"_s)->model()), expected);
        QVERIFY(w()->isEnabled());
    }
    // Each wheel's shown and current casino.
    QList<qint64> shown()
    {
        return {find<QComboBox>(u"cmbR"_s)->currentData().toLongLong(),
                find<QComboBox>(u"cmbM"_s)->currentData().toLongLong(), app().currentCasino(Wheel::r()).id(),
                app().currentCasino(Wheel::m()).id()};
    }
    void submitCasino(const QString& button, const QString& name)
    {
        type(u"txCasino"_s, name);
        press(button);
    }
    qint64 addCasino(const QString& n)
    {
        submitCasino(u"btnCasinoAdd"_s, n);
        return list()->item(list()->count() - 1)->data(Qt::UserRole).toLongLong();
    }

    QStringList backupFiles(const QString& pattern)
    {
        return QDir(m_f->dir.filePath(u"backups"_s)).entryList({pattern}, QDir::Files);
    }
    qint64 spins() { return m_f->rows("ka_app_r"); }

    StatisticsTab* statistics() { return find<StatisticsTab>(u"tabStatistics"_s); }
    QString text(const QString& label) { return find<QLabel>(label)->text(); }
    QString cell(const QString& table, int row, int column)
    {
        const QTableWidgetItem* item = find<QTableWidget>(table)->item(row, column);
        return item ? item->text() : QString();
    }
    // Runs the action and waits for the tab to show what follows from it.
    template <typename Action> void andWait(Action action)
    {
        QSignalSpy updated(statistics(), &StatisticsTab::updated);
        action();
        QVERIFY(updated.wait(10000));
    }
    void openStatistics()
    {
        andWait([this] { tabs()->setCurrentWidget(statistics()); });
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // The dialogs' last folder is kept in the user's configuration: a test
        // one, under a home of this run's own, which no other run clears or writes.
        qputenv("HOME", QFile::encodeName(m_home.path()));
        QStandardPaths::setTestModeEnabled(true);
    }

    void init()
    {
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).removeRecursively();
        m_f = std::make_unique<ShellFixture>();
        QCOMPARE(m_f->start(), Application::Outcome::Running);
        m_asked.clear();
        m_answer = true;
        w()->casinoPanel()->setConfirm([this](const QString& title, const QString& text) {
            // The question must stay answerable: the window is not locked yet.
            m_asked << title << text << (w()->isEnabled() ? u"enabled"_s : u"locked"_s);
            return m_answer;
        });
    }

    void cleanup() { m_f.reset(); }

    void statusTexts()
    {
        QVERIFY(w()->screen()->availableGeometry().contains(w()->geometry())); // the first window fits
        QCOMPARE(status(), u"Idle"_s);
        w()->setStatus(u"Analyze '17'.."_s, true);
        QCOMPARE(status(), u"Analyze '17'.., please Wait ...."_s);
        w()->setStatus(u"Please wait.."_s);
        QCOMPARE(status(), u"Please wait.."_s);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        w()->setStatus(QString(), true);
        QCOMPARE(status(), u"Fertig"_s);
        QVERIFY(!QGuiApplication::overrideCursor());
        // A long message cuts the status line short instead of widening the window.
        const int width = w()->width();
        const QString message(1000, u'W');
        w()->setStatus(message);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(w()->width(), width);
        QVERIFY(w()->minimumSizeHint().width() <= w()->screen()->availableGeometry().width());
        QCOMPARE(status(), message);
        QCOMPARE(find<QLabel>(u"Panel1"_s)->toolTip(), message);
    }

    void menuIconIsTheWindowIcon()
    {
        for (int size : {48, 128, 256}) {
            const QImage menu(QStringLiteral(SPINLEDGER_ICON_DIR "/%1x%1/apps/spinledger.png").arg(size));
            QCOMPARE(menu.size(), QSize(size, size));
            QCOMPARE(w()->windowIcon().pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                     menu.convertToFormat(QImage::Format_ARGB32));
        }
    }

    void pressOnTheTabsEndsTheHover()
    {
        auto* cell = find<BoardCell>(u"pbR17"_s);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), cell->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(cell, &move);
        QCOMPARE(cell->picture(), u"R17_ON"_s);
        QTest::mousePress(tabs()->tabBar(), Qt::LeftButton, {}, tabs()->tabBar()->tabRect(1).center());
        QCOMPARE(cell->picture(), u"R17_OFF"_s);
    }

    // The tabs fill the window and the board its page, every control inside
    // and none under the status bar; the closed side panel takes no Tab stop.
    void boardFillsTheWindow_data()
    {
        QTest::addColumn<QSize>("size");
        // A 1280 x 1024 screen at scale 2 leaves 640 x 512 pixels.
        QTest::newRow("640x512") << QSize(640, 512);
        QTest::newRow("800x600") << QSize(800, 600);
        QTest::newRow("1280x1024") << QSize(1280, 1024);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
    }
    void boardFillsTheWindow()
    {
        QFETCH(QSize, size);
        const QSize cellDesign(41, 33); // 615 x 495 twips
        w()->resize(size);
        QTRY_COMPARE(w()->size(), size);
        BoardWidget* board = w()->board(Wheel::r());
        const QRect page = board->rect();
        const int bottom = w()->statusBar()->mapTo(w(), QPoint(0, 0)).y();
        QVERIFY(tabs()->geometry().right() < size.width());
        QVERIFY(w()->width() - (board->mapTo(w(), QPoint(0, 0)).x() + board->width()) < 40);
        for (const QWidget* c : board->findChildren<QWidget*>()) {
            if (!c->isVisibleTo(board))
                continue;
            const QRect onWindow(c->mapTo(w(), QPoint(0, 0)), c->size());
            QVERIFY2(onWindow.left() >= 0 && onWindow.bottom() < bottom && onWindow.right() < size.width(),
                     qPrintable(c->objectName()));
        }
        // As large as the page allows, width or height; the cells keep their shape.
        const double scale = std::min(page.width() / 673.0, page.height() / 420.0);
        const QSize cell = find(u"pbR17"_s)->size();
        QVERIFY(std::abs(cell.width() - cellDesign.width() * scale) <= 1);
        QVERIFY(std::abs(cell.height() - cellDesign.height() * scale) <= 1);
        QVERIFY(!find(u"Frame19"_s)->isVisibleTo(w()));
    }

    void menuOpensTheVideosAndTheSidePanelAndEnds()
    {
        QCOMPARE(w()->width(), ClosedWidth);
        QVERIFY(find(u"Frame19"_s)->x() >= ClosedWidth); // the side panel lies beyond
        QList<QUrl> opened;
        w()->setUrlOpener([&](const QUrl& url) {
            opened << url;
            return true;
        });
        action("mnuVideos")->trigger();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened.first().path().endsWith(u"/app/~tbl~videos/"_s));

        action("mnuAbout")->trigger();
        QCOMPARE(animationTimer()->interval(), 1);
        QTRY_VERIFY(!animationTimer()->isActive());
        // At least 13775 twips, reached in whole steps of 100 from 10425.
        QCOMPARE(w()->width(), 921); // 13825 twips
        QVERIFY(find(u"Frame19"_s)->geometry().right() < w()->width());
        press(u"btnClose"_s);
        QTRY_VERIFY(!animationTimer()->isActive());
        QCOMPARE(w()->width(), ClosedWidth);
        w()->toggleSidePanel();
        QTRY_VERIFY(w()->width() > ClosedWidth);
        w()->toggleSidePanel(); // not open yet: it closes all the same
        QVERIFY(!w()->sidePanel()->isOpening());
        QTRY_VERIFY(!animationTimer()->isActive());
        QCOMPARE(w()->width(), ClosedWidth);

        QSignalSpy exit(m_f->app.get(), &Application::exitRequested);
        action("mnuExit")->trigger();
        QCOMPARE(exit.count(), 1);
        QVERIFY(!w()->isVisible());
    }

    void keysOfTheWindow()
    {
        w()->activateWindow(); // shortcuts work in the active window only
        QVERIFY(QTest::qWaitForWindowActive(w()));
        for (const auto& [key, tab] :
             {std::pair{Qt::Key_3, 2}, {Qt::Key_2, 1}, {Qt::Key_4, 3}, {Qt::Key_1, 0}}) {
            QTest::keyClick(w(), key, Qt::ControlModifier);
            QCOMPARE(tabs()->currentIndex(), tab);
        }
        // Every button has a mnemonic; the mnemonics' test finds any one given twice.
        for (QPushButton* b : w()->findChildren<QPushButton*>()) {
            const qsizetype amp = b->text().indexOf(u'&');
            QVERIFY2(amp >= 0 && amp + 1 < b->text().size(), qPrintable(b->objectName()));
        }
        // Both file items work for the board of the current tab only.
        auto* file = find<QMenu>(u"mnuFile"_s);
        tabs()->setCurrentIndex(2);
        emit file->aboutToShow();
        QVERIFY(!action("mnuImportSpins")->isEnabled() && !action("mnuExportSpins")->isEnabled());
        tabs()->setCurrentIndex(1);
        emit file->aboutToShow();
        QVERIFY(action("mnuImportSpins")->isEnabled() && action("mnuExportSpins")->isEnabled());

        action("mnuKeys")->trigger();
        auto* keys = find<QLabel>(u"lblKeys"_s);
        QVERIFY(keys->window()->isVisible());
        // Every Alt key of the board's frames and buttons is in the list.
        QStringList titles;
        for (const QGroupBox* g : w()->board(Wheel::r())->findChildren<QGroupBox*>())
            titles << g->title();
        for (const QPushButton* b : w()->board(Wheel::r())->findChildren<QPushButton*>())
            titles << b->text();
        for (const QString& title : titles) {
            const int amp = int(title.indexOf(u'&'));
            if (amp < 0)
                continue;
            const QChar key = title.at(amp + 1).toUpper();
            QVERIFY2(keys->text().contains(u"Alt+"_s + key) || keys->text().contains(u", "_s + key),
                     qPrintable(title));
        }
    }

    // The spin files' tests check the rules; here the menu reaches them for the current board.
    void importAndExportThroughTheMenu()
    {
        const QString exported = m_f->dir.filePath(u"out.csv"_s);
        playAll(u"pbR"_s, {"17", "0", "32"});
        // The mini file is a list on one line, as players paste them.
        chooseFiles(exported, writeFile(u"mini.txt"_s, "12,7\n"));
        action("mnuExportSpins")->trigger();
        QCOMPARE(status(), u"Exported 3 spins of Demo Casino (Roulette) to %1."_s.arg(
                               QDir::toNativeSeparators(exported)));

        // The Roulette file does not fit the mini wheel; the mini file does,
        // once there is a base stake.
        tabs()->setCurrentIndex(1);
        chooseFiles(QString(), exported);
        const QByteArray before = fingerprint();
        action("mnuImportSpins")->trigger();
        QCOMPARE(status(),
                 u"Nothing imported: the amount is 0, so no stake would stand. Type a base stake in "
                 "Amount first."_s);
        QCOMPARE(fingerprint(), before);
        stakeTen(Wheel::m());
        action("mnuImportSpins")->trigger();
        QTRY_VERIFY(status().startsWith(u"Nothing imported: out.csv: line 2"_s));
        QVERIFY(backupFiles(u"*-import.mdb"_s).isEmpty()); // a refused file is not worth a copy
        chooseFiles(QString(), m_f->dir.filePath(u"mini.txt"_s));
        action("mnuImportSpins")->trigger();
        QTRY_COMPARE(status(), u"Imported 2 spins into Demo Casino, read as a list of 2 pockets."_s);
        QCOMPARE(backupFiles(u"*-import.mdb"_s).size(), 1);
        QVERIFY(!w()->findChild<QProgressDialog*>());
        // The board shows them: 12 black, then 7 red.
        QCOMPARE(text(u"txMBLACK_0"_s) + text(u"txMRED_1"_s), u"127"_s);
        // A file dialog cancelled: nothing happens.
        chooseFiles(QString(), QString());
        action("mnuImportSpins")->trigger();
        QCOMPARE(status(), u"Imported 2 spins into Demo Casino, read as a list of 2 pockets."_s);
    }

    // The dialogs open where the last file was, after a restart too, and
    // fall back to the documents or home folder once that folder is gone.
    void theDialogsOpenInTheLastFolder()
    {
        QStringList suggested;
        const auto chooser = [&suggested](const QString& chosen) {
            return [&suggested, chosen](QWidget*, const QString&, const QString& folder) {
                suggested << folder;
                return chosen;
            };
        };
        QVERIFY(QDir(m_f->dir.path()).mkpath(u"files"_s));
        const QString files = m_f->dir.filePath(u"files"_s);
        play(u"pbR17"_s);
        w()->spinTransfer()->setSaveChooser(chooser(files + u"/out.csv"_s));
        action("mnuExportSpins")->trigger();
        m_f->app.reset();
        QCOMPARE(m_f->start(), Application::Outcome::Running);
        stakeTen(Wheel::r()); // an import asks for a file only once a stake stands
        w()->spinTransfer()->setOpenChooser(chooser(QString()));
        action("mnuImportSpins")->trigger();
        QVERIFY(QDir(files).removeRecursively());
        action("mnuImportSpins")->trigger();
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString first = QDir(documents).exists() ? documents : QDir::homePath();
        QCOMPARE(suggested, (QStringList{first + u"/Demo Casino - Roulette.csv"_s, files, first}));
    }

    // Undo takes back exactly the import; the session's test ends the offer with a spin.
    void undoLastImportThroughTheMenu()
    {
        auto* file = find<QMenu>(u"mnuFile"_s);
        stakeTen(Wheel::r());
        play(u"pbR17"_s);
        emit file->aboutToShow();
        QVERIFY(!action("mnuUndoImport")->isEnabled());
        QString caption;
        w()->spinTransfer()->setOpenChooser([this, &caption](QWidget*, const QString& title, const QString&) {
            caption = title;
            return writeFile(u"three.txt"_s, "5\n2\n9\n");
        });
        action("mnuImportSpins")->trigger();
        QTRY_COMPARE(status(), u"Imported 3 spins into Demo Casino, read as a list of 3 pockets."_s);
        QCOMPARE(caption, u"Import spins into Demo Casino (Roulette)"_s);
        emit file->aboutToShow();
        QVERIFY(action("mnuUndoImport")->isEnabled());
        action("mnuUndoImport")->trigger();
        QCOMPARE(status(), u"Removed the 3 spins of the last import from Demo Casino."_s);
        QCOMPARE(m_f->rows("ka_app_r"), 1);
        QCOMPARE(text(u"txRBLACK_0"_s), u"17"_s);
    }

    // A start on the day of the last session asks whether to go on with it.
    void continueTodaysSession_data()
    {
        QTest::addColumn<bool>("goOn");
        QTest::newRow("continued") << true;
        QTest::newRow("a new one") << false;
    }
    void continueTodaysSession()
    {
        QFETCH(bool, goOn);
        QCOMPARE(m_f->sessionQuestions.size(), 0); // the first start has no session to go on with
        play(u"pbR17"_s);
        m_f->app.reset();
        m_f->continueSession = goOn;
        QCOMPARE(m_f->start(), Application::Outcome::Running);
        QCOMPARE(m_f->sessionQuestions.size(), 1);
        const QString line = text(u"lblSessionR"_s);
        QVERIFY2(line.startsWith(goOn ? u"This session: 1 spin,"_s : u"This session: 0 spins"_s),
                 qPrintable(line));
    }

    // The advice that stood before the import is not left lit beside the new one.
    void anImportRedrawsTheBoardFromTheStore()
    {
        tabs()->setCurrentIndex(1);
        play(u"pbM2"_s); // a tie: black advised
        stakeTen(Wheel::m());
        chooseFiles(QString(), writeFile(u"two.txt"_s, "5\n2\n"));
        action("mnuImportSpins")->trigger();
        QTRY_VERIFY(status().startsWith(u"Imported 2 spins"_s));
        // The earlier 2 was followed by 5, a red: red is advised, and only red.
        QCOMPARE(w()->board(Wheel::m())->cellStates().filter(u":COIN"_s), QStringList{u"pbMRED:COIN"_s});
    }

    // A restore or another program changed the file: the window shows it.
    void showStoredFollowsWhatChangedElsewhere()
    {
        playAll(u"pbR"_s, {"17", "5"});
        app().db().exec("INSERT INTO ka_app_casino (ka_app_casino_name, ka_app_setting_id) "
                        "SELECT 'Elsewhere', ka_app_setting_id FROM ka_app_setting");
        const qint64 elsewhere = app().db().lastInsertId();
        app().db().prepare("UPDATE ka_app_r_setting SET cmbR = ?1, cbREvenOdd = 1").bind(1, elsewhere).run();
        w()->showStored();
        expectEverywhere({u"Demo Casino"_s, u"Elsewhere"_s});
        QCOMPARE(find<QComboBox>(u"cmbR"_s)->currentText(), u"Elsewhere"_s);
        QCOMPARE(app().currentCasino(Wheel::r()).id(), elsewhere);
        QVERIFY(find<QCheckBox>(u"cbREvenOdd"_s)->isChecked());
        QVERIFY(w()->board(Wheel::r())->cellStates().filter(u":COIN"_s).isEmpty());
        QCOMPARE(text(u"txRBLACK_0"_s) + text(u"txRRED_0"_s), QString());
        QCOMPARE(status(), u"Idle"_s);
    }

    void cancelInTheMiddleOfAnImport()
    {
        QByteArray spins;
        for (int i = 0; i < 40000; ++i)
            spins += QByteArray::number(i % 37) + '\n';
        chooseFiles(QString(), writeFile(u"long.txt"_s, spins));
        play(u"pbR5"_s);
        stakeTen(Wheel::r());
        const QByteArray before = fingerprint();
        openStatistics(); // its reader stays open beside the board's connection
        tabs()->setCurrentIndex(0);
        action("mnuImportSpins")->trigger();
        auto* dialog = find<QProgressDialog>(u"dlgImport"_s);
        QVERIFY(dialog->isVisible() && dialog->isModal());
        QTRY_VERIFY_WITH_TIMEOUT(dialog->labelText().startsWith(u"Importing"_s), 20000);
        QVERIFY(dialog->value() > 0 && dialog->value() < dialog->maximum());
        // The window and its statistics have let go of the file: the import
        // writes through a rollback journal.
        QVERIFY(QFile::exists(app().connString + u"-journal"_s));
        QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(status(), u"Import cancelled: nothing was changed."_s, 20000);
        QCOMPARE(m_f->rows("ka_app_r"), 1);
        QCOMPARE(fingerprint(), before);
        QCOMPARE(app().db().journalMode(), u"wal"_s);
    }

    void casinoAddCleansTheNameAndKeepsEachWheelsCasino()
    {
        tabs()->setCurrentIndex(2);
        const qint64 demo = app().currentCasino(Wheel::r()).id();
        addCasino(u"  O'Hara's "_s);
        QCOMPARE(status(), u"Idle"_s);
        QVERIFY(find<QLineEdit>(u"txCasino"_s)->text().isEmpty());
        expectEverywhere({u"Demo Casino"_s, u"OHaras"_s});
        QCOMPARE(shown(), (QList<qint64>{demo, demo, demo, demo}));
        addCasino(u" ' '' "_s);
        QCOMPARE(status(), u"Casino name required."_s);
        QVERIFY(find<QLineEdit>(u"txCasino"_s)->text().isEmpty());
        addCasino(QString(101, u'x')); // the store's test counts what the player sees
        QCOMPARE(status(), u"Casino name too long. Max 100 chars allowed."_s);
        QCOMPARE(m_f->rows("ka_app_casino"), 2);
    }

    void casinoRenameKeepsTheCasino()
    {
        tabs()->setCurrentIndex(2);
        const qint64 second = addCasino(u"Second"_s);
        submitCasino(u"btnCasinoUpdate"_s, u"Typed"_s);
        QCOMPARE(status(), u"Please select a Casino from the list."_s);
        QCOMPARE(find<QLineEdit>(u"txCasino"_s)->text(), u"Typed"_s);
        clickEntry(1);
        QCOMPARE(find<QLineEdit>(u"txCasino"_s)->text(), u"Second"_s);
        submitCasino(u"btnCasinoUpdate"_s, u"Bellagio"_s);
        QCOMPARE(status(), u"Idle"_s);
        QVERIFY(find<QLineEdit>(u"txCasino"_s)->text().isEmpty());
        expectEverywhere({u"Demo Casino"_s, u"Bellagio"_s});
        QCOMPARE(find<QComboBox>(u"cmbM"_s)->itemData(1).toLongLong(), second);
        clickEntry(1);
        submitCasino(u"btnCasinoUpdate"_s, u"''"_s);
        QCOMPARE(status(), u"Please select a Casino from the list."_s);
        QVERIFY(find<QLineEdit>(u"txCasino"_s)->text().isEmpty());
        QCOMPARE(names(list()->model()).value(1), u"Bellagio"_s);
    }

    // The store's test names every table the history leaves.
    void casinoDeleteMovesTheWheels()
    {
        playAll(u"pbR"_s, {"17", "5"});
        tabs()->setCurrentIndex(2);
        const qint64 second = addCasino(u"Second"_s);
        // Nothing selected: asked about no name, then refused.
        press(u"btnCasinoDelete"_s);
        QVERIFY(m_asked.value(1).startsWith(u"Are you sure you want to delete \"\"?"_s));
        QCOMPARE(status(), u"Please select a Casino from the list."_s);
        m_asked.clear();
        m_answer = false;
        clickEntry(0);
        press(u"btnCasinoDelete"_s);
        QCOMPARE(
            m_asked,
            (QStringList{u"Confirm Delete"_s,
                         u"Are you sure you want to delete \"Demo Casino\"? All data associated with this "
                         "casino will be deleted.\r\n\r\nWith it go 2 Roulette spins and 0 Miniroulette "
                         "spins.\r\n\r\nContinue?"_s,
                         u"enabled"_s}));
        QCOMPARE(list()->count(), 2);
        QVERIFY(backupFiles(u"*-deletion.mdb"_s).isEmpty());
        m_answer = true;
        press(u"btnCasinoDelete"_s);
        QCOMPARE(status(), u"Idle"_s);
        // The deleted casino's history is in the copy taken just before.
        QCOMPARE(backupFiles(u"*-deletion.mdb"_s).size(), 1);
        expectEverywhere({u"Second"_s});
        QCOMPARE(shown(), (QList<qint64>{second, second, second, second}));
        clickEntry(0);
        press(u"btnCasinoDelete"_s);
        expectEverywhere({});
    }

    // Each casino action is one transaction with the adoption of casinos
    // without an owner and each wheel's current casino: a failure at its last
    // write leaves everything as it was.
    void aFailedCasinoActionChangesNothing_data()
    {
        QTest::addColumn<QString>("button");
        for (const char* button : {"btnCasinoAdd", "btnCasinoUpdate", "btnCasinoDelete"})
            QTest::newRow(button) << button;
    }
    void aFailedCasinoActionChangesNothing()
    {
        QFETCH(QString, button);
        tabs()->setCurrentIndex(2);
        addCasino(u"Second"_s);
        app().db().exec("INSERT INTO ka_app_casino (ka_app_casino_name) VALUES ('Unowned')");
        app().db().exec("INSERT INTO ka_app_m (cmbM) SELECT MAX(ka_app_casino_id) - 1 FROM ka_app_casino");
        app().db().exec(
            "CREATE TRIGGER full BEFORE UPDATE ON ka_app_m_setting BEGIN SELECT RAISE(ABORT, 'full'); END");
        auto state = [this] {
            Statement q =
                app().db().prepare("SELECT (SELECT group_concat(ka_app_casino_id || ka_app_casino_name || "
                                   "IFNULL(ka_app_setting_id, '-')) FROM ka_app_casino), "
                                   "(SELECT cmbR FROM ka_app_r_setting), (SELECT COUNT(*) FROM ka_app_m)");
            q.next();
            return q.text(0) + u'|' + q.text(1) + u'|' + q.text(2);
        };
        const QString before = state();
        clickEntry(1);
        submitCasino(button, u"Third"_s);
        QVERIFY2(status().startsWith(u"Unable to continue! Error Code:"_s), qPrintable(status()));
        QCOMPARE(state(), before);
        expectEverywhere({u"Demo Casino"_s, u"Second"_s});
    }

    // The day's first spin is copied; the copy is restored through the
    // menu, and the window shows what the restored file holds.
    void restoreThroughTheMenuShowsWhatIsStored()
    {
        QSignalSpy copied(w()->backups(), &BackupGuard::finished);
        for (const QString& cell : {u"pbR17"_s, u"pbR5"_s, u"pbR0"_s}) {
            play(cell);
            QVERIFY(copied.wait(10000));
        }
        QCOMPARE(backupFiles(u"*-daily.mdb"_s).size(), 1); // once a day; it holds the first spin
        QCOMPARE(backupFiles(u"*.mdb"_s).size(), 1);
        QCOMPARE(spins(), 3);
        std::vector<BackupFolder::Entry> offered;
        w()->setBackupChooser([&](QWidget*, const std::vector<BackupFolder::Entry>& entries) {
            offered = entries;
            return entries.front().path;
        });
        action("mnuRestore")->trigger();
        QCOMPARE(offered.size(), size_t(1));
        QCOMPARE(offered[0].spinsR, 1);
        QVERIFY2(status().startsWith(u"Restored the backup Spinledger-"_s) &&
                     status().contains(u"; the file that was in use is kept as Spinledger.replaced-"_s),
                 qPrintable(status()));
        QCOMPARE(spins(), 1);
        QCOMPARE(backupFiles(u"*-restore.mdb"_s).size(), 1);
        QCOMPARE(QDir(m_f->dir.path()).entryList({u"Spinledger.replaced-*.mdb"_s}).size(), 1);
        // The window works on the restored file.
        QCOMPARE(find<QComboBox>(u"cmbR"_s)->currentText(), u"Demo Casino"_s);
        play(u"pbR8"_s);
        QCOMPARE(status(), NoStakeRecorded); // the file's amount is still 0
        QCOMPARE(spins(), 2);
    }

    void aFailedBackupIsShownAndBlocksNothing()
    {
        QVERIFY(!QFileInfo::exists(m_f->dir.filePath(u"backups"_s))); // a start changes nothing to copy
        test::writeFile(m_f->dir.filePath(u"backups"_s), "in the way");
        QSignalSpy copied(w()->backups(), &BackupGuard::finished);
        play(u"pbR17"_s);
        QCOMPARE(status(), NoStakeRecorded);
        QVERIFY(copied.wait(10000));
        QCOMPARE(spins(), 1);
        const auto* field = find<QLabel>(u"lblBackup"_s);
        QVERIFY(!field->isHidden());
        QVERIFY2(field->text().startsWith(u"Backup failed: the folder "_s), qPrintable(field->text()));
        QFile::remove(m_f->dir.filePath(u"backups"_s));
        play(u"pbR5"_s);
        QVERIFY(copied.wait(10000));
        QVERIFY(field->isHidden());
        QCOMPARE(backupFiles(u"*-daily.mdb"_s).size(), 1);
    }

    // The figures come from the statistics' own tests; here the tab shows them and follows the board.
    void statisticsFollowTheBoard()
    {
        openStatistics();
        QVERIFY(find(u"lblStatsEmpty"_s)->isVisible());
        QVERIFY(text(u"lblStatsEmpty"_s)
                    .startsWith(u"No spins recorded at Demo Casino on the 38-pocket wheel yet."_s));
        QCOMPARE(text(u"lblStatsSummary"_s), u"37 pockets (00 off)"_s);
        QVERIFY(!find(u"tabsStats"_s)->isVisible());

        // Played while the tab is hidden: shown on opening it.
        tabs()->setCurrentIndex(0);
        playAll(u"pbR"_s, {"17", "5", "0", "32"});
        openStatistics();
        QVERIFY(find(u"tabsStats"_s)->isVisible());
        QCOMPARE(text(u"lblStatsSummary"_s), u"All spins · 4 spins · 3 judged · 37 pockets (00 off)"_s);
        // A row of figures and a row with the verdict per category.
        QCOMPARE(find<QTableWidget>(u"tblScorecard"_s)->rowCount(), 12);
        QCOMPARE(cell(u"tblScorecard"_s, 2, ScorecardTable::Chance), u"48.6%"_s); // Black/Red: 18 of 37
        QVERIFY(text(u"lblPocketTest"_s).contains(u"(4 so far)"_s));

        // A spin and an undo while the tab is shown refresh it.
        andWait([this] { play(u"pbR8"_s); });
        QCOMPARE(cell(u"tblScorecard"_s, 2, ScorecardTable::Judged), u"4"_s);
        andWait([this] { find<QPushButton>(u"btnUndoR"_s)->click(); });
        QCOMPARE(cell(u"tblScorecard"_s, 2, ScorecardTable::Judged), u"3"_s);
        // Black/Red is the one played.
        QCOMPARE(cell(u"tblMoney"_s, 0, 1) + cell(u"tblMoney"_s, 1, 1), u"yesno"_s);
    }

    void statisticsWheelSwitch()
    {
        playAll(u"pbM"_s, {"5", "7", "12"});
        openStatistics();
        QVERIFY(text(u"lblStatsEmpty"_s).contains(u"38-pocket wheel"_s));
        andWait([this] { choose(u"cmbStatsWheel"_s, 1); });
        // Coming from the mini wheel's board, the tab shows the mini wheel.
        tabs()->setCurrentIndex(0);
        QCOMPARE(find<QComboBox>(u"cmbStatsWheel"_s)->currentIndex(), 0);
        tabs()->setCurrentIndex(1);
        openStatistics();
        QCOMPARE(find<QComboBox>(u"cmbStatsWheel"_s)->currentIndex(), 1);
        QCOMPARE(text(u"lblStatsSummary"_s), u"All spins · 3 spins · 2 judged · 13 pockets (00 off)"_s);
        QCOMPARE(find<QTableWidget>(u"tblScorecard"_s)->rowCount(), 10);
        QCOMPARE(find<QTableWidget>(u"tblMoney"_s)->rowCount(), 4);
    }

    void statisticsCasinoSwitchFollowsTheBoard()
    {
        addCasino(u"Nord"_s);
        playAll(u"pbR"_s, {"1", "2"});
        openStatistics();
        auto* casinos = find<QComboBox>(u"cmbStatsCasino"_s);
        QCOMPARE(casinos->currentText(), u"Demo Casino"_s);
        andWait([&] { choose(u"cmbStatsCasino"_s, casinos->findText(u"Nord"_s)); });
        // Chosen here, chosen on the board: the wheel has one current casino.
        QCOMPARE(find<QComboBox>(u"cmbR"_s)->currentText(), u"Nord"_s);
        QTRY_VERIFY(text(u"lblStatsEmpty"_s).startsWith(u"No spins recorded at Nord"_s));
        // And chosen on the board, followed here.
        andWait([&] { choose(u"cmbR"_s, 0); });
        QCOMPARE(casinos->currentText(), u"Demo Casino"_s);
        QVERIFY(text(u"lblStatsSummary"_s).startsWith(u"All spins · 2 spins"_s));
    }

    void statisticsTypedDoublingInputs()
    {
        auto* amount = find<QLineEdit>(u"tbRAmount"_s);
        amount->selectAll();
        QTest::keyClicks(amount, u"5"_s);
        playAll(u"pbR"_s, {"1", "2", "3"});
        openStatistics();
        QCOMPARE(text(u"lblDoublingNote"_s), u"Type the table maximum to see what doubling risks."_s);

        // Base 5 (the board's amount), maximum 500 on a single-zero colour bet: 7 bets, 635 lost in a bust.
        andWait([this] { type(u"tbStatsTableMax"_s, u"1,000"_s); });
        andWait([this] { type(u"tbStatsTableMax"_s, u"500"_s); });
        QCOMPARE(m_f->rows("ka_app_stats_setting"), qint64(1));
        QCOMPARE(cell(u"tblDoubling"_s, 0, 0) + u'|' + cell(u"tblDoubling"_s, 0, 1) + u'|' +
                     cell(u"tblDoubling"_s, 0, 3),
                 u"Black/Red|7|635"_s);

        // Bad input is refused with a message and stores nothing.
        type(u"tbStatsTableMax"_s, u"lots"_s);
        QCOMPARE(status(), u"Table maximum: please enter an amount above 0."_s);
        type(u"tbStatsTableMax"_s, u"500"_s);
        type(u"tbStatsSeries"_s, u"0"_s);
        QVERIFY(status().startsWith(u"Series: please enter a whole number"_s));
        Statement stored = app().db().prepare(
            "SELECT ka_app_stats_table_max, ka_app_stats_series FROM ka_app_stats_setting");
        QVERIFY(stored.next());
        QCOMPARE(stored.real(0), 500.0);
        QCOMPARE(stored.integer(1), qint64(100));
    }

    // Five spins; every window of them on the tab, in the summary and the history.
    void statisticsOfAWindow()
    {
        playAll(u"pbR"_s, {"17", "5", "0", "32", "8"});
        openStatistics();
        QCOMPARE(text(u"lblStatsSummary"_s), u"All spins · 5 spins · 4 judged · 37 pockets (00 off)"_s);
        auto* history = find<QTableView>(u"tblHistory"_s)->model();
        const auto at = [history](int r, int c) { return history->index(r, c).data().toString(); };
        QCOMPARE(history->rowCount(), 5);

        find<QSpinBox>(u"spnStatsLast"_s)->setValue(2);
        andWait([this] { choose(u"cmbStatsWindow"_s, 1); });
        QCOMPARE(text(u"lblStatsSummary"_s),
                 u"The last 2 spins (spins 4 to 5 of 5) · 2 spins · 2 judged · 37 pockets (00 off)"_s);
        QCOMPARE(history->rowCount(), 2);
        QCOMPARE(at(0, 0) + u' ' + at(0, 2) + u' ' + at(1, 0) + u' ' + at(1, 2), u"5 8 4 32"_s);

        // The session began with the third spin.
        Statement third =
            app().db().prepare("SELECT ka_app_r_now FROM ka_app_r ORDER BY ka_app_r_now LIMIT 1 OFFSET 2");
        QVERIFY(third.next());
        const double start = third.real(0);
        statistics()->setSessionStart([start](QChar) { return std::optional<double>(start); });
        andWait([this] { choose(u"cmbStatsWindow"_s, 2); });
        QVERIFY2(text(u"lblStatsSummary"_s).startsWith(u"This session (since "_s) &&
                     text(u"lblStatsSummary"_s)
                         .endsWith(u"(spins 3 to 5 of 5) · 3 spins · 3 judged · 37 pockets (00 off)"_s),
                 qPrintable(text(u"lblStatsSummary"_s)));
        QCOMPARE(history->rowCount(), 3);

        // Dates from tomorrow: none of the spins.
        const QDate tomorrow = QDate::currentDate().addDays(1);
        find<QDateEdit>(u"dateStatsFrom"_s)->setDate(tomorrow);
        find<QDateEdit>(u"dateStatsUntil"_s)->setDate(tomorrow);
        andWait([this] { choose(u"cmbStatsWindow"_s, 3); });
        QVERIFY2(text(u"lblStatsEmpty"_s).startsWith(u"None of the 5 spins at Demo Casino is of from "_s),
                 qPrintable(text(u"lblStatsEmpty"_s)));

        // All spins again, the history of one pocket.
        andWait([this] { choose(u"cmbStatsWindow"_s, 0); });
        choose(u"cmbHistoryPocket"_s, find<QComboBox>(u"cmbHistoryPocket"_s)->findText(u"17"_s));
        QCOMPARE(history->rowCount(), 1);
    }

    // Until a table maximum is typed the Money page asks for it; then the
    // result at the table leads and the endless doubling follows in grey.
    void moneyLeadsWithWhatATableAllows()
    {
        playAll(u"pbR"_s, {"17", "5", "0", "32", "8", "11"});
        openStatistics();
        find<QTabWidget>(u"tabsStats"_s)->setCurrentWidget(find(u"pageMoney"_s));
        auto* money = find<QTableWidget>(u"tblMoney"_s);
        QVERIFY(find(u"boxMoneyTableMax"_s)->isVisible() && money->isColumnHidden(2));
        andWait([this] { type(u"tbMoneyTableMax"_s, u"500"_s); });
        QCOMPARE(statistics()->figures()->doublingInputs.tableMax, std::optional<double>(500));
        QVERIFY(!find(u"boxMoneyTableMax"_s)->isVisible() && !money->isColumnHidden(2));
        QCOMPARE(money->horizontalHeaderItem(2)->text(), u"Result at the table"_s);
        QCOMPARE(money->horizontalHeaderItem(6)->text(), u"Result without a limit"_s);
        const QColor grey = money->palette().color(QPalette::Disabled, QPalette::Text);
        QCOMPARE(money->horizontalHeaderItem(6)->foreground().color(), grey);
        QCOMPARE(money->item(0, 6)->foreground().color(), grey);
        QVERIFY(money->item(0, 2)->foreground().color() != grey);
        // The x-axis ends at the last spin.
        auto* chart = find<QChartView>(u"chartMoney"_s)->chart();
        const auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
        QCOMPARE(x->max(), 6.0);
    }

    void statisticsOnlyTheNewestRequestIsAnswered()
    {
        playAll(u"pbR"_s, {"1", "2"});
        StatsFetcher fetcher;
        QList<qint64> answered;
        connect(&fetcher, &StatsFetcher::fetched, this,
                [&](const stats::Figures& f) { answered << f.casino * 100 + f.spins; });
        StatsFetcher::Query q{app().connString, app().settingId,  u'R', app().currentCasino(Wheel::r()).id(),
                              u"Demo Casino"_s, app().password(), {}};
        fetcher.fetch(q);
        // Its answer waits in the queue while two more requests come.
        fetcher.waitForWorker();
        q.casino = app().currentCasino(Wheel::r()).id() + 1; // casinos without spins
        fetcher.fetch(q);
        q.casino = app().currentCasino(Wheel::r()).id() + 2;
        fetcher.fetch(q);
        // Answers arrive in the order asked for: none can follow the newest.
        QTRY_VERIFY(!fetcher.busy());
        QCOMPARE(answered, QList<qint64>{q.casino * 100});
    }

    // The desktop turns dark while the windows are open: what a window reads
    // from the palette only when it is made shows here as well. Every page
    // with enough spins for its figures, too few for a verdict.
    void everyTextReadsOnADarkDesktop()
    {
        auto* amount = find<QLineEdit>(u"tbRAmount"_s);
        amount->selectAll();
        QTest::keyClicks(amount, u"5"_s);
        find<QCheckBox>(u"cbRDozens"_s)->setChecked(true);
        playAll(u"pbR"_s,
                {"5", "17", "0", "32", "5", "11", "26", "3", "19", "8", "14", "30", "2", "36", "21", "9"});
        const UpdateOffer offer{"Setup.exe", "1572864", "https://x.example/", "2026-11-30", "Spinledger",
                                "1.2.0",     ""};
        UpdateWindow update(offer, UpdateHost{w(), w(), nullptr, "Spinledger", m_f->dir.path(), QString()},
                            UpdateConnection{});
        update.show();
        w()->setEnabled(true);
        openStatistics();

        const QPalette light = QApplication::palette();
        QSignalSpy updated(statistics(), &StatisticsTab::updated);
        QApplication::setPalette(test::darkPalette());
        QVERIFY(updated.wait(10000)); // the statistics draw themselves anew
        QStringList faint;
        for (int page = 0; page < find<QTabWidget>(u"tabsStats"_s)->count(); ++page) {
            find<QTabWidget>(u"tabsStats"_s)->setCurrentIndex(page);
            faint << faintTexts(w());
        }
        tabs()->setCurrentWidget(find(u"tabSettings"_s));
        faint << faintTexts(w());
        w()->toggleSidePanel();
        QTRY_VERIFY(!animationTimer()->isActive());
        faint << faintTexts(w()) << faintTexts(&update);
        QApplication::setPalette(light);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u'\n')));
    }

    void passphraseProtectsAndIsRemoved()
    {
        auto* panel = w()->passphrasePanel();
        std::optional<QString> typed = u"correct horse"_s;
        bool confirmed = true;
        panel->setPrompts([&] { return typed; }, [&](const QString&, const QString&) { return confirmed; });
        const QString path = app().connString;
        const auto opensWith = [&](const QString& key) {
            Database db;
            return db.open(path, key, Database::Mode::ReadOnly);
        };
        auto* protect = panel->findChild<QPushButton*>(u"btnPassphrase"_s);
        auto* remove = panel->findChild<QPushButton*>(u"btnRemovePassphrase"_s);
        QVERIFY(!remove->isEnabled());

        // Given up in the dialog: nothing changes.
        typed.reset();
        protect->click();
        QVERIFY(opensWith(AppContext::DatabasePassword) && !app().hasPassphrase());

        typed = u"correct horse"_s;
        // The statistics' reader of its own holds the file open too.
        tabs()->setCurrentWidget(statistics());
        auto* fetcher = statistics()->findChild<StatsFetcher*>();
        QVERIFY(fetcher->busy());
        QTRY_VERIFY(!fetcher->busy());
        protect->click();
        QVERIFY2(!opensWith(AppContext::DatabasePassword), qPrintable(status()));
        QVERIFY(opensWith(u"correct horse"_s));
        QVERIFY(remove->isEnabled() && w()->isEnabled());
        // The window goes on with the new key.
        QCOMPARE(m_f->rows("ka_app_casino"), 1);

        confirmed = false;
        remove->click();
        QVERIFY(opensWith(u"correct horse"_s));
        confirmed = true;
        remove->click();
        QVERIFY(opensWith(AppContext::DatabasePassword) && !opensWith(u"correct horse"_s));
        QVERIFY(!remove->isEnabled());
    }

    // The warning stands before a passphrase can be set; OK only for two
    // equal passphrases of eight characters or more.
    void passphraseDialogWarnsAndChecks_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("equal") << u"correct horse"_s << u"correct horse"_s << true;
        QTest::newRow("different") << u"correct horse"_s << u"correct horsE"_s << false;
        QTest::newRow("short") << u"seven77"_s << u"seven77"_s << false;
        QTest::newRow("empty") << u""_s << u""_s << false;
        QTest::newRow("the built-in key")
            << AppContext::DatabasePassword << AppContext::DatabasePassword << false;
    }
    void passphraseDialogWarnsAndChecks()
    {
        QFETCH(QString, first);
        QFETCH(QString, repeat);
        QFETCH(bool, accepted);
        PassphraseDialog dialog(PassphraseDialog::Purpose::Choose);
        QVERIFY(dialog.findChild<QLabel*>(u"lblPassphraseText"_s)->text().contains(u"cannot be recovered"_s));
        dialog.findChild<QLineEdit*>(u"txtPassphrase"_s)->setText(first);
        dialog.findChild<QLineEdit*>(u"txtPassphraseRepeat"_s)->setText(repeat);
        QCOMPARE(dialog.problem().isEmpty(), accepted);
        QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled(), accepted);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
