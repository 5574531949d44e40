// Clear empties the board and refills the pool in order, keeping N; before Start it changes nothing.
#include "support/test_main.h"
#include "support/window_driver.h"

using velsora::Integer;
using velsora::testing::numbersUpTo;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

namespace {
void verifyFreshBoard(WindowDriver& d, int n)
{
    QCOMPARE(d.N(), n);
    QCOMPARE(d.cells(), QStringList(n * n, QString()));
    QCOMPARE(d.pool(), numbersUpTo(n * n));
    QCOMPARE(d.selectedRow(), -1);
    QCOMPARE(d.labels(), QStringList(2 * n, QStringLiteral("0")));
    QCOMPARE(d.controls().Command1.count(), n * n);
    QCOMPARE(d.controls().Label1.count(), 2 * n);
    for (int k = 0; k < n * n; ++k) {
        const auto& cell = d.controls().Command1(static_cast<Integer>(k));
        QVERIFY(cell.widget()->isVisible());
        QCOMPARE(QPointF(cell.Left(), cell.Top()), QPointF(960 + 420 * (k / n), 600 + 420 * (k % n)));
    }
    QVERIFY(!d.controls().Command2.widget()->isVisible());
    QVERIFY(d.errors().empty());
}
} // namespace

class TestClear : public QObject {
    Q_OBJECT
private slots:
    void clearAfterPlay_data();
    void clearAfterPlay();
    void clearBeforeStart();
};

void TestClear::clearAfterPlay_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<Steps>("before"); // the steps before Clear
    QTest::newRow("top row 8-1-6") << 3 << Steps{place("8", 0), place("1", 3), place("6", 6)};
    QTest::newRow("a number selected") << 3 << Steps{pick("4")};
    QTest::newRow("pool out of order") << 5 << Steps{place("1", 3), cell(3)};
    QTest::newRow("twice in a row") << 5 << Steps{clear()};
    QTest::newRow("N = 11 full board") << 11 << Steps{fill()};
}

void TestClear::clearAfterPlay()
{
    QFETCH(int, n);
    QFETCH(Steps, before);
    WindowDriver d;
    d.start(QString::number(n));
    d.play(before);
    d.clickClear();
    verifyFreshBoard(d, n);
}

void TestClear::clearBeforeStart()
{
    WindowDriver d;
    velsora::DesignControls& c = d.controls();
    d.clickClear();
    QCOMPARE(d.N(), 0);
    QCOMPARE(d.pool(), QStringList({"3", "5", "7", "9", "11"}));
    QCOMPARE(d.selectedRow(), 1);
    QVERIFY(c.Command2.widget()->isVisible());
    QVERIFY(c.Image1.widget()->isVisible());
    QVERIFY(!c.Command1(0).widget()->isVisible());
    QVERIFY(!c.Label1(0).widget()->isVisible());
    QCOMPARE(c.Command1.count(), 1);
    QCOMPARE(c.Label1.count(), 1);
    QCOMPARE(c.Command1(0).Caption(), QStringLiteral("0")); // hidden, so not seen
    d.start(QStringLiteral("3"));
    verifyFreshBoard(d, 3);
}

VELSORA_TEST_MAIN(TestClear)
#include "tst_clear.moc"
