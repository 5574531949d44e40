// The same widget work as the game, with raw Qt calls and no platform layer: the benchmark's floor.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>
#include <vector>

class FloorBoard {
public:
    explicit FloorBoard(QWidget* window);
    ~FloorBoard();
    FloorBoard(const FloorBoard&) = delete;
    FloorBoard& operator=(const FloorBoard&) = delete;
    FloorBoard(FloorBoard&&) = delete;
    FloorBoard& operator=(FloorBoard&&) = delete;

    void start(int n);    // hide picture and Start, build and fill the board
    void choose(int row); // select a pool item, as the player does before placing it
    [[nodiscard]] QPushButton* cell(int k) const { return cells_[static_cast<std::size_t>(k)]; }
    void clear(); // rebuild the board and refill the pool

    [[nodiscard]] std::vector<QWidget*> boardWidgets() const; // created for this board

private:
    void clicked(QPushButton* cell); // places the selected item, or takes the number back
    void build();
    void reset();
    void writeSums();
    void destroyBoard();

    QWidget* window_;
    QPushButton* start_;
    QLabel* picture_;
    QListWidget* list_;
    QPushButton* cellTemplate_;
    QLabel* sumTemplate_;
    std::vector<QPushButton*> cells_;
    std::vector<QLabel*> sums_;
    int n_ = 0;
};
