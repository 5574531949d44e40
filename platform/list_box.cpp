// List box operations with the classic selection rules.
#include "list_box.h"
#include "errors.h"
#include "faults.h"

#include <limits>

namespace velsora {

ListBox::ListBox(QWidget* parent) : Control(new QListWidget(parent))
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
    list()->addItem(text);
    selectOnly(selected.isEmpty() ? nullptr : selected.first());
}

void ListBox::RemoveItem(Integer index)
{
    checkPosition(index);
    faults::beforeWrite("RemoveItem");
    const QList<QListWidgetItem*> selected = list()->selectedItems();
    QListWidgetItem* keep = selected.isEmpty() ? nullptr : selected.first();
    QListWidgetItem* removed = list()->takeItem(index);
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
