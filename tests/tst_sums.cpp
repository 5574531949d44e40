// Row and column sums follow the board: worked examples and full magic squares of every size.
#include "support/test_main.h"
#include "support/window_driver.h"

using velsora::Integer;
using velsora::testing::expectedSums;
using velsora::testing::siameseSquare;
using velsora::testing::WindowDriver;

class TestSums : public QObject {
    Q_OBJECT
private slots:
    void singleNumber();
    void magicSquare_data();
    void magicSquare();
};

void TestSums::singleNumber()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.selectItem(QStringLiteral("7"));
    d.clickCell(1); // row 1, column 0
    QCOMPARE(d.labels(), QStringList({"0", "7", "0", "7", "0", "0"}));
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
    const QStringList square = siameseSquare(n);
    for (int k = 0; k < n * n; ++k) {
        d.selectItem(square[k]);
        d.clickCell(static_cast<Integer>(k));
        QCOMPARE(d.labels(), expectedSums(d.cells(), n));
    }
    QCOMPARE(d.cells(), square);
    QVERIFY(d.pool().isEmpty());
    const QString magic = QString::number(n * (n * n + 1) / 2);
    QCOMPARE(d.labels(), QStringList(2 * n, magic));
    if (n == 3) {
        QCOMPARE(square, QStringList({"8", "3", "4", "1", "5", "9", "6", "7", "2"}));
    }

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
