// Checked 16-bit and 8-bit arithmetic at its edges, and the number/text conversions.
#include "platform/checked.h"
#include "platform/errors.h"

#include <QTest>
#include <vector>

using velsora::Integer;

class TestChecked : public QObject {
    Q_OBJECT
private slots:
    void integerArithmetic_data();
    void integerArithmetic();
    void byteArithmetic_data();
    void byteArithmetic();
    void roundToInteger_data();
    void roundToInteger();
    void parseNumber_data();
    void parseNumber();
    void formatInteger_data();
    void formatInteger();
    void floatingPoint();
    void loops();
};

void TestChecked::integerArithmetic_data()
{
    QTest::addColumn<char>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("expected"); // ignored when it overflows
    QTest::addColumn<bool>("overflows");
    QTest::newRow("32767 + 1") << '+' << 32767 << 1 << 0 << true;
    QTest::newRow("32766 + 1") << '+' << 32766 << 1 << 32767 << false;
    QTest::newRow("-32768 - 1") << '-' << -32768 << 1 << 0 << true;
    QTest::newRow("-32767 - 1") << '-' << -32767 << 1 << -32768 << false;
    QTest::newRow("181 * 181") << '*' << 181 << 181 << 32761 << false;
    QTest::newRow("182 * 182") << '*' << 182 << 182 << 0 << true;
    QTest::newRow("11 * 11") << '*' << 11 << 11 << 121 << false;
    QTest::newRow("-1 * -32768") << '*' << -1 << -32768 << 0 << true;
    QTest::newRow("17 \\ 5") << '/' << 17 << 5 << 3 << false;
    QTest::newRow("-17 \\ 5 truncates") << '/' << -17 << 5 << -3 << false;
    QTest::newRow("-32768 \\ -1") << '/' << -32768 << -1 << 0 << true;
    QTest::newRow("17 mod 5") << '%' << 17 << 5 << 2 << false;
    QTest::newRow("-17 mod 5 keeps sign") << '%' << -17 << 5 << -2 << false;
}

void TestChecked::integerArithmetic()
{
    QFETCH(char, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, expected);
    QFETCH(bool, overflows);
    const auto x = static_cast<Integer>(a);
    const auto y = static_cast<Integer>(b);
    auto run = [&] {
        switch (op) {
        case '+':
            return velsora::add(x, y);
        case '-':
            return velsora::sub(x, y);
        case '*':
            return velsora::mul(x, y);
        case '/':
            return velsora::idiv(x, y);
        default:
            return velsora::mod(x, y);
        }
    };
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(velsora::OverflowError, run());
    } else {
        QCOMPARE(run(), expected);
    }
}

void TestChecked::byteArithmetic_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("lastFits");
    QTest::addColumn<int>("passesBeforeOverflow"); // -1: the loop ends normally
    QTest::newRow("N = 11") << 11 << true << -1;
    QTest::newRow("N = 15") << 15 << true << -1;
    QTest::newRow("N = 16: 255 + 1 overflows after the last pass") << 16 << true << 256;
    QTest::newRow("N = 17: N*N - 1 does not fit") << 17 << false << 0;
}

void TestChecked::byteArithmetic()
{
    QFETCH(int, n);
    QFETCH(bool, lastFits);
    QFETCH(int, passesBeforeOverflow);
    const Integer last16 = velsora::sub(velsora::mul(static_cast<Integer>(n), static_cast<Integer>(n)), 1);
    if (!lastFits) {
        QVERIFY_THROWS_EXCEPTION(velsora::OverflowError, (void)velsora::toByte(last16));
        return;
    }
    const velsora::Byte last = velsora::toByte(last16);
    int passes = 0;
    bool overflowed = false;
    try {
        velsora::ForEachByte(0, last, [&](velsora::Byte) { ++passes; });
    } catch (const velsora::OverflowError&) {
        overflowed = true;
    }
    QCOMPARE(overflowed, passesBeforeOverflow >= 0);
    QCOMPARE(passes, n * n);
    QVERIFY_THROWS_EXCEPTION(velsora::OverflowError, (void)velsora::toByte(-1));
}

void TestChecked::roundToInteger_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("overflows");
    QTest::newRow("2.5 to even 2") << 2.5 << 2 << false;
    QTest::newRow("3.5 to even 4") << 3.5 << 4 << false;
    QTest::newRow("-0.5 to 0") << -0.5 << 0 << false;
    QTest::newRow("-1.5 to -2") << -1.5 << -2 << false;
    QTest::newRow("2.4999") << 2.4999 << 2 << false;
    QTest::newRow("32767.4") << 32767.4 << 32767 << false;
    QTest::newRow("32767.5 rounds to 32768") << 32767.5 << 0 << true;
    QTest::newRow("-32768.5 rounds to even -32768") << -32768.5 << -32768 << false;
    QTest::newRow("-32769") << -32769.0 << 0 << true;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0 << true;
}

void TestChecked::roundToInteger()
{
    QFETCH(double, number);
    QFETCH(int, expected);
    QFETCH(bool, overflows);
    if (overflows) {
        QVERIFY_THROWS_EXCEPTION(velsora::OverflowError, (void)velsora::RoundToInteger(number));
    } else {
        QCOMPARE(velsora::RoundToInteger(number), expected);
    }
}

void TestChecked::parseNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("digits") << QStringLiteral("121") << 121.0;
    QTest::newRow("zero") << QStringLiteral("0") << 0.0;
    QTest::newRow("leading blanks") << QStringLiteral("  7") << 7.0;
    QTest::newRow("trailing text ignored") << QStringLiteral("15abc") << 15.0;
    QTest::newRow("negative") << QStringLiteral("-3") << -3.0;
    QTest::newRow("fraction") << QStringLiteral("2.5") << 2.5;
    QTest::newRow("not a number") << QStringLiteral("Начало") << 0.0;
    QTest::newRow("lone dot") << QStringLiteral(".") << 0.0;
}

void TestChecked::parseNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(velsora::ParseNumber(text), expected);
}

void TestChecked::formatInteger_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zero") << 0 << QStringLiteral("0");
    QTest::newRow("positive, no leading blank") << 15 << QStringLiteral("15");
    QTest::newRow("negative") << -32768 << QStringLiteral("-32768");
}

void TestChecked::formatInteger()
{
    QFETCH(int, value);
    QFETCH(QString, expected);
    QCOMPARE(velsora::FormatInteger(static_cast<Integer>(value)), expected);
}

void TestChecked::floatingPoint()
{
    const double huge = std::numeric_limits<double>::max();
    QVERIFY_THROWS_EXCEPTION(velsora::FloatingPointError, (void)velsora::fadd(huge, huge));
    QVERIFY_THROWS_EXCEPTION(velsora::FloatingPointError, (void)velsora::fmul(huge, 2.0));
    QVERIFY_THROWS_EXCEPTION(velsora::FloatingPointError,
                             (void)velsora::fadd(std::numeric_limits<double>::quiet_NaN(), 1.0));
    QVERIFY_THROWS_EXCEPTION(velsora::OverflowError, (void)velsora::ToSingle(1e39));
    QCOMPARE(velsora::ToSingle(5640.0), 5640.0f);
}

void TestChecked::loops()
{
    std::vector<Integer> seen;
    velsora::ForEach(3, 2, [&](Integer k) { seen.push_back(k); });
    QVERIFY2(seen.empty(), "a loop whose first value exceeds its last runs no pass");
    velsora::ForEach(-1, 1, [&](Integer k) { seen.push_back(k); });
    QCOMPARE(seen, (std::vector<Integer>{-1, 0, 1}));
    // The step past 32767 overflows, after the last pass has run.
    int passes = 0;
    QVERIFY_THROWS_EXCEPTION(velsora::OverflowError, velsora::ForEach(32766, 32767, [&](Integer) { ++passes; }));
    QCOMPARE(passes, 2);
}

QTEST_APPLESS_MAIN(TestChecked)
#include "tst_checked.moc"
