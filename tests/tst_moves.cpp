// Placing a selected number into an empty cell and taking a number back, as the player clicks.
#include "support/test_main.h"
#include "support/window_driver.h"

using velsora::testing::numbersUpTo;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

class TestMoves : public QObject {
    Q_OBJECT
private slots:
    void moves_data();
    void moves();
};

void TestMoves::moves_data()
{
    // On a 3 x 3 board (cell k in row k % 3, column k / 3), after the clicks: the cells, the pool,
    // the number selected ("" for none) and the sums, rows then columns.
    QTest::addColumn<Steps>("clicks");
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("sums");
    const QStringList empty(9, QString());
    const QStringList zeros(6, QStringLiteral("0"));
    QStringList centre = empty;
    centre[4] = QStringLiteral("5");
    QStringList twoInCorner = empty;
    twoInCorner[0] = QStringLiteral("2");
    QStringList nineAndOne = empty;
    nineAndOne[8] = QStringLiteral("9");
    QStringList nineAndOneTwice = nineAndOne;
    nineAndOneTwice[2] = QStringLiteral("1");
    QStringList full = numbersUpTo(9);
    QStringList fullButSix = full;
    fullButSix[5] = QString();

    QTest::newRow("clicks with nothing selected change nothing")
        << Steps{cell(0), cell(4), cell(8)} << empty << numbersUpTo(9) << "" << zeros;
    QTest::newRow("a click in the list selects") << Steps{row(4)} << empty << numbersUpTo(9) << "5" << zeros;
    QTest::newRow("5 placed in the centre")
        << Steps{row(4), cell(4)} << centre << QStringList{"1", "2", "3", "4", "6", "7", "8", "9"} << ""
        << QStringList{"0", "5", "0", "0", "5", "0"};
    QTest::newRow("and taken back to the end of the pool")
        << Steps{row(4), cell(4), cell(4)} << empty << QStringList{"1", "2", "3", "4", "6", "7", "8", "9", "5"} << ""
        << zeros;
    QTest::newRow("an empty cell after a placement stays empty")
        << Steps{place("2", 0), cell(1)} << twoInCorner << QStringList{"1", "3", "4", "5", "6", "7", "8", "9"} << ""
        << QStringList{"2", "0", "0", "2", "0", "0"};
    QTest::newRow("a filled cell keeps the selection")
        << Steps{place("9", 8), pick("1"), cell(8)} << nineAndOne << QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}
        << "1" << QStringList{"0", "0", "9", "0", "0", "9"};
    QTest::newRow("which serves the next click")
        << Steps{place("9", 8), pick("1"), cell(8), cell(2)} << nineAndOneTwice
        << QStringList{"2", "3", "4", "5", "6", "7", "8"} << "" << QStringList{"0", "0", "10", "1", "0", "9"};
    QTest::newRow("a full board leaves nothing to select")
        << Steps{fill()} << full << QStringList{} << "" << QStringList{"12", "15", "18", "6", "15", "24"};
    QTest::newRow("a click on a full board takes back") << Steps{fill(), cell(5)} << fullButSix << QStringList{"6"}
                                                        << "" << QStringList{"12", "15", "12", "6", "9", "24"};
    QTest::newRow("numbers taken back collect at the end in turn")
        << Steps{place("3", 0), place("1", 1), place("2", 2), cell(2), cell(0), cell(1)} << empty
        << QStringList{"4", "5", "6", "7", "8", "9", "2", "3", "1"} << "" << zeros;
}

void TestMoves::moves()
{
    QFETCH(Steps, clicks);
    QFETCH(QStringList, cells);
    QFETCH(QStringList, pool);
    QFETCH(QString, selected);
    QFETCH(QStringList, sums);
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.play(clicks);
    QCOMPARE(d.cells(), cells);
    QCOMPARE(d.pool(), pool);
    QCOMPARE(d.pool().value(d.selectedRow()), selected);
    QCOMPARE(d.labels(), sums);
    QVERIFY(d.errors().empty());
}

VELSORA_TEST_MAIN(TestMoves)
#include "tst_moves.moc"
