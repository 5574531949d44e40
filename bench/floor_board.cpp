// Raw Qt widgets doing what Start, a click and Clear do to the board.
#include "floor_board.h"

#include <QApplication>

namespace {
constexpr int kCell = 28; // 420 twips

void colour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}
} // namespace

FloorBoard::FloorBoard(QWidget* window)
    : window_(window)
    , start_(new QPushButton(QStringLiteral("Начало"), window))
    , picture_(new QLabel(window))
    , list_(new QListWidget(window))
    , cellTemplate_(new QPushButton(window))
    , sumTemplate_(new QLabel(window))
{
    start_->setGeometry(392, 48, 73, 25);
    colour(start_, QColor(128, 128, 255));
    picture_->setGeometry(16, 40, 337, 262);
    picture_->setPixmap(QPixmap(QStringLiteral(":/velsora/startup.jpg")));
    list_->setGeometry(400, 80, 57, 80);
    // Configured like the game's list, so that only the layer between differs.
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const char* size : {"3", "5", "7", "9", "11"})
        list_->addItem(QString::fromLatin1(size));
    list_->setCurrentRow(1);
    cellTemplate_->setGeometry(56, 40, kCell, kCell);
    colour(cellTemplate_, QColor(128, 128, 255));
    cellTemplate_->hide();
    QObject::connect(cellTemplate_, &QPushButton::clicked, cellTemplate_, [this] { clicked(cellTemplate_); });
    sumTemplate_->setGeometry(8, 40, kCell, kCell);
    sumTemplate_->setFrameShape(QFrame::Box);
    sumTemplate_->setAlignment(Qt::AlignCenter);
    colour(sumTemplate_, QApplication::palette().color(QPalette::Button));
    sumTemplate_->setAutoFillBackground(true);
    sumTemplate_->hide();
}

FloorBoard::~FloorBoard()
{
    destroyBoard();
}

void FloorBoard::start(int n)
{
    n_ = n;
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
