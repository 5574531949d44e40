// What a screen reader gets from every control, and a game played with the keyboard alone.
#include "support/test_main.h"
#include "support/window_driver.h"

#include <QAccessible>
#include <algorithm>
#include <optional>

using velsora::Integer;
using velsora::testing::ScreenReader;
using velsora::testing::WindowDriver;

namespace {
QAccessibleInterface* accessible(velsora::Control& control)
{
    return QAccessible::queryAccessibleInterface(control.widget());
}
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init() { reader_.emplace(); }
    void cleanup() { reader_.reset(); }
    void designControls_data();
    void designControls();
    void namesFollowCaptions();
    void keyboardPlay();
    void arrowsAfterClears_data();
    void arrowsAfterClears();

private:
    std::optional<ScreenReader> reader_;
};

void TestAccessibility::designControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("Start") << "Command2" << int(QAccessible::Button) << "Начало"
                           << "Започва игра с избраната страна на квадрата";
    QTest::newRow("Clear") << "Command3" << int(QAccessible::Button) << "Чисти"
                           << "Изпразва квадрата и връща всички числа в списъка";
    QTest::newRow("list") << "List1" << int(QAccessible::List) << "Списък с числа"
                          << "Преди началото: страната на квадрата. След това: числата, които още не са поставени";
    QTest::newRow("help") << "Text1(0)" << int(QAccessible::EditableText) << "Помощ"
                          << "Описание на играта и как се играе";
    QTest::newRow("picture") << "Image1" << int(QAccessible::Graphic)
                             << "Пример: магически квадрат 5 на 5 по сиамския метод"
                             << "Редове: 17 24 1 8 15; 23 5 7 14 16; 4 6 13 20 22; 10 12 19 21 3; 11 18 25 2 9. "
                                "Всяка сума е 65";
    QTest::newRow("title") << "Label2(0)" << int(QAccessible::StaticText) << "Velsora"
                           << "Заглавие";
}

void TestAccessibility::designControls()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    WindowDriver d;
    velsora::Control& target = d.control(control);
    QAccessibleInterface* iface = accessible(target);
    QVERIFY(iface != nullptr);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
}

void TestAccessibility::namesFollowCaptions()
{
    WindowDriver d;
    d.start(QStringLiteral("3"));
    d.selectItem(QStringLiteral("8"));
    d.clickCell(0);
    QCOMPARE(accessible(d.controls().Command1(0))->text(QAccessible::Name), QStringLiteral("8"));
    QCOMPARE(accessible(d.controls().Label1(0))->text(QAccessible::Name), QStringLiteral("8"));
    QCOMPARE(accessible(d.controls().Command1(1))->text(QAccessible::Name), QString());
}

void TestAccessibility::keyboardPlay()
{
    WindowDriver d;
    QVERIFY(d.activate());
    velsora::DesignControls& c = d.controls();
    auto focused = [] { return QApplication::focusWidget(); };
    auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(focused(), key, modifiers);
    };
    auto cell = [&](int k) { return c.Command1(static_cast<Integer>(k)).widget(); };
    // The list has the focus with "5" chosen: Home picks "3", Tab goes to Start, Enter starts.
    QCOMPARE(focused(), c.List1.widget());
    press(Qt::Key_Home);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), c.Command2.widget());
    press(Qt::Key_Return);
    QCOMPARE(d.N(), 3);
    // The next step is choosing a number: the pool has the focus, and the start is announced.
    QCOMPARE(focused(), c.List1.widget());
    QCOMPARE(ScreenReader::news(), QStringLiteral("Игра 3 на 3"));

    // The board is one tab stop: Shift+Tab from the list enters it at row 1, column 1.
    press(Qt::Key_Down); // the first key lands on "1"
    press(Qt::Key_Down);
    QCOMPARE(d.pool().value(d.selectedRow()), QStringLiteral("2"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), cell(0));
    // Arrows move along rows and columns and stop at the edges; Home and End keep to the row.
    const QList<std::pair<Qt::Key, int>> moves{{Qt::Key_Up, 0},    {Qt::Key_Left, 0}, {Qt::Key_Right, 3},
                                               {Qt::Key_Down, 4},  {Qt::Key_End, 7},  {Qt::Key_Right, 7},
                                               {Qt::Key_Home, 1},  {Qt::Key_Down, 2}, {Qt::Key_Down, 2},
                                               {Qt::Key_Right, 5}, {Qt::Key_Up, 4}};
    for (const auto& [key, k] : moves) {
        press(key);
        QCOMPARE(focused(), cell(k));
    }
    // Space places the number; the news is the cell's new state, not the pool's.
    press(Qt::Key_Space);
    QCOMPARE(d.cells()[4], QStringLiteral("2"));
    QCOMPARE(ScreenReader::news(), QStringLiteral("2, ред 2, колона 2, сума на реда 2, сума на колоната 2"));
    QCOMPARE(focused(), cell(4));
    // Tab leaves the board for the list, which reports the number its cursor stands on.
    press(Qt::Key_Tab);
    QCOMPARE(focused(), c.List1.widget());
    QTRY_COMPARE(ScreenReader::focus(), QStringLiteral("3"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), cell(4));
    // Space again, nothing selected: the number comes back, and that is said too.
    press(Qt::Key_Space);
    QCOMPARE(d.cells()[4], QString());
    QCOMPARE(d.pool().last(), QStringLiteral("2"));
    QCOMPARE(ScreenReader::news(), QStringLiteral("празна, ред 2, колона 2, сума на реда 0, сума на колоната 0"));
    // Clear is announced, and the board keeps its tab stop through the rebuild.
    c.Command3.widget()->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(ScreenReader::news(), QStringLiteral("Квадратът е изчистен, всички числа са в списъка"));
    // Start, the placement, the take-back and Clear, each said once.
    QCOMPARE(ScreenReader::newsCount(), 4);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), cell(4));
    QVERIFY(d.errors().empty());
}

void TestAccessibility::arrowsAfterClears_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<int>("clears");
    QTest::newRow("3, one Clear") << "3" << 1;
    QTest::newRow("5, four Clears") << "5" << 4;
    QTest::newRow("11, thirty Clears") << "11" << 30;
}

// Every arrow key on every cell moves the focus to the neighbour (or keeps it at the edge), and
// every cell that gets the focus becomes the board's tab stop, after each of several Clears: the
// new cells must not be mistaken for the deleted ones whose memory they reuse.
void TestAccessibility::arrowsAfterClears()
{
    QFETCH(QString, size);
    QFETCH(int, clears);
    WindowDriver d;
    QVERIFY(d.activate());
    d.start(size);
    const int n = d.N();
    const QList<std::tuple<Qt::Key, int, int>> arrows{
        {Qt::Key_Left, 0, -1}, {Qt::Key_Right, 0, 1}, {Qt::Key_Up, -1, 0}, {Qt::Key_Down, 1, 0}};
    for (int round = 0; round < clears; ++round) {
        d.clickClear();
        int ignored = 0;
        for (int k = 0; k < n * n; ++k) {
            QWidget* from = d.controls().Command1(static_cast<Integer>(k)).widget();
            for (const auto& [key, dr, dc] : arrows) {
                const int r = std::clamp(k % n + dr, 0, n - 1);
                const int col = std::clamp(k / n + dc, 0, n - 1);
                from->setFocus(Qt::OtherFocusReason);
                QTest::keyClick(from, key);
                QWidget* to = QApplication::focusWidget();
                const bool moved = to == d.controls().Command1(static_cast<Integer>(r + n * col)).widget();
                ignored += (moved && to->focusPolicy() == Qt::StrongFocus) ? 0 : 1;
            }
        }
        QVERIFY2(ignored == 0, qPrintable(QStringLiteral("after Clear %1: %2 of %3 arrow keys ignored")
                                              .arg(round + 1)
                                              .arg(ignored)
                                              .arg(4 * n * n)));
    }
    QVERIFY(d.errors().empty());
}

VELSORA_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
