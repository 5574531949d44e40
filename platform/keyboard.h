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

// A place on the board, counted from 0.
struct Place {
    int row = 0;
    int column = 0;
    bool operator==(const Place&) const = default;
};

// Where a key takes the focus on an n x n board: the arrows to the neighbour, staying put at the
// edges, Home and End to the ends of the row; nullopt for the keys that do not move on the board.
[[nodiscard]] std::optional<Place> stepOnBoard(Meaning meaning, Place from, int n);

} // namespace velsora::keyboard
