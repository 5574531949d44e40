// A click interrupted at any write by a platform failure may double a number but never loses one.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/faults.h"

using velsora::Integer;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

class TestFaultInjection : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { velsora::faults::disarm(); }
    void interruptedMove_data();
    void interruptedMove();
};

void TestFaultInjection::interruptedMove_data()
{
    QTest::addColumn<Steps>("before");  // on a 3 x 3 board
    QTest::addColumn<int>("cell");      // the click that is interrupted
    QTest::addColumn<QString>("moved"); // the number it moves
    QTest::newRow("placing a number") << Steps{place("5", 4), pick("7")} << 0 << "7";
    QTest::newRow("taking a number back") << Steps{place("5", 4)} << 4 << "5";
}

void TestFaultInjection::interruptedMove()
{
    QFETCH(Steps, before);
    QFETCH(int, cell);
    QFETCH(QString, moved);
    // Fail the first write of the click, then the second, and so on until a click completes.
    for (int allowed = 0;; ++allowed) {
        WindowDriver d;
        d.start(QStringLiteral("3"));
        d.play(before);

        velsora::faults::failAfter(allowed);
        d.clickCell(static_cast<Integer>(cell));
        velsora::faults::disarm();
        const bool failed = !d.errors().empty();

        const QStringList everywhere = d.numbersInPlay();
        for (int v = 1; v <= 9; ++v) {
            const QString number = QString::number(v);
            const auto times = everywhere.count(number);
            QVERIFY2(times >= 1, qPrintable(QStringLiteral("%1 lost after %2 writes").arg(number).arg(allowed)));
            QVERIFY(times == 1 || (number == moved && times == 2 && failed));
        }
        if (!failed) {
            QVERIFY(allowed > 2); // the move's two writes and at least one sum label
            QCOMPARE(d.labels(), velsora::testing::expectedSums(d.cells(), 3));
            break;
        }
        // Clear mends a doubled number.
        d.clickClear();
        QCOMPARE(d.pool().size(), 9);
        QCOMPARE(d.errors().size(), std::size_t{1});
    }
}

VELSORA_TEST_MAIN(TestFaultInjection)
#include "tst_fault_injection.moc"
