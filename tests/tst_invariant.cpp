// Long seeded random play: every number stays exactly once on the board or in the pool, and
// every label shows the sum recomputed from the captions. Run with --seed N to repeat a run.
#include "support/test_main.h"
#include "support/window_driver.h"

#include <QRandomGenerator>

using velsora::testing::expectedSums;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

class TestInvariant : public QObject {
    Q_OBJECT
public:
    explicit TestInvariant(quint32 seed) : seed(seed) {}
    const quint32 seed; // printed at start; --seed repeats a run

private slots:
    void randomPlay_data();
    void randomPlay();
};

void TestInvariant::randomPlay_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("steps");
    QTest::newRow("N = 3") << 3 << 3000;
    QTest::newRow("N = 5") << 5 << 3000;
    QTest::newRow("N = 7") << 7 << 2000;
    QTest::newRow("N = 11") << 11 << 2500;
}

void TestInvariant::randomPlay()
{
    QFETCH(int, n);
    QFETCH(int, steps);
    QRandomGenerator random(seed + static_cast<quint32>(n));
    WindowDriver d;
    d.start(QString::number(n));
    for (int step = 0; step < steps; ++step) {
        // Every step is a move the player can make: choose a number, click a cell, or Clear.
        const int roll = random.bounded(100);
        const velsora::testing::Step action = roll < 44 && !d.pool().isEmpty()
                                                  ? row(random.bounded(static_cast<int>(d.pool().size())))
                                              : roll < 98 ? cell(random.bounded(n * n))
                                                          : clear();
        d.play({action});

        QStringList all = d.numbersInPlay();
        std::sort(all.begin(), all.end(), [](const QString& a, const QString& b) { return a.toInt() < b.toInt(); });
        if (all != velsora::testing::numbersUpTo(n * n) || d.labels() != expectedSums(d.cells(), n)) {
            QFAIL(qPrintable(QStringLiteral("step %1 broke the board; seed %2").arg(step).arg(seed)));
        }
    }
    QVERIFY(d.errors().empty());
}

VELSORA_SEEDED_TEST_MAIN(TestInvariant)
#include "tst_invariant.moc"
