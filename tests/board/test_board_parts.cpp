#include "board/AmountText.h"

#include <QTest>

using namespace spinledger;

class TestBoardParts : public QObject
{
    Q_OBJECT
private slots:
    void amountText();
};

void TestBoardParts::amountText() {}

QTEST_MAIN(TestBoardParts)
#include "test_board_parts.moc"
