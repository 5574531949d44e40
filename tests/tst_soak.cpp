// Long play at N = 11: 1,000 Clears and 100,000 random clicks. Under the sanitizers it must not
// leak or touch freed memory; in the plain build the peak resident memory must stay flat.
#include "support/settle.h"
#include "support/test_main.h"
#include "support/window_driver.h"

#include <sys/resource.h>

using velsora::Integer;
using velsora::testing::WindowDriver;

namespace {
// GCC says so with __SANITIZE_ADDRESS__, Clang with __has_feature.
#if defined(__SANITIZE_ADDRESS__)
#define VELSORA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELSORA_ASAN 1
#endif
#endif
#ifdef VELSORA_ASAN
constexpr bool kSanitized = true; // its allocator keeps freed memory in quarantine
#else
constexpr bool kSanitized = false;
#endif

// Peak resident set size of this process, in KiB.
long peakResidentKiB()
{
    rusage usage{};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : -1;
}
} // namespace

using velsora::testing::settle;

class TestSoak : public QObject {
    Q_OBJECT
public:
    explicit TestSoak(quint32 seed) : seed(seed) {}
    const quint32 seed; // printed at start; --seed repeats a run

private slots:
    void longPlay();
};

void TestSoak::longPlay()
{
    constexpr int kClicks = 100'000;
    constexpr int kClears = 1'000;
    QRandomGenerator random(seed);
    WindowDriver d;
    d.start(QStringLiteral("11"));
    d.clickClear();
    settle();
    const long afterFirstClear = peakResidentKiB();

    int clicks = 0;
    int clears = 1;
    while (clicks < kClicks) {
        if (random.bounded(2) == 0 && !d.pool().isEmpty()) {
            d.clickRow(random.bounded(static_cast<int>(d.pool().size())));
        } else {
            d.clickCell(static_cast<Integer>(random.bounded(121)));
        }
        ++clicks;
        if (clicks % (kClicks / (kClears - 1)) == 0 && clears < kClears) {
            d.clickClear();
            ++clears;
        }
        if (clicks % 500 == 0) {
            settle(); // paint, as the running event loop would
        }
    }
    while (clears < kClears) {
        d.clickClear();
        ++clears;
    }
    settle();
    QCOMPARE(clears, kClears);
    QVERIFY(d.errors().empty());
    QCOMPARE(d.numbersInPlay().size(), 121); // every number still on the board or in the pool

    const long afterSoak = peakResidentKiB();
    qInfo("peak resident memory: %ld KiB after the first Clear, %ld KiB after the soak", afterFirstClear, afterSoak);
    if (kSanitized) {
        QSKIP("the sanitizer's quarantine keeps freed memory; leaks are checked at exit instead");
    }
    QVERIFY(afterFirstClear > 0);
    QVERIFY2(afterSoak - afterFirstClear <= 1024, "peak memory grew by more than 1 MiB");
}

VELSORA_SEEDED_TEST_MAIN(TestSoak)
#include "tst_soak.moc"
