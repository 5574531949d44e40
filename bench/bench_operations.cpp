// Times Start, a placing click, a taking-back click and Clear at N = 3 and N = 11, each until it is
// painted, beside the same widget work done with raw Qt calls (the floor), and prints the ratios.
// Usage: QT_QPA_PLATFORM=offscreen velsora_bench_operations [repetitions [game|floor]]
#include "floor_board.h"
#include "window/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

namespace {

// Remembers which widgets received a paint event.
class PaintLog : public QObject {
public:
    QSet<const QObject*> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) painted.insert(watched);
        return false;
    }
};

PaintLog* paintLog = nullptr;

// Runs the event loop until a pass delivers nothing: posted updates are painted by then.
void settle()
{
    QEventLoop loop;
    while (loop.processEvents(QEventLoop::AllEvents)) {
    }
}

qint64 timed(const std::function<void()>& operation)
{
    paintLog->painted.clear();
    QElapsedTimer timer;
    timer.start();
    operation();
    settle();
    return timer.nsecsElapsed();
}

bool allPainted(const std::vector<QWidget*>& widgets, const char* what)
{
    for (QWidget* w : widgets) {
        if (w->isVisible() && !paintLog->painted.contains(w)) {
            std::fprintf(stderr, "%s: a %s was not painted\n", what, w->metaObject()->className());
            return false;
        }
    }
    return true;
}

// The members loaded for this board, the templates left out.
std::vector<QWidget*> gameBoard(velsora::MainWindow& window)
{
    std::vector<QWidget*> all;
    velsora::DesignControls& c = window.controls();
    for (int k = 1; k < c.Command1.count(); ++k)
        all.push_back(c.Command1(static_cast<velsora::Integer>(k)).widget());
    for (int k = 1; k < c.Label1.count(); ++k)
        all.push_back(c.Label1(static_cast<velsora::Integer>(k)).widget());
    return all;
}

double median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : static_cast<double>(v[v.size() / 2]) / 1000.0;
}

struct Figures {
    std::vector<qint64> start, place, takeBack, clear;
};

bool runGame(int n, int repetitions, Figures& f)
{
    const int sizeRow = (n - 1) / 2 - 1;
    velsora::MainWindow window;
    window.show();
    settle();
    window.controls().List1.setListIndex(static_cast<velsora::Integer>(sizeRow));
    f.start.push_back(timed([&] { window.controls().Command2.button()->click(); }));
    if (!allPainted(gameBoard(window), "game Start")) return false;
    for (int i = 0; i < repetitions; ++i) {
        auto& cell = window.controls().Command1(static_cast<velsora::Integer>(i % (n * n)));
        window.controls().List1.setListIndex(0);
        settle(); // the player's choice is painted before the click
        f.place.push_back(timed([&] { cell.button()->click(); }));
        f.takeBack.push_back(timed([&] { cell.button()->click(); }));
        if (!paintLog->painted.contains(cell.widget())) return false;
    }
    for (int i = 0; i < std::max(1, repetitions / 10); ++i) {
        f.clear.push_back(timed([&] { window.controls().Command3.button()->click(); }));
        if (!allPainted(gameBoard(window), "game Clear")) return false;
    }
    return window.puzzle().N == n;
}

bool runFloor(int n, int repetitions, Figures& f)
{
    QWidget window;
    window.setFixedSize(509, 526);
    // The same font and background as the game's window, so both paint the same pixels.
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    QPalette lilac = window.palette();
    lilac.setColor(QPalette::Window, QColor(192, 192, 255));
    window.setPalette(lilac);
    window.setAutoFillBackground(true);
    FloorBoard board(&window);
    window.show();
    settle();
    f.start.push_back(timed([&] { board.start(n); }));
    if (!allPainted(board.boardWidgets(), "floor Start")) return false;
    for (int i = 0; i < repetitions; ++i) {
        const int cell = i % (n * n);
        board.choose(0);
        settle();
        f.place.push_back(timed([&] { board.cell(cell)->click(); }));
        f.takeBack.push_back(timed([&] { board.cell(cell)->click(); }));
    }
    for (int i = 0; i < std::max(1, repetitions / 10); ++i) {
        f.clear.push_back(timed([&] { board.clear(); }));
        if (!allPainted(board.boardWidgets(), "floor Clear")) return false;
    }
    return true;
}

void print(const char* name, int n, const std::vector<qint64>& game, const std::vector<qint64>& floor)
{
    const double g = median(game);
    const double f = median(floor);
    std::printf("%-12s N=%-3d %10.1f us %10.1f us %7.2f%s\n", name, n, g, f, g / f, g / f > 1.10 ? "  over 1.10" : "");
}

} // namespace

int measure(int repetitions, const std::string& only)
{
    std::printf("operation    side       game        floor    ratio  (medians; every figure includes painting)\n");
    for (const int n : {3, 11}) {
        Figures game;
        Figures floor;
        // Alternate the two sides so that drift in the machine hits both alike.
        for (int round = 0; round < 15; ++round) {
            const bool gameOk = only == "floor" || runGame(n, round == 0 ? repetitions : 0, game);
            const bool floorOk = only == "game" || runFloor(n, round == 0 ? repetitions : 0, floor);
            if (!gameOk || !floorOk) {
                std::fprintf(stderr, "a run failed\n");
                return 1;
            }
        }
        print("Start", n, game.start, floor.start);
        print("place", n, game.place, floor.place);
        print("take back", n, game.takeBack, floor.takeBack);
        print("Clear", n, game.clear, floor.clear);
    }
    return 0;
}

int run(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    const std::string only = argc > 2 ? argv[2] : ""; // "game" or "floor" alone, for profiling
    PaintLog log;
    paintLog = &log;
    QApplication::instance()->installEventFilter(&log);
    const int result = measure(repetitions, only);
    paintLog = nullptr;
    return result;
}

int main(int argc, char** argv)
{
    try {
        QApplication app(argc, argv);
        velsora::applyAppearance();
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "benchmark failed: %s\n", e.what());
        return 1;
    }
}
