// Raw Qt widgets doing what Start, a click and Clear do to the board.
#include "floor_board.h"

#include <QApplication>
#include <QFile>

namespace {
constexpr int kCell = 28; // 420 twips

void colour(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

QPlainTextEdit* textBox(QWidget* window, const QRect& place)
{
    auto* box = new QPlainTextEdit(window);
    box->setGeometry(place);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

QLabel* label(QWidget* window, const QString& text, const QRect& place, const QColor& background)
{
    auto* l = new QLabel(text, window);
    l->setGeometry(place);
    l->setAlignment(Qt::AlignCenter);
    colour(l, background);
    l->setAutoFillBackground(true);
    return l;
}
} // namespace

// The game's ten controls, made in the game's order, the same sizes and colours.
FloorBoard::FloorBoard(QWidget* window) : window_(window), clear_(new QPushButton(QStringLiteral("Чисти"), window))
{
    clear_->setGeometry(392, 176, 81, 25);
    colour(clear_, QColor(255, 0, 0));
    QObject::connect(clear_, &QPushButton::clicked, clear_, [this] { clear(); });
    textBox(window, QRect(200, 464, 425, 169))->hide();
    QFile help(QStringLiteral(":/velsora/help.txt"));
    if (help.open(QIODevice::ReadOnly)) {
        textBox(window, QRect(8, 408, 473, 113))
            ->setPlainText(QString::fromUtf8(help.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    start_ = new QPushButton(QStringLiteral("Начало"), window);
    start_->setGeometry(392, 48, 73, 25);
    colour(start_, QColor(128, 128, 255));
    QObject::connect(start_, &QPushButton::clicked, start_, [this] { start(); });
    list_ = new QListWidget(window);
    list_->setGeometry(400, 80, 57, 80);
    // Configured like the game's list, so that only the layer between differs.
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const char* size : {"3", "5", "7", "9", "11"})
        list_->addItem(QString::fromLatin1(size));
    list_->setCurrentRow(1);
    cellTemplate_ = new QPushButton(window);
    cellTemplate_->setGeometry(56, 40, kCell, kCell);
    colour(cellTemplate_, QColor(128, 128, 255));
    cellTemplate_->hide();
    QObject::connect(cellTemplate_, &QPushButton::clicked, cellTemplate_, [this] { clicked(cellTemplate_); });
    picture_ = new QLabel(window);
    picture_->setGeometry(16, 40, 337, 262);
    picture_->setPixmap(QPixmap(QStringLiteral(":/velsora/startup.jpg")));
    label(window, QString(), QRect(504, 0, 9, 9), QColor(192, 192, 255))->hide();
    label(window, QStringLiteral("Velsora"), QRect(88, 0, 337, 25), QColor(255, 192, 128));
    sumTemplate_ =
        label(window, QString(), QRect(8, 40, kCell, kCell), QApplication::palette().color(QPalette::Button));
    sumTemplate_->setFrameShape(QFrame::Box);
    sumTemplate_->hide();
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
