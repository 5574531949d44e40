// Start turns the size list into the pool and shows an empty board; the reset's limits.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/errors.h"

using velsora::Integer;
using velsora::testing::numbersUpTo;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void startState_data();
    void startState();
    void startWithoutSelectionDoesNothing();
    void startWorksOnce();
    void resetBelowThreeChangesNothing();
    void resetOverflow_data();
    void resetOverflow();
};

void TestStart::startState_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<int>("n");
    QTest::newRow("the load-time choice 5") << Steps{start()} << 5;
    for (const int size : {3, 7, 9, 11}) {
        QTest::newRow(qPrintable(QString::number(size))) << Steps{start(QString::number(size))} << size;
    }
}

void TestStart::startState()
{
    QFETCH(Steps, steps);
    QFETCH(int, n);
    WindowDriver d;
    d.play(steps);
    velsora::DesignControls& c = d.controls();
    QCOMPARE(d.N(), n);
    QCOMPARE(d.pool(), numbersUpTo(n * n));
    QCOMPARE(d.selectedRow(), -1);
    QCOMPARE(d.cells(), QStringList(n * n, QString()));
    QCOMPARE(d.labels(), QStringList(2 * n, QStringLiteral("0")));
    QVERIFY(!c.Command2.widget()->isVisible());
    QVERIFY(!c.Image1.widget()->isVisible());
    QVERIFY(c.Command1(0).widget()->isVisible());
    QVERIFY(c.Label1(0).widget()->isVisible());
    QVERIFY(d.errors().empty());
}

void TestStart::startWithoutSelectionDoesNothing()
{
    WindowDriver d;
    d.controls().List1.setListIndex(-1); // the player cannot empty it; only the program can
    QCOMPARE(d.selectedRow(), -1);
    d.clickStart();
    velsora::DesignControls& c = d.controls();
    QCOMPARE(d.N(), 0);
    QVERIFY(c.Command2.widget()->isVisible());
    QVERIFY(c.Image1.widget()->isVisible());
    QVERIFY(!c.Command1(0).widget()->isVisible());
    QCOMPARE(d.pool(), QStringList({"3", "5", "7", "9", "11"}));
    QVERIFY(d.errors().empty());
    // The player picks a size and starts after all.
    d.start(QStringLiteral("3"));
    QCOMPARE(d.N(), 3);
    QCOMPARE(d.pool(), numbersUpTo(9));
}

void TestStart::startWorksOnce()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.selectItem(QStringLiteral("9")); // a number that would read as a size
    d.window().puzzle().Command2_Click();
    QCOMPARE(d.N(), 3);
    QCOMPARE(d.pool(), numbersUpTo(9));
    QCOMPARE(d.selectedRow(), 8);
    QCOMPARE(d.controls().Command1.count(), 9);
    QVERIFY(d.errors().empty());
}

void TestStart::resetBelowThreeChangesNothing()
{
    WindowDriver d;
    velsora::Puzzle& puzzle = d.window().puzzle();
    for (const Integer n : {Integer{0}, Integer{1}, Integer{2}}) {
        puzzle.N = n;
        puzzle.ResetBoard();
        QCOMPARE(d.pool(), QStringList({"3", "5", "7", "9", "11"}));
        QCOMPARE(d.selectedRow(), 1);
    }
}

void TestStart::resetOverflow_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QString>("cell"); // what every cell shows afterwards
    // N = 16: every item appended and every cell emptied; the step past the last cell overflows.
    QTest::newRow("N = 16: fails after the last cell") << 16 << numbersUpTo(256) << "";
    // N = 17: only the list is emptied, as N*N - 1 does not fit a byte.
    QTest::newRow("N = 17: N*N - 1 does not fit a byte") << 17 << QStringList{} << "x";
}

void TestStart::resetOverflow()
{
    QFETCH(int, n);
    QFETCH(QStringList, pool);
    QFETCH(QString, cell);
    WindowDriver d;
    velsora::Puzzle& puzzle = d.window().puzzle();
    velsora::DesignControls& c = d.controls();
    puzzle.N = static_cast<Integer>(n);
    puzzle.BuildBoard();
    for (int k = 0; k < n * n; ++k) {
        c.Command1(static_cast<Integer>(k)).setCaption(QStringLiteral("x"));
    }
    for (int k = 0; k < 2 * n; ++k) {
        c.Label1(static_cast<Integer>(k)).setCaption(QStringLiteral("y"));
    }
    QVERIFY_THROWS_EXCEPTION(velsora::OverflowError, puzzle.ResetBoard());
    QCOMPARE(d.pool(), pool);
    QCOMPARE(d.cells(), QStringList(n * n, cell));
    // The row labels were not reached.
    QCOMPARE(d.labels(), QStringList(2 * n, QStringLiteral("y")));
}

VELSORA_TEST_MAIN(TestStart)
#include "tst_start.moc"
