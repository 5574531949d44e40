// The keyboard's rules for buttons, the list and the board.
#include "keyboard.h"

#include <QKeyEvent>
#include <algorithm>

namespace velsora::keyboard {

Meaning meaningOf(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat)
{
    if ((modifiers & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return Meaning::None;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return autoRepeat ? Meaning::HeldPress : Meaning::Press;
    case Qt::Key_Space:
        return Meaning::Space;
    case Qt::Key_Left:
        return Meaning::Left;
    case Qt::Key_Right:
        return Meaning::Right;
    case Qt::Key_Up:
        return Meaning::Up;
    case Qt::Key_Down:
        return Meaning::Down;
    case Qt::Key_Home:
        return Meaning::Home;
    case Qt::Key_End:
        return Meaning::End;
    case Qt::Key_PageUp:
        return Meaning::PageUp;
    case Qt::Key_PageDown:
        return Meaning::PageDown;
    default:
        return Meaning::None;
    }
}

Meaning meaningOf(const QKeyEvent& event)
{
    return meaningOf(event.key(), event.modifiers(), event.isAutoRepeat());
}

bool isCursorKey(int key)
{
    const Meaning meaning = meaningOf(key, Qt::NoModifier, false);
    return meaning != Meaning::None && meaning != Meaning::Press && meaning != Meaning::Space;
}

std::optional<int> rowWithoutCursor(Meaning meaning, int count, int rowsShown)
{
    if (count <= 0) {
        return std::nullopt;
    }
    switch (meaning) {
    case Meaning::Space:
    case Meaning::Left:
    case Meaning::Right:
    case Meaning::Up:
    case Meaning::Down:
    case Meaning::Home:
    case Meaning::PageUp:
        return 0;
    case Meaning::End:
        return count - 1;
    case Meaning::PageDown:
        return std::clamp(rowsShown - 1, 0, count - 1);
    default:
        return std::nullopt;
    }
}

} // namespace velsora::keyboard
