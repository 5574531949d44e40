// The Bulgarian words a screen reader speaks for the window and the board.
#include "words.h"
#include "puzzle/example_square.h"

#include <QStringList>

namespace velsora::words {

QString place(int row, int column)
{
    return QStringLiteral("ред %1, колона %2").arg(row + 1).arg(column + 1);
}

namespace {
QString sums(const Cell& cell)
{
    return QStringLiteral(", сума на реда %1, сума на колоната %2").arg(cell.rowSum, cell.columnSum);
}
} // namespace

QString description(const Cell& cell)
{
    return place(cell.row, cell.column) + (cell.caption.isEmpty() ? QStringLiteral(", празна") : QString())
           + sums(cell);
}

QString moveNews(const Cell& cell)
{
    return (cell.caption.isEmpty() ? QStringLiteral("празна") : cell.caption) + QStringLiteral(", ")
           + place(cell.row, cell.column) + sums(cell);
}

QString gameNews(int n)
{
    return QStringLiteral("Игра %1 на %1").arg(n);
}

QString clearNews()
{
    return QStringLiteral("Квадратът е изчистен, всички числа са в списъка");
}

QString rowSum(int row)
{
    return QStringLiteral("Сума на ред %1").arg(row + 1);
}

QString columnSum(int column)
{
    return QStringLiteral("Сума на колона %1").arg(column + 1);
}

namespace {
// "Редове: 17 24 1 8 15; 23 5 7 14 16; ...; 11 18 25 2 9. Всяка сума е 65"
QString exampleRows(int n)
{
    QStringList rows;
    for (const std::vector<int>& row : siameseSquare(n)) {
        QStringList numbers;
        for (const int v : row) {
            numbers << QString::number(v);
        }
        rows << numbers.join(QLatin1Char(' '));
    }
    return QStringLiteral("Редове: %1. Всяка сума е %2").arg(rows.join(QStringLiteral("; "))).arg(n * (n * n + 1) / 2);
}
} // namespace

DesignControls designControls()
{
    return {
        QStringLiteral("Започва игра с избраната страна на квадрата"),
        QStringLiteral("Изпразва квадрата и връща всички числа в списъка"),
        QStringLiteral("Списък с числа"),
        QStringLiteral("Преди началото: страната на квадрата. След това: числата, които още не са поставени"),
        QStringLiteral("Помощ"),
        QStringLiteral("Описание на играта и как се играе"),
        QStringLiteral("Допълнително поле"),
        QStringLiteral("Пример: магически квадрат 5 на 5 по сиамския метод"),
        exampleRows(5),
        QStringLiteral("Заглавие"),
    };
}

} // namespace velsora::words
