// A single-selection, unsorted list box addressed by position.
#pragma once

#include "control.h"

#include <QListWidget>

namespace velsora {

// QListWidget with the classic single-selection rules the game relies on: the player can change
// the selection but never empty it (a click below the items, Ctrl+click and Ctrl+Space leave it
// as it is), and every key that moves the cursor selects the item it moves to.
class ClassicListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ClassicListWidget(QWidget* parent);

protected:
    [[nodiscard]] QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                                       const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Tells screen readers that the current item has the focus, so they read it.
    void reportCurrentItem();
};

// The selection follows only the player and ListIndex: appending never selects, and
// removing the selected item leaves nothing selected (a bare QListWidget would
// select the neighbour). Neither moves the view.
class ListBox : public Control {
public:
    explicit ListBox(QWidget* parent);

    [[nodiscard]] Integer ListCount() const;
    [[nodiscard]] Integer ListIndex() const; // -1: nothing selected
    void setListIndex(Integer index);
    [[nodiscard]] QString List(Integer index) const;
    void AddItem(const QString& text);
    void RemoveItem(Integer index);
    void Clear();

    [[nodiscard]] QListWidget* list() const;

private:
    void checkPosition(Integer index) const;
    void selectOnly(QListWidgetItem* item);
};

} // namespace velsora
