// What a key press means to the program's controls: the keyboard's rules, in one place.
#pragma once

#include <Qt>
#include <optional>

class QKeyEvent;

namespace velsora::keyboard {

enum class Meaning {
    None,      // not a key of ours: the control leaves it to Qt
    Press,     // Enter or the keypad's Enter: presses the focused button
    HeldPress, // Enter repeating while held: does nothing, so that a held Enter presses once
    Space,     // chooses in a list; a button presses itself on Space as Qt does
    Left,
    Right,
    Up,
    Down,
    Home,
    End,
    PageUp,
    PageDown,
};

// Only plain keys mean anything: with Shift, Ctrl, Alt or Meta held a key means None. The keypad
// modifier does not count, as the keypad's own keys carry it.
[[nodiscard]] Meaning meaningOf(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat);
[[nodiscard]] Meaning meaningOf(const QKeyEvent& event);

// A key that moves a cursor, whatever the modifiers: the list selects where such a key leaves
// its cursor, even when Ctrl moved it without selecting.
[[nodiscard]] bool isCursorKey(int key);

// A list with no cursor (just refilled): the row a key takes it to, where Qt would start from the
// first item whatever the key. End goes to the last row, Page Down to the last row shown whole,
// the other moves and Space to the first; nullopt leaves the key to Qt.
[[nodiscard]] std::optional<int> rowWithoutCursor(Meaning meaning, int count, int rowsShown);

} // namespace velsora::keyboard
