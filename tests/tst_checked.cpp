// Checked 16-bit and 8-bit arithmetic at its edges, and the number/text conversions.
#include "platform/checked.h"
#include "platform/errors.h"

#include <QTest>
#include <vector>

using velsora::Integer;
using Operation = Integer (*)(Integer, Integer);
Q_DECLARE_METATYPE(Operation)

namespace {
// What a calculation comes to, as text: its value, or the error it raises.
template <class Calculation> QString outcomeOf(const Calculation& calculation)
{
    try {
        return QString::number(calculation());
    } catch (const velsora::OverflowError&) {
        return QStringLiteral("overflow");
    } catch (const velsora::FloatingPointError&) {
        return QStringLiteral("floating point");
    }
}
} // namespace

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
    QTest::addColumn<Operation>("op");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("32767 + 1") << Operation(velsora::add) << 32767 << 1 << "overflow";
    QTest::newRow("32766 + 1") << Operation(velsora::add) << 32766 << 1 << "32767";
    QTest::newRow("-32768 - 1") << Operation(velsora::sub) << -32768 << 1 << "overflow";
    QTest::newRow("-32767 - 1") << Operation(velsora::sub) << -32767 << 1 << "-32768";
    QTest::newRow("181 * 181") << Operation(velsora::mul) << 181 << 181 << "32761";
    QTest::newRow("182 * 182") << Operation(velsora::mul) << 182 << 182 << "overflow";
    QTest::newRow("11 * 11") << Operation(velsora::mul) << 11 << 11 << "121";
    QTest::newRow("-1 * -32768") << Operation(velsora::mul) << -1 << -32768 << "overflow";
    QTest::newRow("17 \\ 5") << Operation(velsora::idiv) << 17 << 5 << "3";
    QTest::newRow("-17 \\ 5 truncates") << Operation(velsora::idiv) << -17 << 5 << "-3";
    QTest::newRow("-32768 \\ -1") << Operation(velsora::idiv) << -32768 << -1 << "overflow";
    QTest::newRow("17 \\ 0") << Operation(velsora::idiv) << 17 << 0 << "floating point";
    QTest::newRow("17 mod 5") << Operation(velsora::mod) << 17 << 5 << "2";
    QTest::newRow("-17 mod 5 keeps sign") << Operation(velsora::mod) << -17 << 5 << "-2";
}

void TestChecked::integerArithmetic()
{
    QFETCH(Operation, op);
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(QString, outcome);
    QCOMPARE(outcomeOf([&] { return op(static_cast<Integer>(a), static_cast<Integer>(b)); }), outcome);
}

void TestChecked::byteArithmetic_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("outcome"); // of a byte loop from 0 to N*N - 1
    QTest::newRow("N = 11") << 11 << "121 passes";
    QTest::newRow("N = 15") << 15 << "225 passes";
    QTest::newRow("N = 16: 255 + 1 overflows after the last pass") << 16 << "overflow after 256 passes";
    QTest::newRow("N = 17: N*N - 1 does not fit") << 17 << "overflow after 0 passes";
}

void TestChecked::byteArithmetic()
{
    QFETCH(int, n);
    QFETCH(QString, outcome);
    int passes = 0;
    const QString seen = outcomeOf([&] {
        const Integer last = velsora::sub(velsora::mul(static_cast<Integer>(n), static_cast<Integer>(n)), 1);
        velsora::ForEachByte(0, velsora::toByte(last), [&](velsora::Byte) { ++passes; });
        return passes;
    });
    QCOMPARE(seen == QLatin1String("overflow") ? QStringLiteral("overflow after %1 passes").arg(passes)
                                               : QStringLiteral("%1 passes").arg(seen),
             outcome);
    QCOMPARE(outcomeOf([] { return velsora::toByte(-1); }), QStringLiteral("overflow"));
}

void TestChecked::roundToInteger_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("2.5 to even 2") << 2.5 << "2";
    QTest::newRow("3.5 to even 4") << 3.5 << "4";
    QTest::newRow("-0.5 to 0") << -0.5 << "0";
    QTest::newRow("-1.5 to -2") << -1.5 << "-2";
    QTest::newRow("2.4999") << 2.4999 << "2";
    QTest::newRow("32767.4") << 32767.4 << "32767";
    QTest::newRow("32767.5 rounds to 32768") << 32767.5 << "overflow";
    QTest::newRow("-32768.5 rounds to even -32768") << -32768.5 << "-32768";
    QTest::newRow("-32769") << -32769.0 << "overflow";
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << "overflow";
}

void TestChecked::roundToInteger()
{
    QFETCH(double, number);
    QFETCH(QString, outcome);
    QCOMPARE(outcomeOf([&] { return velsora::RoundToInteger(number); }), outcome);
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
