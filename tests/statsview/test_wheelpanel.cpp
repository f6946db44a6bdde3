// The Wheel page of the Statistics tab, driven off screen: the ring in wheel
// order and in the pockets' colours, the hottest arc outlined, and the
// figures in words.
#include "stats/PocketBias.h"
#include "stats/WheelStats.h"
#include "statsview/WheelPanel.h"
#include "statsview/WheelRing.h"

#include <QLabel>
#include <QTableWidget>
#include <QtTest>

using namespace spinledger;
using namespace Qt::StringLiterals;

namespace {

// Figures of a 37-pocket history with `each` spins on every pocket and
// `extra` more on the pockets named.
stats::Figures figuresOf(QChar letter, qint64 each, const QStringList& hot = {}, qint64 extra = 0)
{
    const Wheel& w = *Wheel::byLetter(letter);
    std::vector<qint64> counts(size_t(w.pocketCount()), each);
    counts[0] = 0; // 00, switched off
    for (const QString& label : hot)
        counts[size_t(w.pocketIndex(label))] += extra;
    stats::Figures f;
    f.wheel = letter;
    f.pockets = w.pocketCount() - 1;
    f.bias = stats::PocketBias::of(w, false, counts);
    f.spins = f.bias.spins;
    f.wheelFigures = *stats::WheelStats::of(w, false, f.bias, 500);
    return f;
}

QColor colourOf(const QString& label)
{
    static const QList<int> reds{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    if (label == u"0")
        return {0, 150, 70};
    return reds.contains(label.toInt()) ? QColor(200, 24, 36) : QColor(22, 22, 22);
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 30;
}

} // namespace

class TestWheelPanel : public QObject
{
    Q_OBJECT

    WheelPanel* shown(const stats::Figures& f)
    {
        auto* panel = new WheelPanel;
        panel->resize(1000, 560);
        panel->showFigures(f);
        panel->show();
        return panel;
    }

private slots:
    void ringShowsTheWheelInOrderAndColour()
    {
        std::unique_ptr<WheelPanel> panel(shown(figuresOf(u'R', 20, {"4", "21", "2"}, 30)));
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        auto* ring = panel->findChild<WheelRing*>(u"wheelRing"_s);
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->pockets().front(), u"0"_s);
        QCOMPARE(ring->pockets()[1], u"32"_s);
        const QImage picture = ring->grab().toImage();
        const qreal scale = picture.devicePixelRatio();
        for (int place = 0; place < ring->pockets().size(); ++place) {
            const QPointF spot = ring->spotOf(place);
            QCOMPARE(ring->placeAt(spot), place);
            const QColor seen = picture.pixelColor((spot * scale).toPoint());
            QVERIFY2(near(seen, colourOf(ring->pockets()[place])),
                     qPrintable(ring->pockets()[place] + u" drawn in "_s + seen.name()));
        }
        QCOMPARE(ring->placeAt(QRectF(ring->rect()).center()), -1); // the hub holds no pocket
        // The planted arc is the one outlined, and named.
        QCOMPARE(ring->outlinedStart(), 4);
        QCOMPARE(ring->outlinedWidth(), 3);
        const QString scan = panel->findChild<QLabel*>(u"lblSectorScan"_s)->text();
        QVERIFY(scan.contains(u"4 21 2"));
        QVERIFY(scan.contains(u"none of 500 fair histories")); // z = 10.5: out of a fair wheel's reach
        QCOMPARE(panel->findChild<QTableWidget*>(u"tblClassicSectors"_s)->rowCount(), 4);
        QVERIFY(panel->findChild<QTableWidget*>(u"tblClassicSectors"_s)->isVisible());
        const QString edge = panel->findChild<QLabel*>(u"lblEdge"_s)->text();
        QVERIFY(edge.contains(u"Hottest pocket") && edge.contains(u"Hottest arc") && edge.contains(u"Kelly"));
    }

    void pageSaysWhatItCannotShow_data()
    {
        QTest::addColumn<QChar>("wheel");
        QTest::addColumn<qint64>("each");
        QTest::addColumn<bool>("ring");
        QTest::addColumn<QString>("sectors");
        QTest::addColumn<QString>("edge");
        QTest::newRow("few spins") << QChar(u'R') << qint64(2) << true << u"not enough spins"_s
                                   << u"not enough spins"_s;
        QTest::newRow("mini wheel") << QChar(u'M') << qint64(40) << false << u""_s << u"Hottest pocket"_s;
    }
    void pageSaysWhatItCannotShow()
    {
        QFETCH(QChar, wheel);
        QFETCH(qint64, each);
        QFETCH(bool, ring);
        QFETCH(QString, sectors);
        QFETCH(QString, edge);
        std::unique_ptr<WheelPanel> panel(shown(figuresOf(wheel, each)));
        QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
        QCOMPARE(panel->findChild<WheelRing*>(u"wheelRing"_s)->isVisible(), ring);
        auto* scan = panel->findChild<QLabel*>(u"lblSectorScan"_s);
        QCOMPARE(scan->isVisible(), ring);
        if (ring)
            QVERIFY(scan->text().contains(sectors));
        else
            QVERIFY(panel->findChild<QLabel*>(u"lblWheelOrder"_s)->text().contains(u"no standard"));
        QVERIFY(!panel->findChild<QTableWidget*>(u"tblClassicSectors"_s)->isVisible());
        QVERIFY(panel->findChild<QLabel*>(u"lblEdge"_s)->text().contains(edge));
        QVERIFY(panel->findChild<QLabel*>(u"lblSpinsNeeded"_s)->text().contains(u"to see a 10"));
    }
};

QTEST_MAIN(TestWheelPanel)
#include "test_wheelpanel.moc"
