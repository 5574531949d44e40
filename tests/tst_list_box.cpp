// The list box keeps the classic selection rules over a QListWidget.
#include "support/test_main.h"
#include "support/window_driver.h"

#include "platform/errors.h"

#include <QScrollBar>
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
    QTest::addColumn<QString>("gesture");
    QTest::newRow("click below the items") << "below";
    QTest::newRow("Ctrl+click on the selected item") << "ctrl-click";
    QTest::newRow("Ctrl+Space on the selected item") << "ctrl-space";
}

void TestListBox::playerCannotEmptySelection()
{
    QFETCH(QString, gesture);
    WindowDriver d;
    QListWidget* list = d.controls().List1.list();
    fill(d.controls().List1, 2); // room below the items
    d.clickRow(1);
    QSignalSpy changes(list->selectionModel(), &QItemSelectionModel::selectionChanged);
    if (gesture == QLatin1String("below")) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, list->viewport()->height() - 2));
    } else if (gesture == QLatin1String("ctrl-click")) {
        d.clickRow(1, Qt::ControlModifier);
    } else {
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    }
    QCOMPARE(d.selectedRow(), 1);
    QCOMPARE(changes.count(), 0);
}

void TestListBox::movingKeysSelect_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("selected");
    // A placement took "5" out of the pool 1..20: nothing selected, the cursor on "6".
    QTest::newRow("placed: Home") << "placed" << int(Qt::Key_Home) << "1";
    QTest::newRow("placed: End") << "placed" << int(Qt::Key_End) << "20";
    QTest::newRow("placed: Up") << "placed" << int(Qt::Key_Up) << "4";
    QTest::newRow("placed: Down") << "placed" << int(Qt::Key_Down) << "7";
    QTest::newRow("placed: Page Down") << "placed" << int(Qt::Key_PageDown) << "9";
    QTest::newRow("placed: Space") << "placed" << int(Qt::Key_Space) << "6";
    // Refilled with 1..20 (as after Start or Clear): no cursor at all. The key says where to go,
    // from the top of the list.
    QTest::newRow("refilled: Home") << "refilled" << int(Qt::Key_Home) << "1";
    QTest::newRow("refilled: End") << "refilled" << int(Qt::Key_End) << "20";
    QTest::newRow("refilled: Up") << "refilled" << int(Qt::Key_Up) << "1";
    QTest::newRow("refilled: Down") << "refilled" << int(Qt::Key_Down) << "1";
    QTest::newRow("refilled: Page Up") << "refilled" << int(Qt::Key_PageUp) << "1";
    QTest::newRow("refilled: Page Down") << "refilled" << int(Qt::Key_PageDown) << "4";
    QTest::newRow("refilled: Space") << "refilled" << int(Qt::Key_Space) << "1";
}

void TestListBox::movingKeysSelect()
{
    QFETCH(QString, state);
    QFETCH(int, key);
    QFETCH(QString, selected);
    WindowDriver d;
    velsora::ListBox& list = d.controls().List1;
    fill(list, 20);
    if (state == QLatin1String("placed")) {
        d.clickRow(4);
        list.RemoveItem(4);
    }
    QCOMPARE(list.ListIndex(), -1);
    list.list()->setFocus();
    QCOMPARE(list.list()->currentIndex().isValid(), state == QLatin1String("placed"));
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
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("then");
    QTest::newRow("Start with 11") << "11"
                                   << "";
    QTest::newRow("Clear at 11, scrolled to the end") << "11"
                                                      << "clear";
    QTest::newRow("Clear at 5, scrolled to the end") << "5"
                                                     << "clear";
}

void TestListBox::refilledListShowsFirstItem()
{
    QFETCH(QString, size);
    QFETCH(QString, then);
    WindowDriver d;
    QListWidget* list = d.controls().List1.list();
    d.start(size);
    if (then == QLatin1String("clear")) {
        d.clickRow(list->count() - 1); // scrolls to the end
        d.clickClear();
    }
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
