// Real mouse clicks on the window's controls, and readings of what they show.
#include "window_driver.h"

#include <QApplication>
#include <QTest>

namespace velsora::testing {

WindowDriver::WindowDriver() : window_(std::make_unique<MainWindow>())
{
    window_->boundary().setReporter([this](const EventBoundary::Report& r) { errors_.push_back(r); });
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) {
        qWarning("the window was not exposed");
    }
}

WindowDriver::~WindowDriver() = default;

void WindowDriver::clickRow(int row, Qt::KeyboardModifiers modifiers)
{
    QListWidget* list = controls().List1.list();
    list->doItemsLayout();
    QListWidgetItem* item = list->item(row);
    if (item == nullptr) {
        qWarning("no list row %d", row);
        return;
    }
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, list->visualItemRect(item).center());
}

void WindowDriver::selectItem(const QString& text)
{
    const QStringList items = pool();
    const auto row = items.indexOf(text);
    if (row < 0) {
        qWarning("no list item %s", qPrintable(text));
        return;
    }
    clickRow(static_cast<int>(row));
}

void WindowDriver::clickStart()
{
    QTest::mouseClick(controls().Command2.button(), Qt::LeftButton);
}

void WindowDriver::clickClear()
{
    QTest::mouseClick(controls().Command3.button(), Qt::LeftButton);
}

void WindowDriver::clickCell(Integer k)
{
    QTest::mouseClick(controls().Command1(k).button(), Qt::LeftButton);
}

bool WindowDriver::activate()
{
    window_->activateWindow();
    return QTest::qWaitForWindowActive(window_.get());
}

void WindowDriver::start(const QString& size)
{
    selectItem(size);
    clickStart();
}

void WindowDriver::play(const Steps& steps)
{
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Kind::Start:
            if (!step.item.isEmpty()) selectItem(step.item);
            clickStart();
            break;
        case Step::Kind::Pick:
            selectItem(step.item);
            break;
        case Step::Kind::Row:
            clickRow(step.at);
            break;
        case Step::Kind::Cell:
            clickCell(static_cast<Integer>(step.at));
            break;
        case Step::Kind::Place:
            selectItem(step.item);
            clickCell(static_cast<Integer>(step.at));
            break;
        case Step::Kind::Fill:
            for (int k = 0; k < N() * N(); ++k) {
                clickRow(0);
                clickCell(static_cast<Integer>(k));
            }
            break;
        case Step::Kind::Clear:
            clickClear();
            break;
        }
    }
}

Control& WindowDriver::control(const QString& name)
{
    const QByteArray array = name.section(QLatin1Char('('), 0, 0).toUtf8();
    const QString index = name.section(QLatin1Char('('), 1).chopped(1);
    return controls().find(std::string_view(array.constData(), std::size_t(array.size())),
                           index.isEmpty() ? Integer(-1) : Integer(index.toInt()));
}

QStringList WindowDriver::pool()
{
    QStringList items;
    QListWidget* list = controls().List1.list();
    for (int i = 0; i < list->count(); ++i) {
        items << list->item(i)->text();
    }
    return items;
}

Integer WindowDriver::selectedRow()
{
    return controls().List1.ListIndex();
}

QStringList WindowDriver::cells()
{
    QStringList texts;
    for (int k = 0; k < N() * N(); ++k) {
        texts << controls().Command1(static_cast<Integer>(k)).button()->text();
    }
    return texts;
}

QStringList WindowDriver::labels()
{
    QStringList texts;
    for (int k = 0; k < 2 * N(); ++k) {
        texts << controls().Label1(static_cast<Integer>(k)).label()->text();
    }
    return texts;
}

QStringList WindowDriver::numbersInPlay()
{
    QStringList all = pool();
    for (const QString& cell : cells()) {
        if (!cell.isEmpty()) {
            all << cell;
        }
    }
    return all;
}

QStringList numbersUpTo(int last)
{
    QStringList items;
    for (int i = 1; i <= last; ++i) {
        items << QString::number(i);
    }
    return items;
}

QStringList expectedSums(const QStringList& cells, int n)
{
    QStringList sums;
    for (int r = 0; r < n; ++r) {
        int s = 0;
        for (int c = 0; c < n; ++c) {
            s += cells[r + n * c].toInt();
        }
        sums << QString::number(s);
    }
    for (int c = 0; c < n; ++c) {
        int s = 0;
        for (int r = 0; r < n; ++r) {
            s += cells[r + n * c].toInt();
        }
        sums << QString::number(s);
    }
    return sums;
}

} // namespace velsora::testing
