// Placing a selected number into an empty cell and taking a number back, as the player clicks.
#include "support/test_main.h"
#include "support/window_driver.h"

using velsora::Integer;
using velsora::testing::WindowDriver;

class TestMoves : public QObject {
    Q_OBJECT
private slots:
    void clicksWithNothingSelected();
    void placeAndTakeBack();
    void emptyCellAfterPlacementDoesNothing();
    void filledCellKeepsSelection();
    void fullBoardTakesBack();
    void takenBackCollectAtTheEnd();
};

void TestMoves::clicksWithNothingSelected()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    for (Integer k = 0; k < 9; ++k) {
        d.clickCell(k);
    }
    QCOMPARE(d.cells(), QStringList(9, QString()));
    QCOMPARE(d.pool(), QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9"}));
    QCOMPARE(d.labels(), QStringList(6, QStringLiteral("0")));
}

void TestMoves::placeAndTakeBack()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.clickRow(4);
    QCOMPARE(d.pool().value(d.selectedRow()), QStringLiteral("5"));
    d.clickCell(4); // the centre
    QCOMPARE(d.cells()[4], QStringLiteral("5"));
    QCOMPARE(d.pool(), QStringList({"1", "2", "3", "4", "6", "7", "8", "9"}));
    QCOMPARE(d.selectedRow(), -1);
    QCOMPARE(d.labels(), QStringList({"0", "5", "0", "0", "5", "0"}));

    d.clickCell(4);
    QCOMPARE(d.cells()[4], QString());
    QCOMPARE(d.pool(), QStringList({"1", "2", "3", "4", "6", "7", "8", "9", "5"}));
    QCOMPARE(d.labels(), QStringList(6, QStringLiteral("0")));
}

void TestMoves::emptyCellAfterPlacementDoesNothing()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.selectItem(QStringLiteral("2"));
    d.clickCell(0);
    d.clickCell(1);
    QCOMPARE(d.cells(), QStringList({"2", "", "", "", "", "", "", "", ""}));
    QCOMPARE(d.pool().size(), 8);
}

void TestMoves::filledCellKeepsSelection()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.selectItem(QStringLiteral("9"));
    d.clickCell(8);
    d.selectItem(QStringLiteral("1"));
    d.clickCell(8);
    QCOMPARE(d.cells()[8], QStringLiteral("9"));
    QCOMPARE(d.pool().value(d.selectedRow()), QStringLiteral("1"));
    d.clickCell(2); // the same selection serves the next click
    QCOMPARE(d.cells()[2], QStringLiteral("1"));
    QCOMPARE(d.labels(), QStringList({"0", "0", "10", "1", "0", "9"})); // row 2; columns 0 and 2
}

void TestMoves::fullBoardTakesBack()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    for (Integer k = 0; k < 9; ++k) {
        d.clickRow(0);
        d.clickCell(k);
    }
    QVERIFY(d.pool().isEmpty());
    QCOMPARE(d.controls().List1.ListIndex(), -1);
    d.clickCell(5);
    QCOMPARE(d.pool(), QStringList({"6"}));
    QCOMPARE(d.cells()[5], QString());
    QCOMPARE(d.selectedRow(), -1);
}

void TestMoves::takenBackCollectAtTheEnd()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    for (const auto& [number, cell] : {std::pair{"3", 0}, {"1", 1}, {"2", 2}}) {
        d.selectItem(QString::fromLatin1(number));
        d.clickCell(static_cast<Integer>(cell));
    }
    d.clickCell(2);
    d.clickCell(0);
    d.clickCell(1);
    QCOMPARE(d.pool(), QStringList({"4", "5", "6", "7", "8", "9", "2", "3", "1"}));
}

VELSORA_TEST_MAIN(TestMoves)
#include "tst_moves.moc"
