// The program's only window: its attributes, its controls and the dispatch of their events.
#pragma once

#include "board_access.h"
#include "design_controls.h"
#include "platform/event_boundary.h"
#include "puzzle/puzzle.h"

#include <QWidget>

namespace velsora {

class MainWindow : public QWidget {
    Q_OBJECT
public:
    MainWindow();

    [[nodiscard]] DesignControls& controls() noexcept { return controls_; }
    [[nodiscard]] Puzzle& puzzle() noexcept { return puzzle_; }
    [[nodiscard]] EventBoundary& boundary() noexcept { return boundary_; }

protected:
    bool event(QEvent* event) override;

private:
    // Centres the whole window, frame included, on the available area of its screen.
    void centre();
    void Form_Load();
    void Label2_Click(Integer Index);
    void connectHandlers();
    void setTabOrder();
    void describeForScreenReaders();

    // First: building the controls already sends the window events.
    bool centredWithFrame_ = false;
    EventBoundary boundary_;
    DesignControls controls_;
    Puzzle puzzle_;
    BoardAccess access_;
};

} // namespace velsora
