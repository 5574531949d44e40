// A push button that paints its face in its own colour and reports clicks.
#pragma once

#include "control.h"

#include <QPushButton>
#include <memory>

namespace velsora {

// A push button that Enter and the keypad's Enter press too, as Space does: on the desktop the
// game was designed for, every focused button takes Enter. No meta-object of its own: Qt then
// knows it for a QPushButton at once wherever it goes by class names (accessibility looks each
// new cell up so, when Start shows it).
class PushButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class CommandButton : public Control {
public:
    explicit CommandButton(QWidget* parent);

    // The face colour. Only the face: a button that filled its whole rectangle would count as
    // opaque, and Qt recomputes the window's opaque region, one rectangle per such child, on
    // every repaint after a layout change, which grows with the square of the number of cells.
    void setBackColor(const QColor& color) override;

    [[nodiscard]] QString Caption() const;
    void setCaption(const QString& caption);

    // A new hidden member with this button's caption, colours, size and position.
    [[nodiscard]] std::unique_ptr<CommandButton> loadCopy() const;

    [[nodiscard]] QPushButton* button() const;
};

} // namespace velsora
