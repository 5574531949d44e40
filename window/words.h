// What the window tells screen readers, in words: plain functions of what the board shows.
#pragma once

#include <QString>

namespace velsora::words {

// What a screen reader needs of a cell: where it stands, counted from 0, what it shows, and the
// sums shown for its row and column.
struct Cell {
    int row = 0;
    int column = 0;
    QString caption; // "" when empty
    QString rowSum;
    QString columnSum;
};

// "ред 2, колона 3"
[[nodiscard]] QString place(int row, int column);
// "ред 2, колона 3, празна, сума на реда 5, сума на колоната 12": a cell's description.
[[nodiscard]] QString description(const Cell& cell);
// What a move made of the cell: "7, ред 2, колона 3, сума на реда 12, ..." or "празна, ред 2, ...".
[[nodiscard]] QString moveNews(const Cell& cell);
// "Игра 5 на 5"
[[nodiscard]] QString gameNews(int n);
[[nodiscard]] QString clearNews();
// What the sum labels are: "Сума на ред 1", "Сума на колона 3".
[[nodiscard]] QString rowSum(int row);
[[nodiscard]] QString columnSum(int column);

// Names and descriptions of the window's own controls, where the text they show does not say
// enough.
struct DesignControls {
    QString startDescription;
    QString clearDescription;
    QString poolName;
    QString poolDescription;
    QString helpName;
    QString helpDescription;
    QString spareName;
    QString pictureName;
    QString pictureDescription;
    QString titleDescription;
};
[[nodiscard]] DesignControls designControls();

} // namespace velsora::words
