// Times Start, a placing click, a taking-back click and Clear at N = 3 and N = 11, each until it is
// painted, in pairs with the same widget work done by raw Qt calls (the floor): both boards are
// alive at once and the two sides of a pair run back to back, in alternating order, so that the
// machine's drift lands on both. Prints one line a pair, "operation N=n|1.10|game-ns|floor-ns", for
// bench/ratios.py to turn into ratios with intervals against the goal of 1.10.
// Usage: QT_QPA_PLATFORM=offscreen velsora_bench_operations [pairs]
#include "floor_board.h"
#include "tests/support/settle.h"
#include "window/application.h"
#include "window/design.h"
#include "window/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSet>
#include <algorithm>
#include <cstdio>
#include <functional>

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

using velsora::testing::settle;

qint64 timed(const std::function<void()>& operation)
{
    settle();
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

// One side of a pair: the game's window, or the floor's raw widgets.
class Side {
public:
    Side() = default;
    virtual ~Side() = default;
    Side(const Side&) = delete;
    Side& operator=(const Side&) = delete;
    Side(Side&&) = delete;
    Side& operator=(Side&&) = delete;

    virtual void start(int n) = 0;
    virtual void choose() = 0; // selects the first pool item, as the player does before placing it
    virtual void clickCell(int k) = 0;
    virtual void clear() = 0;
    [[nodiscard]] virtual std::vector<QWidget*> board() = 0; // what Start and Clear must paint
    [[nodiscard]] virtual const char* name() const = 0;
    [[nodiscard]] virtual QWidget* window() = 0;
};

class GameSide : public Side {
public:
    GameSide()
    {
        window_.show();
        settle();
    }
    void start(int n) override
    {
        window_.controls().List1.setListIndex(static_cast<velsora::Integer>((n - 1) / 2 - 1));
        settle();
        window_.controls().Command2.button()->click();
    }
    void choose() override { window_.controls().List1.setListIndex(0); }
    void clickCell(int k) override { window_.controls().Command1(static_cast<velsora::Integer>(k)).button()->click(); }
    void clear() override { window_.controls().Command3.button()->click(); }
    std::vector<QWidget*> board() override
    {
        // The members loaded for this board, the templates left out.
        std::vector<QWidget*> all;
        velsora::DesignControls& c = window_.controls();
        for (int k = 1; k < c.Command1.count(); ++k)
            all.push_back(c.Command1(static_cast<velsora::Integer>(k)).widget());
        for (int k = 1; k < c.Label1.count(); ++k)
            all.push_back(c.Label1(static_cast<velsora::Integer>(k)).widget());
        return all;
    }
    const char* name() const override { return "game"; }
    QWidget* window() override { return &window_; }

private:
    velsora::MainWindow window_;
};

class FloorSide : public Side {
public:
    FloorSide() : board_(&window_)
    {
        window_.setFixedSize(velsora::design::kClientWidth / 15, velsora::design::kClientHeight / 15);
        // The same font and background as the game's window, so both paint the same pixels.
        window_.setFont(QFont(QStringLiteral("Times New Roman"), 12));
        QPalette lilac = window_.palette();
        lilac.setColor(QPalette::Window, QColor::fromRgb(velsora::design::kFormColour));
        window_.setPalette(lilac);
        window_.setAutoFillBackground(true);
        window_.show();
        settle();
    }
    void start(int n) override
    {
        board_.chooseSize(n);
        settle();
        board_.startButton()->click();
    }
    void choose() override { board_.choose(0); }
    void clickCell(int k) override { board_.cell(k)->click(); }
    void clear() override { board_.clearButton()->click(); }
    std::vector<QWidget*> board() override { return board_.boardWidgets(); }
    const char* name() const override { return "floor"; }
    QWidget* window() override { return &window_; }

private:
    QWidget window_;
    FloorBoard board_;
};

// Times one operation on both sides, the side that goes first alternating with `pair`, and prints
// the pair. `check` tells whether what had to be painted was.
bool timePair(const char* operation, int n, int pair, Side& game, Side& floor, const std::function<void(Side&)>& run,
              const std::function<bool(Side&)>& check)
{
    qint64 ns[2] = {0, 0};
    Side* order[2] = {&game, &floor};
    if (pair % 2 == 1) std::swap(order[0], order[1]);
    for (Side* side : order) {
        // Each side is timed as the active window, as the player's is: only the active window
        // shows its focus, and the window made first would otherwise keep that work to itself.
        side->window()->activateWindow();
        settle();
        ns[side == &game ? 0 : 1] = timed([&] { run(*side); });
        if (!check(*side)) {
            std::fprintf(stderr, "%s N=%d: %s side failed its check\n", operation, n, side->name());
            return false;
        }
    }
    std::printf("%s N=%d|1.10|%lld|%lld\n", operation, n, static_cast<long long>(ns[0]), static_cast<long long>(ns[1]));
    return true;
}

bool measure(int n, int pairs)
{
    const auto boardPainted = [](Side& s) { return allPainted(s.board(), s.name()); };
    const auto cellPainted = [](Side&) { return !paintLog->painted.isEmpty(); };
    const auto start = [n](Side& s) { s.start(n); };
    const auto clear = [](Side& s) { s.clear(); };
    // Start happens once a window: a new pair of windows for each pair of figures.
    for (int i = 0; i < std::max(10, pairs / 2); ++i) {
        GameSide game;
        FloorSide floor;
        if (!timePair("Start", n, i, game, floor, start, boardPainted)) return false;
    }
    GameSide game;
    FloorSide floor;
    game.start(n);
    floor.start(n);
    settle();
    for (int i = 0; i < pairs; ++i) {
        const auto click = [k = i % (n * n)](Side& s) { s.clickCell(k); };
        game.choose();
        floor.choose();
        if (!timePair("place", n, i, game, floor, click, cellPainted)) return false;
        if (!timePair("take-back", n, i, game, floor, click, cellPainted)) return false;
    }
    for (int i = 0; i < std::max(10, pairs / 2); ++i) {
        if (!timePair("Clear", n, i, game, floor, clear, boardPainted)) return false;
    }
    return true;
}

int run(int argc, char** argv)
{
    const int pairs = argc > 1 ? std::max(10, std::atoi(argv[1])) : 300;
    PaintLog log;
    paintLog = &log;
    QApplication::instance()->installEventFilter(&log);
    bool ok = true;
    for (const int n : {3, 11}) {
        ok = ok && measure(n, pairs);
    }
    paintLog = nullptr;
    return ok ? 0 : 1;
}

} // namespace

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
