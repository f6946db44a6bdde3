// The board on a screen of two device pixels per pixel: every cell picture is
// drawn at that density, not enlarged from one drawn for one.
#include "BoardRig.h"
#include "board/BoardGeometry.h"
#include "board/CellPictures.h"

#include <QApplication>
#include <QtTest>

using namespace spinledger;
using namespace spinledger::test;

class TestBoardHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void cellsPaintTheirDevicePixels()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        BoardRig rig(Wheel::r());
        rig.play("17");
        CellPictures pictures;
        for (const QString& suffix :
             {QStringLiteral("17"), QStringLiteral("BLACK"), QStringLiteral("1ST12")}) {
            BoardCell* cell = rig.cell(suffix);
            const QImage shown = cell->grab().toImage().convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(shown.size(), cell->size() * 2);
            const QImage drawn =
                pictures.picture(cell->picture(), 2).toImage().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(shown == drawn, qPrintable(cell->picture()));
        }
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestBoardHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_board_hidpi.moc"
