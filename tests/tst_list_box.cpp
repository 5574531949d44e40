// The list box keeps the classic selection rules over a QListWidget.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/errors.h"

#include <QScrollBar>
#include <QSignalSpy>

using velsora::testing::Steps;
using velsora::testing::WindowDriver;
using namespace velsora::testing::steps;

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
    void playerCannotEmptySelection_data();
    void playerCannotEmptySelection();
    void movingKeysSelect_data();
    void movingKeysSelect();
    void refilledListShowsFirstItem_data();
    void refilledListShowsFirstItem();
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

void TestListBox::playerCannotEmptySelection_data()
{
    // Two numbers with room below them, the second chosen; a gesture that would empty the choice.
    QTest::addColumn<QTestEventList>("onItems"); // mouse, on the items' viewport
    QTest::addColumn<QTestEventList>("keys");    // keys, on the list
    QTestEventList below;
    below.addMouseClick(Qt::LeftButton, {}, QPoint(5, 60));
    QTestEventList ctrlClick;
    ctrlClick.addMouseClick(Qt::LeftButton, Qt::ControlModifier, QPoint(5, 27));
    QTestEventList ctrlSpace;
    ctrlSpace.addKeyClick(Qt::Key_Space, Qt::ControlModifier);
    QTest::newRow("click below the items") << below << QTestEventList();
    QTest::newRow("Ctrl+click on the selected item") << ctrlClick << QTestEventList();
    QTest::newRow("Ctrl+Space on the selected item") << QTestEventList() << ctrlSpace;
}

void TestListBox::playerCannotEmptySelection()
{
    QFETCH(QTestEventList, onItems);
    QFETCH(QTestEventList, keys);
    WindowDriver d;
    QListWidget* list = d.controls().List1.list();
    fill(d.controls().List1, 2);
    d.clickRow(1);
    QVERIFY(list->visualItemRect(list->item(1)).contains(QPoint(5, 27)));
    QVERIFY(list->itemAt(QPoint(5, 60)) == nullptr);
    QSignalSpy changes(list->selectionModel(), &QItemSelectionModel::selectionChanged);
    onItems.simulate(list->viewport());
    keys.simulate(list);
    QCOMPARE(d.selectedRow(), 1);
    QCOMPARE(changes.count(), 0);
}

void TestListBox::movingKeysSelect_data()
{
    QTest::addColumn<QList<int>>("placed"); // rows chosen and taken out of the pool 1..20 before
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("selected");
    // A placement took "5" out: nothing selected, the cursor on "6".
    const QList<int> five{4};
    QTest::newRow("placed: Home") << five << int(Qt::Key_Home) << "1";
    QTest::newRow("placed: End") << five << int(Qt::Key_End) << "20";
    QTest::newRow("placed: Up") << five << int(Qt::Key_Up) << "4";
    QTest::newRow("placed: Down") << five << int(Qt::Key_Down) << "7";
    QTest::newRow("placed: Page Down") << five << int(Qt::Key_PageDown) << "9";
    QTest::newRow("placed: Space") << five << int(Qt::Key_Space) << "6";
    // Refilled with 1..20 (as after Start or Clear): no cursor at all. The key says where to go,
    // from the top of the list.
    const QList<int> none;
    QTest::newRow("refilled: Home") << none << int(Qt::Key_Home) << "1";
    QTest::newRow("refilled: End") << none << int(Qt::Key_End) << "20";
    QTest::newRow("refilled: Up") << none << int(Qt::Key_Up) << "1";
    QTest::newRow("refilled: Down") << none << int(Qt::Key_Down) << "1";
    QTest::newRow("refilled: Page Up") << none << int(Qt::Key_PageUp) << "1";
    QTest::newRow("refilled: Page Down") << none << int(Qt::Key_PageDown) << "4";
    QTest::newRow("refilled: Space") << none << int(Qt::Key_Space) << "1";
}

void TestListBox::movingKeysSelect()
{
    QFETCH(QList<int>, placed);
    QFETCH(int, key);
    QFETCH(QString, selected);
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    fill(list, 20);
    for (const int row : placed) {
        d.clickRow(row);
        list.RemoveItem(static_cast<velsora::Integer>(row));
    }
    QCOMPARE(list.ListIndex(), -1);
    list.list()->setFocus();
    QCOMPARE(list.list()->currentIndex().isValid(), !placed.isEmpty());
    QTest::keyClick(list.list(), Qt::Key(key));
    QVERIFY(list.ListIndex() >= 0);
    QCOMPARE(list.List(list.ListIndex()), selected);
    // Home twice: the cursor already on the first item still selects it after a placement.
    list.setListIndex(-1);
    QTest::keyClick(list.list(), Qt::Key_Home);
    QTest::keyClick(list.list(), Qt::Key_Home);
    QCOMPARE(list.ListIndex(), 0);
}

void TestListBox::refilledListShowsFirstItem_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::newRow("Start with 11") << Steps{start("11")};
    QTest::newRow("Clear at 11, scrolled to the end") << Steps{start("11"), row(120), clear()};
    QTest::newRow("Clear at 5, scrolled to the end") << Steps{start("5"), row(24), clear()};
}

void TestListBox::refilledListShowsFirstItem()
{
    QFETCH(Steps, steps);
    WindowDriver d;
    QListWidget* list = d.controls().List1.list();
    d.play(steps);
    QTRY_VERIFY(list->itemAt(QPoint(2, 2)) != nullptr);
    QCOMPARE(list->itemAt(QPoint(2, 2))->text(), QStringLiteral("1"));
    // Taking a number from the middle leaves the view where it is; the keys move it again.
    d.clickRow(2);
    const int before = list->verticalScrollBar()->value();
    d.clickCell(0);
    QCOMPARE(list->verticalScrollBar()->value(), before);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_End);
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->currentItem())));
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
