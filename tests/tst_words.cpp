// What a screen reader is told of the board after real clicks: the cells' places and sums off the
// diagonal, the sum labels, and the news of each move, heard as the events a screen reader gets;
// also by a screen reader that starts in the middle of a game.
#include "support/test_main.h"
#include "support/window_driver.h"

#include <QAccessible>
#include <optional>

using velsora::Integer;
using velsora::testing::ScreenReader;
using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

class TestWords : public QObject {
    Q_OBJECT
private slots:
    void afterMoves_data();
    void afterMoves();
};

void TestWords::afterMoves_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<Steps>("moves");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("news");             // what the last move announced
    QTest::addColumn<bool>("lateReader");          // the screen reader starts after the moves
    const Steps two{place("8", 5), place("1", 3)}; // row 3, column 2, then row 1, column 2: column 2 adds to 9
    const QString news = "1, ред 1, колона 2, сума на реда 1, сума на колоната 9";
    QTest::newRow("a placed number") << "3" << two << "Command1(5)"
                                     << "ред 3, колона 2, сума на реда 8, сума на колоната 9" << news << false;
    QTest::newRow("an empty cell of the move's column")
        << "3" << two << "Command1(4)"
        << "ред 2, колона 2, празна, сума на реда 0, сума на колоната 9" << news << false;
    QTest::newRow("an empty cell of an earlier move's row")
        << "3" << two << "Command1(2)"
        << "ред 3, колона 1, празна, сума на реда 8, сума на колоната 0" << news << false;
    QTest::newRow("a number taken back") << "3" << Steps{place("8", 5), place("1", 3), cell(5)} << "Command1(5)"
                                         << "ред 3, колона 2, празна, сума на реда 0, сума на колоната 1"
                                         << "празна, ред 3, колона 2, сума на реда 0, сума на колоната 1" << false;
    QTest::newRow("5 x 5") << "5" << Steps{place("7", 11), place("2", 13)} << "Command1(11)"
                           << "ред 2, колона 3, сума на реда 7, сума на колоната 9"
                           << "2, ред 4, колона 3, сума на реда 2, сума на колоната 9" << false;
    QTest::newRow("a column's sum") << "3" << Steps{} << "Label1(4)"
                                    << "Сума на колона 2"
                                    << "Игра 3 на 3" << false;
    QTest::newRow("a row's sum after Clear") << "5" << Steps{clear()} << "Label1(4)"
                                             << "Сума на ред 5"
                                             << "Квадратът е изчистен, всички числа са в списъка" << false;
    QTest::newRow("the first column's sum after Clear") << "5" << Steps{place("4", 0), clear()} << "Label1(5)"
                                                        << "Сума на колона 1"
                                                        << "Квадратът е изчистен, всички числа са в списъка" << false;
    QTest::newRow("a screen reader that starts mid-game")
        << "3" << two << "Command1(4)"
        << "ред 2, колона 2, празна, сума на реда 0, сума на колоната 9" << QString() << true;
}

void TestWords::afterMoves()
{
    QFETCH(QString, size);
    QFETCH(Steps, moves);
    QFETCH(QString, control);
    QFETCH(QString, description);
    QFETCH(QString, news);
    QFETCH(bool, lateReader);
    std::optional<ScreenReader> reader;
    if (!lateReader) reader.emplace();
    WindowDriver d;
    d.start(size);
    d.play(moves);
    if (lateReader) reader.emplace();
    QWidget* widget = d.control(control).widget();
    QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description), description);
    QCOMPARE(ScreenReader::news(), news);
    QVERIFY(d.errors().empty());
}

VELSORA_TEST_MAIN(TestWords)
#include "tst_words.moc"
