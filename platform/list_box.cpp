// List box operations with the classic selection rules.
#include "list_box.h"
#include "errors.h"
#include "faults.h"
#include "keyboard.h"
#include "style.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScrollBar>
#include <algorithm>
#include <limits>

namespace velsora {

namespace {
// Runs a change of the list's items without scrolling the view to wherever Qt puts its cursor;
// the keys scroll the view again afterwards, whatever the change raised.
template <class Change> void withoutScrolling(QListWidget* list, Change&& change)
{
    const auto restore = qScopeGuard([list, autoScroll = list->hasAutoScroll()] { list->setAutoScroll(autoScroll); });
    list->setAutoScroll(false);
    change();
}
} // namespace

ClassicListWidget::ClassicListWidget(QWidget* parent) : QListWidget(parent) {}

QItemSelectionModel::SelectionFlags ClassicListWidget::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const
{
    const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
    // Qt empties a single selection on Ctrl+click, Ctrl+Space and clicks on no item.
    if (!index.isValid() || flags.testFlag(QItemSelectionModel::Deselect)) {
        return QItemSelectionModel::NoUpdate;
    }
    return flags;
}

void ClassicListWidget::mousePressEvent(QMouseEvent* event)
{
    if (!indexAt(event->position().toPoint()).isValid()) {
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QListWidget::mousePressEvent(event);
}

void ClassicListWidget::keyPressEvent(QKeyEvent* event)
{
    // After a refill there is no cursor yet, and Qt would start every move at the first item, so
    // that End chose "1": the classic list goes where the key says.
    if (!currentIndex().isValid()) {
        const int rowsShown = viewport()->height() / std::max(1, sizeHintForRow(0));
        if (const auto row = keyboard::rowWithoutCursor(keyboard::meaningOf(*event), count(), rowsShown)) {
            setCurrentRow(*row, QItemSelectionModel::ClearAndSelect);
            scrollTo(currentIndex());
            event->accept();
            return;
        }
    }
    QListWidget::keyPressEvent(event);
    // Qt moves without selecting when the cursor already stands on the target (Home on the
    // first item) or Ctrl is held; the classic list always selects where the cursor lands.
    if (keyboard::isCursorKey(event->key()) && currentIndex().isValid()
        && !selectionModel()->isSelected(currentIndex())) {
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
        reportCurrentItem();
    }
}

void ClassicListWidget::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (hasFocus()) {
        QListWidget::currentChanged(current, previous);
        return;
    }
    // QListView tells screen readers that its new current item has the focus even when the
    // list does not have it, so a placement on the board would be read as a move in the list.
    // NOLINTNEXTLINE(bugprone-parent-virtual-call): skipping QListView's announcement on purpose
    QAbstractItemView::currentChanged(current, previous);
}

void ClassicListWidget::focusInEvent(QFocusEvent* event)
{
    if (!currentIndex().isValid()) {
        // Qt would put its cursor on the first item without a word to screen readers, so that
        // the first Down passed over it unheard. Without a cursor, the first key lands on it.
        // NOLINTNEXTLINE(bugprone-parent-virtual-call): skipping that on purpose
        QAbstractScrollArea::focusInEvent(event);
        viewport()->update();
        return;
    }
    QListWidget::focusInEvent(event);
    // Screen readers read the item only when told it has the focus, and after they have heard
    // that the list has it, which Qt tells them once this handler has returned.
    QMetaObject::invokeMethod(this, &ClassicListWidget::reportCurrentItem, Qt::QueuedConnection);
}

void ClassicListWidget::focusOutEvent(QFocusEvent* event)
{
    QListWidget::focusOutEvent(event);
    viewport()->update(); // takes the focus rectangle away
}

void ClassicListWidget::paintEvent(QPaintEvent* event)
{
    QListWidget::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // The classic focus mark: a dotted rectangle around the current item, or, with no cursor,
    // where the first item stands (or would stand in an empty list).
    QRect around = currentIndex().isValid() ? visualRect(currentIndex()) : visualRect(model()->index(0, 0));
    if (around.isEmpty()) {
        around = QRect(0, 0, viewport()->width(), fontMetrics().height());
    }
    around.setLeft(0);
    around.setRight(viewport()->width() - 1);
    const bool onSelection = currentIndex().isValid() && selectionModel()->isSelected(currentIndex());
    QPainter painter(viewport());
    PlatformStyle::drawDottedFocus(&painter, around,
                                   palette().color(onSelection ? QPalette::HighlightedText : QPalette::Text));
}

void ClassicListWidget::reportCurrentItem()
{
    if (QAccessible::isActive() && hasFocus() && currentIndex().isValid()) {
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(currentIndex().row());
        QAccessible::updateAccessibility(&focus);
    }
}

ListBox::ListBox(QWidget* parent) : Control(new ClassicListWidget(parent))
{
    list()->setSelectionMode(QAbstractItemView::SingleSelection);
    list()->setSortingEnabled(false);
    list()->setUniformItemSizes(true);
    list()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QListWidget* ListBox::list() const
{
    return static_cast<QListWidget*>(widget());
}

Integer ListBox::ListCount() const
{
    const int count = list()->count();
    if (count > std::numeric_limits<Integer>::max()) {
        throw OverflowError();
    }
    return static_cast<Integer>(count);
}

Integer ListBox::ListIndex() const
{
    const QList<QListWidgetItem*> selected = list()->selectedItems();
    return selected.isEmpty() ? Integer{-1} : static_cast<Integer>(list()->row(selected.first()));
}

void ListBox::setListIndex(Integer index)
{
    if (index != -1) {
        checkPosition(index);
    }
    faults::beforeWrite("ListIndex");
    if (index == -1) {
        list()->clearSelection();
    } else {
        list()->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    }
}

QString ListBox::List(Integer index) const
{
    checkPosition(index);
    return list()->item(index)->text();
}

void ListBox::AddItem(const QString& text)
{
    faults::beforeWrite("AddItem");
    if (list()->count() >= std::numeric_limits<Integer>::max()) {
        throw OverflowError();
    }
    const QList<QListWidgetItem*> selected = list()->selectedItems();
    withoutScrolling(list(), [&] { list()->addItem(text); });
    selectOnly(selected.isEmpty() ? nullptr : selected.first());
}

void ListBox::RemoveItem(Integer index)
{
    checkPosition(index);
    faults::beforeWrite("RemoveItem");
    const QList<QListWidgetItem*> selected = list()->selectedItems();
    QListWidgetItem* keep = selected.isEmpty() ? nullptr : selected.first();
    QListWidgetItem* removed = nullptr;
    // Qt moves its cursor to the next item; the view stays where the player left it.
    withoutScrolling(list(), [&] { removed = list()->takeItem(index); });
    if (removed == keep) {
        keep = nullptr;
    }
    delete removed;
    selectOnly(keep);
}

void ListBox::Clear()
{
    faults::beforeWrite("Clear");
    list()->clear();
    // Refilled, the list shows its first item at the top, wherever it was scrolled before.
    list()->verticalScrollBar()->setValue(0);
}

void ListBox::checkPosition(Integer index) const
{
    if (index < 0 || index >= list()->count()) {
        throw PropertyError(QStringLiteral("позиция %1 в списък с %2 елемента").arg(index).arg(list()->count()));
    }
}

void ListBox::selectOnly(QListWidgetItem* item)
{
    QItemSelectionModel* model = list()->selectionModel();
    if (item == nullptr) {
        if (model->hasSelection()) {
            model->clearSelection();
        }
        return;
    }
    const QModelIndex index = list()->indexFromItem(item);
    if (model->selectedIndexes() != QModelIndexList{index}) {
        model->select(index, QItemSelectionModel::ClearAndSelect);
    }
}

} // namespace velsora
