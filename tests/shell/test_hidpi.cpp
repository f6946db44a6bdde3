// The windows on a screen of two device pixels per pixel: the board's cells and
// the installation folder's pictures show the detail drawn for that density,
// not pictures drawn for one enlarged.
#include "../board/BoardRig.h"
#include "ShellFixture.h"
#include "board/CellPictures.h"

#include <QApplication>
#include <QImageReader>
#include <QLabel>
#include <QMovie>
#include <QStyle>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

namespace {

// The pixels alone, whatever density the image claims.
QImage pixels(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    // At the design size and on a board grown by half: drawn for the size
    // shown, not enlarged.
    void boardCellsPaintTheirDevicePixels_data()
    {
        QTest::addColumn<QSize>("page");
        QTest::addColumn<QSize>("cell17");
        QTest::newRow("design") << QSize(673, 420) << QSize(41, 33);
        // Edges 384 and 445.5, 189 and 238.5, rounded.
        QTest::newRow("half as large again") << QSize(1010, 630) << QSize(62, 50);
    }
    void boardCellsPaintTheirDevicePixels()
    {
        QFETCH(QSize, page);
        QFETCH(QSize, cell17);
        BoardRig rig(Wheel::r());
        rig.board.resize(page);
        rig.play("17");
        QCOMPARE(rig.cell(u"17"_s)->size(), cell17);
        CellPictures pictures;
        for (const char* suffix : {"17", "BLACK", "1ST12"}) {
            BoardCell* cell = rig.cell(QString::fromLatin1(suffix));
            const QImage shown = cell->grab().toImage();
            QCOMPARE(shown.size(), cell->size() * 2);
            QVERIFY(cell->look());
            const QPixmap drawn =
                pictures.picture(Wheel::r(), cell->cellName(), *cell->look(), 2, cell->size());
            QVERIFY2(pixels(shown) == pixels(drawn.toImage()), suffix);
        }
    }

    void folderPicturesShowTheirDevicePixels_data()
    {
        QTest::addColumn<bool>("splash");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("picture");
        QTest::newRow("side panel card") << false << u"Gif89a1"_s << u"ka.cart"_s;
        QTest::newRow("splash wheel") << true << u"Gif89a2"_s << u"wheelanim"_s;
        QTest::newRow("splash title") << true << u"Gif89a3"_s << u"app.title"_s;
    }
    void folderPicturesShowTheirDevicePixels()
    {
        QFETCH(bool, splash);
        QFETCH(QString, label);
        QFETCH(QString, picture);
        ShellFixture f;
        copyBuiltImages(f);
        QCOMPARE(f.start(), Application::Outcome::Running);
        QWidget* window = splash ? static_cast<QWidget*>(&f.app->splash()) : f.main();
        auto* shown = window->findChild<QLabel*>(label);
        auto* movie = shown->findChild<QMovie*>();
        movie->setPaused(true);
        QVERIFY(movie->jumpToFrame(0));

        const QImage drawn = QImageReader(f.dir.filePath(u"images/%1@2x.gif"_s.arg(picture))).read();
        const QSize size = QImage(f.dir.filePath(u"images/%1.gif"_s.arg(picture))).size();
        QCOMPARE(drawn.size(), size * 2);
        // Where the label puts its picture, in device pixels.
        const QRect place =
            QStyle::alignedRect(shown->layoutDirection(), shown->alignment(), size, shown->contentsRect());
        QCOMPARE(pixels(shown->grab().toImage().copy(QRect(place.topLeft() * 2, place.size() * 2))),
                 pixels(drawn));
    }

    // The splash stays alive, hidden, for the whole session; a picture that
    // cannot be seen must not decode frame after frame.
    void picturesPlayOnlyWhileShown()
    {
        ShellFixture f;
        copyBuiltImages(f);
        QCOMPARE(f.start(), Application::Outcome::Running);
        const QList<QMovie*> splash = f.app->splash().findChildren<QMovie*>();
        QCOMPARE(splash.size(), 2);
        for (const QMovie* movie : splash)
            QCOMPARE(movie->state(), QMovie::Paused);
        QMovie* cart = f.main()->findChild<QLabel*>(u"Gif89a1"_s)->findChild<QMovie*>();
        QCOMPARE(cart->state(), QMovie::Running);
        f.main()->hide();
        QCOMPARE(cart->state(), QMovie::Paused);
        f.main()->show();
        QCOMPARE(cart->state(), QMovie::Running);
    }

private:
    static void copyBuiltImages(ShellFixture& f)
    {
        for (const QString& file : QDir(QStringLiteral(SPINLEDGER_IMAGES)).entryList(QDir::Files)) {
            QFile::remove(f.dir.filePath(u"images/"_s + file));
            QVERIFY(QFile::copy(QStringLiteral(SPINLEDGER_IMAGES "/") + file,
                                f.dir.filePath(u"images/"_s + file)));
        }
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidpi.moc"
