#include "BoardRig.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

using namespace spinledger;
using namespace spinledger::test;

class TestBoard : public QObject
{
    Q_OBJECT
private slots:
    void grabBoards();
};

void TestBoard::grabBoards()
{
    for (const Wheel* w : {&Wheel::r(), &Wheel::m()}) {
        BoardRig rig(*w);
        for (const char* c : {"EvenOdd", "LowHi", "2TO1", "Numbers"})
            rig.find<QCheckBox>(QStringLiteral("cb") + rig.letter() + QLatin1String(c))->setChecked(true);
        if (w->has(CategoryId::Dozens))
            rig.find<QCheckBox>(QStringLiteral("cbRDozens"))->setChecked(true);
        rig.playAll({"5", "8", "11", "2", "5", "8", "0", "7", "12", "3"});
        QVERIFY(rig.board.grab().save(QStringLiteral("/tmp/board_%1.png").arg(rig.letter())));
        qDebug() << rig.status.texts << rig.board.cellStates().filter(":COIN");
    }
}

QTEST_MAIN(TestBoard)
#include "test_board.moc"
