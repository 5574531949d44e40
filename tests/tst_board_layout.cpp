// Board layout: every sum label and cell is loaded, placed in the grid and shown.
#include "support/test_main.h"
#include "support/window_driver.h"

using velsora::Integer;
using velsora::testing::WindowDriver;

class TestBoardLayout : public QObject {
    Q_OBJECT
private slots:
    void startBuildsGrid_data();
    void startBuildsGrid();
    void degenerateSides_data();
    void degenerateSides();
    void largestBoardFitsTheWindow();
};

void TestBoardLayout::startBuildsGrid_data()
{
    QTest::addColumn<int>("n");
    for (const int n : {3, 5, 7, 9, 11}) {
        QTest::addRow("N = %d", n) << n;
    }
}

void TestBoardLayout::startBuildsGrid()
{
    QFETCH(int, n);
    WindowDriver d;
    d.start(QString::number(n));
    QCOMPARE(d.N(), n);
    auto& cells = d.controls().Command1;
    auto& labels = d.controls().Label1;
    QCOMPARE(cells.count(), n * n);
    QCOMPARE(labels.count(), 2 * n);
    for (int k = 0; k < n * n; ++k) {
        const velsora::CommandButton& cell = cells(static_cast<Integer>(k));
        const QPointF twips(960 + 420 * (k / n), 600 + 420 * (k % n));
        QCOMPARE(QPointF(cell.Left(), cell.Top()), twips);
        QCOMPARE(cell.widget()->geometry(), QRect(64 + 28 * (k / n), 40 + 28 * (k % n), 28, 28));
        QVERIFY(cell.widget()->isVisible());
    }
    for (int r = 0; r < n; ++r) {
        const velsora::Label& row = labels(static_cast<Integer>(r));
        QCOMPARE(QPointF(row.Left(), row.Top()), QPointF(120, 600 + 420 * r));
        QCOMPARE(row.widget()->geometry(), QRect(8, 40 + 28 * r, 28, 28));
        QVERIFY(row.widget()->isVisible());
    }
    for (int c = 0; c < n; ++c) {
        const velsora::Label& column = labels(static_cast<Integer>(n + c));
        QCOMPARE(QPointF(column.Left(), column.Top()), QPointF(960 + 420 * c, 600 + 420 * (n + 1)));
        QCOMPARE(column.widget()->geometry(), QRect(64 + 28 * c, 40 + 28 * (n + 1), 28, 28));
        QVERIFY(column.widget()->isVisible());
    }
    // Cell N stands right of the template, not below it.
    QCOMPARE(cells(static_cast<Integer>(n)).Top(), cells(0).Top());
    QVERIFY(cells(static_cast<Integer>(n)).Left() > cells(0).Left());
}

void TestBoardLayout::degenerateSides_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QList<QPointF>>("labels"); // where each sum label stands
    QTest::addColumn<QStringList>("sums");      // and what it shows
    QTest::addColumn<int>("cells");
    QTest::newRow("N = 0: nothing loaded, no sum written") << 0 << QList<QPointF>{{120, 600}} << QStringList{""} << 1;
    QTest::newRow("N = 1: one column label")
        << 1 << QList<QPointF>{{120, 600}, {960, 1440}} << QStringList{"0", "0"} << 1;
}

void TestBoardLayout::degenerateSides()
{
    QFETCH(int, n);
    QFETCH(QList<QPointF>, labels);
    QFETCH(QStringList, sums);
    QFETCH(int, cells);
    WindowDriver d;
    velsora::DesignControls& c = d.controls();
    d.window().puzzle().N = static_cast<Integer>(n);
    d.window().puzzle().BuildBoard();
    QCOMPARE(c.Label1.count(), labels.size());
    for (Integer k = 0; k < labels.size(); ++k) {
        QCOMPARE(QPointF(c.Label1(k).Left(), c.Label1(k).Top()), labels[k]);
        QCOMPARE(c.Label1(k).Caption(), sums[k]);
        QCOMPARE(c.Label1(k).Visible(), k > 0); // loaded ones are shown; the template is hidden until Start
    }
    QCOMPARE(c.Command1.count(), cells);
    QCOMPARE(c.Command1(0).Left(), 960.0f); // the template moves right of the row labels
    QCOMPARE(c.Command1(0).Top(), 600.0f);
}

void TestBoardLayout::largestBoardFitsTheWindow()
{
    WindowDriver d;
    d.start(QStringLiteral("11"));
    velsora::DesignControls& c = d.controls();
    const QRect grid = c.Command1(0).widget()->geometry().united(c.Command1(120).widget()->geometry());
    QCOMPARE(grid.right() + 1, 5580 / 15);
    QVERIFY(grid.right() < c.Command3.widget()->x());
    QVERIFY(grid.right() < c.List1.widget()->x());
    const QRect lastColumnLabel = c.Label1(21).widget()->geometry();
    QCOMPARE(lastColumnLabel.bottom() + 1, 6060 / 15);
    QVERIFY(lastColumnLabel.bottom() < c.Text1(0).widget()->y());
}

VELSORA_TEST_MAIN(TestBoardLayout)
#include "tst_board_layout.moc"
