// What a screen reader gets from every control, and a game played with the keyboard alone.
#include "support/test_main.h"
#include "support/window_driver.h"

#include <QAccessible>

using velsora::Integer;
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
    void designControls_data();
    void designControls();
    void boardDescriptions_data();
    void boardDescriptions();
    void namesFollowCaptions();
    void keyboardPlay();
};

void TestAccessibility::designControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("descriptionStart");
    QTest::newRow("Start") << "Command2" << int(QAccessible::Button) << "Начало"
                           << "Започва игра";
    QTest::newRow("Clear") << "Command3" << int(QAccessible::Button) << "Чисти"
                           << "Изпразва квадрата";
    QTest::newRow("list") << "List1" << int(QAccessible::List) << "Списък с числа"
                          << "Преди началото";
    QTest::newRow("help") << "Text1(0)" << int(QAccessible::EditableText) << "Помощ"
                          << "Описание";
    QTest::newRow("picture") << "Image1" << int(QAccessible::Graphic) << "Пример: магически квадрат 5 на 5"
                             << "Редове: 17 24 1 8 15";
    QTest::newRow("title") << "Label2(0)" << int(QAccessible::StaticText) << "Velsora"
                           << "Заглавие";
}

void TestAccessibility::designControls()
{
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, descriptionStart);
    WindowDriver d;
    velsora::DesignControls& c = d.controls();
    velsora::Control& target = control == QLatin1String("Command2")   ? static_cast<velsora::Control&>(c.Command2)
                               : control == QLatin1String("Command3") ? c.Command3
                               : control == QLatin1String("List1")    ? static_cast<velsora::Control&>(c.List1)
                               : control == QLatin1String("Text1(0)") ? c.Text1(0)
                               : control == QLatin1String("Image1")   ? static_cast<velsora::Control&>(c.Image1)
                                                                      : c.Label2(0);
    QAccessibleInterface* iface = accessible(target);
    QVERIFY(iface != nullptr);
    QCOMPARE(int(iface->role()), role);
    QVERIFY2(iface->text(QAccessible::Name).startsWith(name), qPrintable(iface->text(QAccessible::Name)));
    QVERIFY(iface->text(QAccessible::Description).startsWith(descriptionStart));
}

void TestAccessibility::boardDescriptions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("description");
    QTest::newRow("template cell") << 3 << "Command1" << 0 << "Клетка: ред 1, колона 1";
    QTest::newRow("cell 5 of 3 x 3") << 3 << "Command1" << 5 << "Клетка: ред 3, колона 2";
    QTest::newRow("last cell of 11 x 11") << 11 << "Command1" << 120 << "Клетка: ред 11, колона 11";
    QTest::newRow("template sum") << 5 << "Label1" << 0 << "Сума на ред 1";
    QTest::newRow("last row sum") << 5 << "Label1" << 4 << "Сума на ред 5";
    QTest::newRow("first column sum") << 5 << "Label1" << 5 << "Сума на колона 1";
}

void TestAccessibility::boardDescriptions()
{
    QFETCH(int, n);
    QFETCH(QString, array);
    QFETCH(int, index);
    QFETCH(QString, description);
    WindowDriver d;
    d.start(QString::number(n));
    d.clickClear(); // descriptions survive the rebuild
    const auto k = static_cast<Integer>(index);
    velsora::Control& target = array == QLatin1String("Command1")
                                   ? static_cast<velsora::Control&>(d.controls().Command1(k))
                                   : d.controls().Label1(k);
    QCOMPARE(accessible(target)->text(QAccessible::Description), description);
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
    d.window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d.window()));
    velsora::DesignControls& c = d.controls();
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    // The list has the focus with "5" chosen: Home picks "3", Tab goes to Start, Space starts.
    QCOMPARE(QApplication::focusWidget(), c.List1.widget());
    press(Qt::Key_Home);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), c.Command2.widget());
    press(Qt::Key_Space);
    QCOMPARE(d.N(), 3);

    // Choose "4" in the pool, then Shift+Tab walks back from the list to the cells.
    c.List1.widget()->setFocus();
    press(Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Down);
    QCOMPARE(d.pool().value(d.selectedRow()), QStringLiteral("4"));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), c.Command1(8).widget());
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), c.Command1(7).widget());
    press(Qt::Key_Space);
    QCOMPARE(d.cells()[7], QStringLiteral("4"));
    QCOMPARE(d.labels(), QStringList({"0", "4", "0", "0", "0", "4"}));
    // Space again, nothing selected: the number comes back.
    press(Qt::Key_Space);
    QCOMPARE(d.cells()[7], QString());
    QCOMPARE(d.pool().last(), QStringLiteral("4"));
    // Tab from Clear wraps round to the first cell.
    c.Command3.widget()->setFocus();
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), c.Command1(0).widget());
    QVERIFY(d.errors().empty());
}

VELSORA_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
