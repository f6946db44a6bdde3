// On a dark desktop every text outside the boards' felt stays readable: each
// label, check box, frame title and table cell, as drawn on screen, has a
// contrast of at least 4.5:1 (WCAG AA) against the background around it.
#include "DarkPalette.h"
#include "ShellFixture.h"

#include "board/BoardCell.h"
#include "statsview/StatisticsTab.h"
#include "updater/UpdateWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <cmath>

using namespace spinledger;
using spinledger::test::ShellFixture;
using namespace Qt::StringLiterals;

namespace {

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

// The background is the commonest colour of the area, the text the colour
// that stands out most from it: the strongest contrast the drawn text reaches.
double drawnContrast(const QImage& shot, const QRect& area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[shot.pixel(x, y)];
    }
    const QRgb background = std::max_element(counts.cbegin(), counts.cend()).key();
    double best = 1;
    for (QRgb colour : counts.keys())
        best = std::max(best, contrast(colour, background));
    return best;
}

// Where each text of the window is drawn, in the window's coordinates.
QList<std::pair<QString, QRect>> textAreas(QWidget* window)
{
    QList<std::pair<QString, QRect>> areas;
    const auto add = [&](QWidget* owner, const QString& text, QWidget* drawnOn, const QRect& local) {
        if (drawnOn->isVisibleTo(window) && !text.trimmed().isEmpty() && !local.isEmpty())
            areas.append({u"%1 \"%2\""_s.arg(owner->objectName(), text),
                          QRect(drawnOn->mapTo(window, local.topLeft()), local.size())});
    };
    for (QLabel* l : window->findChildren<QLabel*>())
        add(l, l->text(), l, l->contentsRect());
    for (QCheckBox* c : window->findChildren<QCheckBox*>()) {
        QStyleOptionButton o;
        o.initFrom(c);
        o.text = c->text();
        add(c, c->text(), c, c->style()->subElementRect(QStyle::SE_CheckBoxContents, &o, c));
    }
    for (QGroupBox* g : window->findChildren<QGroupBox*>()) {
        QStyleOptionGroupBox o;
        o.initFrom(g);
        o.text = g->title();
        o.textAlignment = g->alignment();
        o.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        add(g, g->title(), g,
            g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g));
    }
    for (QAbstractItemView* v : window->findChildren<QAbstractItemView*>()) {
        const QAbstractItemModel* m = qobject_cast<QHeaderView*>(v) ? nullptr : v->model();
        for (int r = 0; m && r < m->rowCount(); ++r) {
            for (int c = 0; c < m->columnCount(); ++c) {
                const QModelIndex i = m->index(r, c);
                add(v, i.data().toString(), v->viewport(), v->visualRect(i).adjusted(2, 2, -2, -2));
            }
        }
    }
    for (QHeaderView* h : window->findChildren<QHeaderView*>()) {
        for (int c = 0; c < h->count(); ++c) {
            const QRect section(h->sectionViewportPosition(c), 0, h->sectionSize(c), h->height());
            add(h, h->model()->headerData(c, h->orientation()).toString(), h->viewport(),
                section.adjusted(3, 3, -3, -3));
        }
    }
    return areas;
}

} // namespace

class TestReadability : public QObject
{
    Q_OBJECT

    ShellFixture m_f;
    std::unique_ptr<UpdateWindow> m_update;
    MainWindow* w() { return m_f.main(); }
    template <typename T> T* find(const QString& name) { return w()->findChild<T*>(name); }

    // Names every text area of the window too faint to read, with its contrast.
    static void verifyReadable(QWidget* window)
    {
        QCoreApplication::processEvents();
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QStringList faint;
        for (const auto& [name, area] : textAreas(window)) {
            const QRect shown = area & shot.rect();
            if (shown.isEmpty())
                continue;
            if (const double c = drawnContrast(shot, shown); c < 4.5)
                faint << u"%1: %2:1"_s.arg(name).arg(c, 0, 'f', 1);
        }
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u'\n')));
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(m_f.start(), Application::Outcome::Running);
        // Enough spins for every statistics page, too few for a verdict.
        auto* amount = find<QLineEdit>(u"tbRAmount"_s);
        amount->setText(u"5"_s);
        emit amount->textEdited(amount->text());
        find<QCheckBox>(u"cbRDozens"_s)->setChecked(true);
        for (int pocket : {5, 17, 0, 32, 5, 11, 26, 3, 19, 8, 14, 30, 2, 36, 21, 9})
            emit find<BoardCell>(u"pbR%1"_s.arg(pocket))->clicked(u"pbR%1"_s.arg(pocket));

        const UpdateOffer offer{"Setup.exe", "1572864", "https://x.example/", "2026-11-30", "Spinledger",
                                "1.2.0",     ""};
        const UpdateHost host{w(), w(), nullptr, "Spinledger", m_f.dir.path(), QString()};
        m_update = std::make_unique<UpdateWindow>(offer, host, UpdateConnection{});
        m_update->show();
        w()->setEnabled(true);

        auto* statistics = find<StatisticsTab>(u"tabStatistics"_s);
        QSignalSpy updated(statistics, &StatisticsTab::updated);
        find<QTabWidget>(u"SSTab1"_s)->setCurrentWidget(statistics);
        QVERIFY(updated.wait(10000));

        // The desktop turns dark while the windows are open: what a window
        // reads from the palette only when it is made shows here as well.
        updated.clear();
        QApplication::setPalette(test::darkPalette());
        // The statistics draw themselves anew; the rows below judge the result.
        updated.wait(3000);
    }

    void mainWindow_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<int>("page");
        QTest::newRow("advice") << u"tabStatistics"_s << 0;
        QTest::newRow("pockets") << u"tabStatistics"_s << 1;
        QTest::newRow("money") << u"tabStatistics"_s << 2;
        QTest::newRow("doubling") << u"tabStatistics"_s << 3;
        QTest::newRow("settings") << u"tabSettings"_s << -1;
    }

    void mainWindow()
    {
        QFETCH(QString, tab);
        QFETCH(int, page);
        find<QTabWidget>(u"SSTab1"_s)->setCurrentWidget(find<QWidget>(tab));
        if (page >= 0)
            find<QTabWidget>(u"tabsStats"_s)->setCurrentIndex(page);
        verifyReadable(w());
    }

    void sidePanel()
    {
        w()->toggleSidePanel();
        QTRY_VERIFY(!w()->findChild<QTimer*>(u"Timer1"_s)->isActive());
        verifyReadable(w());
    }

    void updateWindow() { verifyReadable(m_update.get()); }
};

QTEST_MAIN(TestReadability)
#include "test_readability.moc"
