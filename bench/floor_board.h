// The same widget work as the game, with raw Qt calls and no platform layer: the benchmark's floor.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
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

    // The buttons as the player clicks them: Start reads the chosen size from the list, Clear
    // rebuilds the board and refills the pool.
    [[nodiscard]] QPushButton* startButton() const { return start_; }
    [[nodiscard]] QPushButton* clearButton() const { return clear_; }
    void chooseSize(int n); // selects the size in the list, before Start
    void choose(int row);   // selects a pool item, as the player does before placing it
    [[nodiscard]] QPushButton* cell(int k) const { return cells_[static_cast<std::size_t>(k)]; }

    [[nodiscard]] std::vector<QWidget*> boardWidgets() const; // created for this board

private:
    void start();                    // hides picture and Start, builds and fills the board
    void clear();                    // rebuilds the board and refills the pool
    void clicked(QPushButton* cell); // places the selected item, or takes the number back
    void build();
    void reset();
    void writeSums();
    void destroyBoard();

    QWidget* window_;
    // The window's other controls, as the game has them, so that both windows paint alike.
    QPushButton* clear_ = nullptr;
    QPushButton* start_ = nullptr;
    QLabel* picture_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* cellTemplate_ = nullptr;
    QLabel* sumTemplate_ = nullptr;
    std::vector<QPushButton*> cells_;
    std::vector<QLabel*> sums_;
    int n_ = 0;
};
