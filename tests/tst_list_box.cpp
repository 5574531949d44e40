// The list box keeps the classic selection rules over a QListWidget.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/errors.h"

#include <QSignalSpy>

using velsora::testing::WindowDriver;

namespace {
void fill(velsora::ListBox& list, int count)
{
    list.Clear();
    for (int i = 1; i <= count; ++i) {
        list.AddItem(QString::number(i));
    }
}
} // namespace

class TestListBox : public QObject {
    Q_OBJECT
private slots:
    void removeSelected_data();
    void removeSelected();
    void appendNeverSelects();
    void removeOtherKeepsSelection();
    void clearLeavesNoSelection();
    void listIndexWrite();
    void ctrlClickDeselects();
    void badPositions_data();
    void badPositions();
};

void TestListBox::removeSelected_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::newRow("first of 9") << 9 << 0;
    QTest::newRow("middle of 9") << 9 << 4;
    QTest::newRow("last of 9") << 9 << 8;
    QTest::newRow("only item") << 1 << 0;
}

void TestListBox::removeSelected()
{
    QFETCH(int, count);
    QFETCH(int, row);
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    fill(list, count);
    d.clickRow(row);
    QCOMPARE(list.ListIndex(), row);

    list.RemoveItem(static_cast<velsora::Integer>(row));
    // Qt moves its current item to a neighbour and, in single selection, selects it; we must not.
    QCOMPARE(list.ListIndex(), -1);
    QVERIFY(list.list()->selectedItems().isEmpty());
    QCOMPARE(list.ListCount(), count - 1);

    // Only the player's next choice selects again: Space picks the item now under the cursor.
    if (count > 1) {
        QTest::keyClick(list.list(), Qt::Key_Space);
        QVERIFY(list.ListIndex() >= 0);
    }
}

void TestListBox::appendNeverSelects()
{
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    list.Clear();
    list.list()->setFocus();
    list.AddItem(QStringLiteral("7"));
    QCOMPARE(list.ListIndex(), -1);
    d.clickRow(0);
    list.AddItem(QStringLiteral("8"));
    QCOMPARE(list.ListIndex(), 0);
    QCOMPARE(list.List(1), QStringLiteral("8"));
}

void TestListBox::removeOtherKeepsSelection()
{
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    fill(list, 5);
    d.clickRow(3);
    list.RemoveItem(0);
    QCOMPARE(list.ListIndex(), 2);
    QCOMPARE(list.List(list.ListIndex()), QStringLiteral("4"));
}

void TestListBox::clearLeavesNoSelection()
{
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    QCOMPARE(list.ListIndex(), 1);
    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.ListIndex(), -1);
}

void TestListBox::listIndexWrite()
{
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    list.setListIndex(4);
    QCOMPARE(list.list()->selectedItems().value(0)->text(), QStringLiteral("11"));
    list.setListIndex(-1);
    QCOMPARE(list.ListIndex(), -1);
}

void TestListBox::ctrlClickDeselects()
{
    WindowDriver d;
    d.clickRow(1, Qt::ControlModifier);
    QCOMPARE(d.selectedRow(), -1);
}

void TestListBox::badPositions_data()
{
    QTest::addColumn<int>("position");
    QTest::newRow("-1") << -1;
    QTest::newRow("past the end") << 5;
}

void TestListBox::badPositions()
{
    QFETCH(int, position);
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    const auto at = static_cast<velsora::Integer>(position);
    QVERIFY_THROWS_EXCEPTION(velsora::PropertyError, (void)list.List(at));
    QVERIFY_THROWS_EXCEPTION(velsora::PropertyError, list.RemoveItem(at));
    QCOMPARE(d.pool(), QStringList({"3", "5", "7", "9", "11"}));
    QCOMPARE(list.ListIndex(), 1);
}

VELSORA_TEST_MAIN(TestListBox)
#include "tst_list_box.moc"
