// Raw Qt widgets doing what Start, a click and Clear do to the board.
#include "floor_board.h"

#include "raw_controls.h"

namespace {
namespace design = velsora::design;
constexpr int kCell = design::kCell.width / 15;

std::size_t placeOf(const design::Control& c)
{
    std::size_t i = 0;
    while (design::kControls[i].name != c.name || design::kControls[i].index != c.index)
        ++i;
    return i;
}
} // namespace

// The game's ten controls, made in the game's order, the same sizes and colours.
FloorBoard::FloorBoard(QWidget* window) : window_(window)
{
    const auto all = raw::makeAll(window);
    const auto at = [&all](const design::Control& c) { return all[placeOf(c)]; };
    clear_ = static_cast<QPushButton*>(at(design::kClear));
    start_ = static_cast<QPushButton*>(at(design::kStart));
    list_ = static_cast<QListWidget*>(at(design::kList));
    cellTemplate_ = static_cast<QPushButton*>(at(design::kCell));
    picture_ = static_cast<QLabel*>(at(design::kPicture));
    sumTemplate_ = static_cast<QLabel*>(at(design::kSum));
    QObject::connect(clear_, &QPushButton::clicked, clear_, [this] { clear(); });
    QObject::connect(start_, &QPushButton::clicked, start_, [this] { start(); });
    QObject::connect(cellTemplate_, &QPushButton::clicked, cellTemplate_, [this] { clicked(cellTemplate_); });
}

FloorBoard::~FloorBoard()
{
    destroyBoard();
}

void FloorBoard::chooseSize(int n)
{
    list_->setCurrentRow((n - 1) / 2 - 1);
}

void FloorBoard::start()
{
    n_ = list_->currentItem()->text().toInt();
    start_->hide();
    sumTemplate_->show();
    cellTemplate_->show();
    picture_->hide();
    build();
    reset();
}

void FloorBoard::build()
{
    sums_.clear();
    sums_.push_back(sumTemplate_);
    for (int k = 1; k < 2 * n_; ++k) {
        auto* label = new QLabel(sumTemplate_->text(), window_);
        label->setPalette(sumTemplate_->palette());
        label->setAutoFillBackground(true);
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(k < n_ ? QRect(8, 40 + kCell * k, kCell, kCell)
                                  : QRect(64 + kCell * (k - n_), 40 + kCell * (n_ + 1), kCell, kCell));
        label->show();
        sums_.push_back(label);
    }
    cellTemplate_->move(64, 40);
    cells_.clear();
    cells_.push_back(cellTemplate_);
    for (int k = 1; k < n_ * n_; ++k) {
        auto* cell = new QPushButton(cellTemplate_->text(), window_);
        cell->setPalette(cellTemplate_->palette());
        cell->setGeometry(64 + kCell * (k / n_), 40 + kCell * (k % n_), kCell, kCell);
        QObject::connect(cell, &QPushButton::clicked, cell, [this, cell] { clicked(cell); });
        cell->show();
        cells_.push_back(cell);
    }
    writeSums();
}

void FloorBoard::reset()
{
    list_->clear();
    for (int i = 0; i < n_ * n_; ++i) {
        list_->addItem(QString::number(i + 1));
        cells_[static_cast<std::size_t>(i)]->setText(QString());
    }
    for (int r = 0; r < n_; ++r)
        sums_[static_cast<std::size_t>(r)]->setText(QStringLiteral("0"));
}

void FloorBoard::writeSums()
{
    for (int line = 0; line < 2 * n_; ++line) {
        int sum = 0;
        for (int i = 0; i < n_; ++i) {
            const int k = line < n_ ? line + n_ * i : i + n_ * (line - n_);
            sum += cells_[static_cast<std::size_t>(k)]->text().toInt();
        }
        sums_[static_cast<std::size_t>(line)]->setText(QString::number(sum));
    }
}

void FloorBoard::choose(int row)
{
    list_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void FloorBoard::clicked(QPushButton* b)
{
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (!selected.isEmpty()) {
        if (b->text().isEmpty()) {
            b->setText(selected.first()->text());
            delete list_->takeItem(list_->row(selected.first()));
            list_->clearSelection(); // the list selected the next item for us
        }
    } else if (!b->text().isEmpty()) {
        list_->addItem(b->text());
        b->setText(QString());
    }
    writeSums();
}

void FloorBoard::destroyBoard()
{
    for (std::size_t k = 1; k < sums_.size(); ++k)
        delete sums_[k];
    for (std::size_t k = 1; k < cells_.size(); ++k)
        delete cells_[k];
    if (!sums_.empty()) sums_.erase(sums_.begin() + 1, sums_.end());
    if (!cells_.empty()) cells_.erase(cells_.begin() + 1, cells_.end());
}

void FloorBoard::clear()
{
    destroyBoard();
    cellTemplate_->setText(QStringLiteral("0"));
    build();
    reset();
}

std::vector<QWidget*> FloorBoard::boardWidgets() const
{
    // The controls created for this board, the templates left out.
    std::vector<QWidget*> all(cells_.begin() + 1, cells_.end());
    all.insert(all.end(), sums_.begin() + 1, sums_.end());
    return all;
}
