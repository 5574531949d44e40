// A single-selection, unsorted list box addressed by position.
#pragma once

#include "control.h"

#include <QListWidget>

namespace velsora {

// The selection follows only the player and ListIndex: appending never selects, and
// removing the selected item leaves nothing selected (a bare QListWidget would
// select the neighbour).
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
