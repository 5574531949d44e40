// Row and column sums follow the board: worked examples and full magic squares of every size.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "puzzle/example_square.h"

using velsora::Integer;
using velsora::testing::expectedSums;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

class TestSums : public QObject {
    Q_OBJECT
private slots:
    void examples_data();
    void examples();
    void magicSquare_data();
    void magicSquare();
};

void TestSums::examples_data()
{
    QTest::addColumn<Steps>("clicks"); // on a 3 x 3 board
    QTest::addColumn<QStringList>("sums");
    QTest::newRow("7 in row 1, column 0") << Steps{place("7", 1)} << QStringList{"0", "7", "0", "7", "0", "0"};
    QTest::newRow("8 3 4 1 5 9 6 7 2: every sum 15")
        << Steps{place("8", 0), place("3", 1), place("4", 2), place("1", 3), place("5", 4),
                 place("9", 5), place("6", 6), place("7", 7), place("2", 8)}
        << QStringList(6, "15");
}

void TestSums::examples()
{
    QFETCH(Steps, clicks);
    QFETCH(QStringList, sums);
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.play(clicks);
    QCOMPARE(d.labels(), sums);
}

void TestSums::magicSquare_data()
{
    QTest::addColumn<int>("n");
    for (const int n : {3, 5, 7, 9, 11}) {
        QTest::addRow("N = %d", n) << n;
    }
}

void TestSums::magicSquare()
{
    QFETCH(int, n);
    WindowDriver d;
    d.start(QString::number(n));
    const auto rows = velsora::siameseSquare(n);
    QStringList square; // in board order, column by column
    for (int k = 0; k < n * n; ++k)
        square << QString::number(rows[std::size_t(k % n)][std::size_t(k / n)]);
    for (int k = 0; k < n * n; ++k) {
        d.selectItem(square[k]);
        d.clickCell(static_cast<Integer>(k));
        QCOMPARE(d.labels(), expectedSums(d.cells(), n));
    }
    QCOMPARE(d.cells(), square);
    QVERIFY(d.pool().isEmpty());
    const QString magic = QString::number(n * (n * n + 1) / 2);
    QCOMPARE(d.labels(), QStringList(2 * n, magic));

    // Taking numbers back lowers exactly their row and column sums.
    for (int k = 0; k < n * n; k += n + 1) {
        const int value = d.cells()[k].toInt();
        const QStringList before = d.labels();
        d.clickCell(static_cast<Integer>(k));
        QCOMPARE(d.cells()[k], QString());
        QCOMPARE(d.pool().last(), QString::number(value));
        const QStringList after = d.labels();
        QCOMPARE(after[k % n].toInt(), before[k % n].toInt() - value);
        QCOMPARE(after[n + k / n].toInt(), before[n + k / n].toInt() - value);
        QCOMPARE(after, expectedSums(d.cells(), n));
    }
}

VELSORA_TEST_MAIN(TestSums)
#include "tst_sums.moc"
