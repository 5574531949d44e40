// The keyboard's rules: what a key means, where it takes a list with no cursor and the board's
// focus; and on the real window, that a held Enter presses a cell once.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/keyboard.h"
#include "window/board_access.h"

using velsora::Place;
using velsora::keyboard::Meaning;
using velsora::testing::WindowDriver;

Q_DECLARE_METATYPE(Meaning)
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<Place>)

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void meanings_data();
    void meanings();
    void listWithoutCursor_data();
    void listWithoutCursor();
    void board_data();
    void board();
    void heldEnterPressesOnce();
};

void TestKeyboard::meanings_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<Meaning>("meaning");
    QTest::addColumn<bool>("cursorKey");
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    QTest::newRow("Enter") << int(Qt::Key_Return) << none << false << Meaning::Press << false;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false
                                  << Meaning::Press << false;
    QTest::newRow("Enter held") << int(Qt::Key_Return) << none << true << Meaning::HeldPress << false;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << false
                                << Meaning::None << false;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << false << Meaning::Space << false;
    QTest::newRow("keypad Down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::KeypadModifier) << false
                                 << Meaning::Down << true;
    QTest::newRow("Ctrl+Down") << int(Qt::Key_Down) << Qt::KeyboardModifiers(Qt::ControlModifier) << false
                               << Meaning::None << true;
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << false << Meaning::PageDown << true;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << false << Meaning::None << false;
}

void TestKeyboard::meanings()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(Meaning, meaning);
    QFETCH(bool, cursorKey);
    QCOMPARE(velsora::keyboard::meaningOf(key, modifiers, autoRepeat), meaning);
    QCOMPARE(velsora::keyboard::isCursorKey(key), cursorKey);
}

void TestKeyboard::listWithoutCursor_data()
{
    QTest::addColumn<Meaning>("meaning");
    QTest::addColumn<int>("count");
    QTest::addColumn<std::optional<int>>("row");
    // 20 numbers, 4 of them shown.
    QTest::newRow("Home") << Meaning::Home << 20 << std::optional<int>(0);
    QTest::newRow("End") << Meaning::End << 20 << std::optional<int>(19);
    QTest::newRow("Page Down") << Meaning::PageDown << 20 << std::optional<int>(3);
    QTest::newRow("Page Down, fewer numbers than shown") << Meaning::PageDown << 2 << std::optional<int>(1);
    QTest::newRow("Enter") << Meaning::Press << 20 << std::optional<int>();
    QTest::newRow("an empty list") << Meaning::End << 0 << std::optional<int>();
}

void TestKeyboard::listWithoutCursor()
{
    QFETCH(Meaning, meaning);
    QFETCH(int, count);
    QFETCH(std::optional<int>, row);
    QCOMPARE(velsora::keyboard::rowWithoutCursor(meaning, count, 4), row);
}

void TestKeyboard::board_data()
{
    QTest::addColumn<Meaning>("meaning");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<std::optional<Place>>("to");
    // A 5 x 5 board, from row 2, column 4 (counted from 0) or from its edges.
    QTest::newRow("Left") << Meaning::Left << 2 << 4 << std::optional(Place{2, 3});
    QTest::newRow("Right at the right edge") << Meaning::Right << 2 << 4 << std::optional(Place{2, 4});
    QTest::newRow("Up at the top") << Meaning::Up << 0 << 4 << std::optional(Place{0, 4});
    QTest::newRow("Down at the bottom") << Meaning::Down << 4 << 1 << std::optional(Place{4, 1});
    QTest::newRow("Home") << Meaning::Home << 2 << 3 << std::optional(Place{2, 0});
    QTest::newRow("End") << Meaning::End << 2 << 1 << std::optional(Place{2, 4});
    QTest::newRow("Page Down") << Meaning::PageDown << 2 << 1 << std::optional<Place>();
}

void TestKeyboard::board()
{
    QFETCH(Meaning, meaning);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(std::optional<Place>, to);
    QCOMPARE(velsora::stepOnBoard(meaning, {row, column}, 5), to);
}

// Enter held down on a cell places the chosen number, and its repeats do not take it back.
void TestKeyboard::heldEnterPressesOnce()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.selectItem(QStringLiteral("4"));
    QWidget* cell = d.controls().Command1(5).widget();
    QTest::keyPress(cell, Qt::Key_Return);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(cell, &repeat);
    }
    QTest::keyRelease(cell, Qt::Key_Return);
    QCOMPARE(d.cells()[5], QStringLiteral("4"));
    QVERIFY(!d.pool().contains(QStringLiteral("4")));
}

VELSORA_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
